#include "CheckBox.h"

#include "Colours.h"
#include "Form.h"
#include "Gdi.h"
#include "PictureBox.h"
#include "core/DpiScaling.h"
#include "win/Text.h"

#include <algorithm>

namespace quillnote::forms {

void CheckBox::setChecked(bool on)
{
    checked_ = on;
    requestRepaint();
}

void CheckBox::click()
{
    if (!enabled() || !visible())
        return;
    setChecked(!checked_);
    CommandButton::click();
}

void CheckBox::enterPressed() { form().pressDefaultButton(); }

int CheckBox::boxPixels() const { return scaledPixels(13, form().dpi()); }
int CheckBox::gapPixels() const { return scaledPixels(5, form().dpi()); }

double CheckBox::fullWidth() const
{
    // The caption's focus frame takes a pixel on each side of it.
    const int pixels = boxPixels() + gapPixels() + shownCaption().size().cx + 2;
    return form().units().xTwips(pixels);
}

double CheckBox::fullHeight() const
{
    const int pixels = std::max(boxPixels(), static_cast<int>(shownCaption().size().cy) + 2);
    return form().units().yTwips(pixels);
}

void CheckBox::draw(const DRAWITEMSTRUCT& item) const
{
    const HDC dc = item.hDC;
    const RECT& rect = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;

    // What the picture box shows under the check box.
    if (PictureBox* box = container()) {
        RECT place = rect;
        MapWindowPoints(item.hwndItem, box->hwnd(), reinterpret_cast<POINT*>(&place), 2);
        box->paintUnder(dc, place);
    }

    const int side = boxPixels();
    const int height = rect.bottom - rect.top;
    RECT square = {rect.left, rect.top + (height - side) / 2, rect.left + side, rect.top + (height - side) / 2 + side};
    UINT state = DFCS_BUTTONCHECK | (checked_ ? DFCS_CHECKED : 0) | (pressed ? DFCS_PUSHED : 0);
    if (disabled)
        state |= DFCS_INACTIVE;
    DrawFrameControl(dc, &square, DFC_BUTTON, state);

    const LabelText& shown = shownCaption();
    const int textLeft = square.right + gapPixels();
    const int textTop = rect.top + (height - static_cast<int>(shown.size().cy)) / 2;
    RECT text = {textLeft + 1, textTop, textLeft + 1 + shown.size().cx, textTop + shown.size().cy};
    SavedDc saved(dc);
    SelectObject(dc, form().defaultFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : toColorRef(foreColor()));
    if (shown.plain()) {
        const std::wstring caption = win::toWide(this->caption());
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_LEFT | DT_TOP | DT_SINGLELINE);
    } else {
        shown.draw(dc, text, DT_LEFT);
    }
    if (focused) {
        RECT frame = text;
        InflateRect(&frame, 1, 1);
        DrawFocusRect(dc, &frame);
    }
}

} // namespace quillnote::forms
