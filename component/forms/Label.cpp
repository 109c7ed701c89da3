#include "Label.h"

#include "Colours.h"
#include "Units.h"
#include "win/Text.h"

namespace quillnote::forms {

Label::Label(const FontSpec& font, const Units& units) : fontSpec_(font), font_(font), units_(units) {}

Label::Label(const FontSpec& font, const Units& units, int dpi)
    : fontSpec_(font), dpi_(dpi), font_(font, dpi), units_(units)
{}

void Label::setDpi(int dpi)
{
    if (dpi == dpi_)
        return;
    invalidate();
    dpi_ = dpi;
    font_ = Font(fontSpec_, dpi);
    autoSize();
    invalidate();
}

void Label::setCaption(std::u16string caption)
{
    invalidate();
    caption_ = std::move(caption);
    autoSize();
    invalidate();
}

void Label::autoSize()
{
    const SIZE size = measureText(font_.get(), win::toWide(caption_));
    bounds_.width = units_.xTwips(size.cx);
    bounds_.height = units_.yTwips(size.cy);
}

void Label::setForeColor(Colour c)
{
    foreColor_ = c;
    invalidate();
}

void Label::setAlignment(Alignment a)
{
    alignment_ = a;
    invalidate();
}

void Label::setAlignment(int value)
{
    setAlignment(value == 1 ? Alignment::Right : value == 2 ? Alignment::Center : Alignment::Left);
}

void Label::setView(double top, double height, double scrolled)
{
    viewTop_ = top;
    viewHeight_ = height;
    scrolled_ = height > 0 ? scrolled : 0;
    invalidate();
}

void Label::paint(HDC dc, const Units& units) const
{
    if (!visible_ || caption_.empty())
        return;
    RECT rect = {units.xPixels(bounds_.left), units.yPixels(bounds_.top), units.xPixels(bounds_.left + bounds_.width),
                 units.yPixels(bounds_.top + bounds_.height)};
    SavedDc saved(dc);
    if (viewHeight_ > 0) {
        IntersectClipRect(dc, rect.left, units.yPixels(viewTop_), rect.right, units.yPixels(viewTop_ + viewHeight_));
        OffsetRect(&rect, 0, -units.yPixels(scrolled_));
    }
    SelectObject(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, toColorRef(foreColor_));
    UINT align = DT_LEFT;
    if (alignment_ == Alignment::Right)
        align = DT_RIGHT;
    else if (alignment_ == Alignment::Center)
        align = DT_CENTER;
    const std::wstring text = win::toWide(caption_);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, LabelTextFlags | align);
}

} // namespace quillnote::forms
