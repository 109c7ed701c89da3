#pragma once
// A windowless line from (X1, Y1) to (X2, Y2), one pixel wide.

#include "Control.h"
#include "core/Values.h"

namespace quillnote::forms {

class LineShape : public WindowlessControl {
public:
    LineShape(double x1, double y1, double x2, double y2, Colour colour);

    double x2() const { return x2_; }
    void setX2(double v);
    Colour borderColor() const { return colour_; }

    void paint(HDC dc, const Units& units) const override;
    bool hitTest(int, int, const Units&) const override { return false; }

private:
    void updateBounds();
    double x1_, y1_, x2_, y2_;
    Colour colour_;
};

} // namespace quillnote::forms
