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
    text_ = std::make_unique<LabelText>(font_.get(), win::toWide(caption_));
    const SIZE size = text_->size();
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

void Label::setView(const TwipsRect& area, double scrolledDown, double scrolledAcross)
{
    view_ = area;
    scrolledDown_ = area.height > 0 ? scrolledDown : 0;
    scrolledAcross_ = area.width > 0 ? scrolledAcross : 0;
    invalidate();
}

void Label::paint(HDC dc, const Units& units) const
{
    if (!visible_ || caption_.empty() || !text_)
        return;
    RECT rect = {units.xPixels(bounds_.left), units.yPixels(bounds_.top), units.xPixels(bounds_.left + bounds_.width),
                 units.yPixels(bounds_.top + bounds_.height)};
    SavedDc saved(dc);
    if (view_.height > 0 || view_.width > 0) {
        RECT clip = rect;
        if (view_.height > 0) {
            clip.top = units.yPixels(view_.top);
            clip.bottom = units.yPixels(view_.top + view_.height);
        }
        if (view_.width > 0) {
            clip.left = units.xPixels(view_.left);
            clip.right = units.xPixels(view_.left + view_.width);
        }
        IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
        OffsetRect(&rect, -units.xPixels(scrolledAcross_), -units.yPixels(scrolledDown_));
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, toColorRef(foreColor_));
    UINT align = DT_LEFT;
    if (alignment_ == Alignment::Right)
        align = DT_RIGHT;
    else if (alignment_ == Alignment::Center)
        align = DT_CENTER;
    text_->draw(dc, rect, align);
}

} // namespace quillnote::forms
