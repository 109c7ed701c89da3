#include "LineShape.h"

#include "Colours.h"
#include "Gdi.h"
#include "Units.h"

#include <algorithm>

namespace quillnote::forms {

LineShape::LineShape(double x1, double y1, double x2, double y2, Colour colour)
    : x1_(x1), y1_(y1), x2_(x2), y2_(y2), colour_(colour)
{
    updateBounds();
}

void LineShape::updateBounds()
{
    bounds_.left = std::min(x1_, x2_);
    bounds_.top = std::min(y1_, y2_);
    // One pixel of slack so that invalidation covers the line's own pixel.
    bounds_.width = std::max(x1_, x2_) - bounds_.left + 15;
    bounds_.height = std::max(y1_, y2_) - bounds_.top + 15;
}

void LineShape::setX2(double v)
{
    invalidate();
    x2_ = v;
    updateBounds();
    invalidate();
}

void LineShape::paint(HDC dc, const Units& units) const
{
    if (!visible_)
        return;
    UniquePen pen(CreatePen(PS_SOLID, 1, toColorRef(colour_)));
    SelectGuard select(dc, pen.get());
    MoveToEx(dc, units.xPixels(x1_), units.yPixels(y1_), nullptr);
    LineTo(dc, units.xPixels(x2_), units.yPixels(y2_));
}

} // namespace quillnote::forms
