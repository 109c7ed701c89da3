#pragma once
// The coordinate system of a drawing surface: twips, pixels or a user grid
// laid over the inner area (setting ScaleWidth or ScaleHeight makes it a user
// scale, as a picture box does).

#include "DrawingSurface.h"

namespace quillnote {

class SurfaceScale {
public:
    SurfaceScale(int pixelWidth, int pixelHeight, double twipsPerPixelX, double twipsPerPixelY);

    void resize(int pixelWidth, int pixelHeight);
    // Another resolution: twips and pixels measure the surface anew (a user
    // scale keeps its numbers).
    void setTwipsPerPixel(double twipsPerPixelX, double twipsPerPixelY);
    int mode() const { return mode_; }
    void setMode(int mode);
    double width() const { return width_; }
    double height() const { return height_; }
    void setWidth(double units);
    void setHeight(double units);

    double toPixelX(double x) const;
    double toPixelY(double y) const;
    // Pixels per unit along x, for radii.
    double pixelsPerUnitX() const;

private:
    int pixelWidth_, pixelHeight_;
    double tppX_, tppY_;
    int mode_ = ScaleTwips;
    double width_ = 0, height_ = 0;
};

} // namespace quillnote
