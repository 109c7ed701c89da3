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
    repaintFace();
}

void CheckBox::click()
{
    if (!enabled() || !visible())
        return;
    setChecked(!checked_);
    CommandButton::click();
}

void CheckBox::enterPressed() { form().pressDefaultButton(); }

namespace {

// The square of a check box, as the platform draws one: a sunken edge, the
// window colour inside (the face colour while pressed or disabled) and, when
// checked, the check mark: three rows of a stroke down and then up, in a
// grid of 9 by 9 scaled to the inside. Drawn with plain lines: the system's
// frame-control drawing makes a font for its mark on every call, which
// costs more than the rest of the dialog's body.
void drawSquare(HDC dc, RECT square, bool checked, bool pressed, bool disabled)
{
    DrawEdge(dc, &square, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    FillRect(dc, &square, GetSysColorBrush(pressed || disabled ? COLOR_BTNFACE : COLOR_WINDOW));
    if (!checked)
        return;
    const int inside = std::min(square.right - square.left, square.bottom - square.top);
    if (inside < 3)
        return;
    const auto at = [&](int x, int y) { return POINT{square.left + x * inside / 9, square.top + y * inside / 9}; };
    const int rows = std::max(3, 3 * inside / 9);
    UniquePen pen(CreatePen(PS_SOLID, 1, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT)));
    SavedDc saved(dc);
    SelectObject(dc, pen.get());
    const int columns = std::max(1, inside / 9);
    for (int column = 0; column < columns; ++column) {
        for (int row = 0; row < rows; ++row) {
            POINT stroke[] = {at(1, 3), at(3, 5), at(8, 0)};
            for (POINT& point : stroke) {
                point.x += column;
                point.y += row;
            }
            Polyline(dc, stroke, 3);
        }
    }
}

} // namespace

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

    // What the picture box shows under the check box, unless the box is
    // drawing it into its own picture, where that is already there.
    PictureBox* box = container();
    if (box && !drawnOverItsBox()) {
        RECT place = rect;
        const RECT inBox = placeInContainer();
        OffsetRect(&place, inBox.left, inBox.top);
        box->paintUnder(dc, place);
    }

    const int side = boxPixels();
    const int height = rect.bottom - rect.top;
    RECT square = {rect.left, rect.top + (height - side) / 2, rect.left + side, rect.top + (height - side) / 2 + side};
    drawSquare(dc, square, checked_, pressed, disabled);

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
