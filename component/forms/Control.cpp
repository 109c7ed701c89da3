#include "Control.h"

#include "PictureBox.h"
#include "Units.h"

namespace quillnote::forms {

void WindowlessControl::setLeft(double v)
{
    invalidate();
    bounds_.left = v;
    invalidate();
}

void WindowlessControl::setTop(double v)
{
    invalidate();
    bounds_.top = v;
    invalidate();
}

void WindowlessControl::setWidth(double v)
{
    invalidate();
    bounds_.width = v;
    invalidate();
}

void WindowlessControl::setHeight(double v)
{
    invalidate();
    bounds_.height = v;
    invalidate();
}

void WindowlessControl::setVisible(bool v)
{
    if (visible_ == v)
        return;
    visible_ = v;
    invalidate();
}

bool WindowlessControl::hitTest(int x, int y, const Units& units) const
{
    const int left = units.xPixels(bounds_.left);
    const int top = units.yPixels(bounds_.top);
    const int right = units.xPixels(bounds_.left + bounds_.width);
    const int bottom = units.yPixels(bounds_.top + bounds_.height);
    return x >= left && x < right && y >= top && y < bottom;
}

void WindowlessControl::invalidate() const
{
    if (container_)
        container_->invalidateTwips(bounds_);
}

} // namespace quillnote::forms
