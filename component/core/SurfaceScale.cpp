#include "SurfaceScale.h"

namespace quillnote {

SurfaceScale::SurfaceScale(int pixelWidth, int pixelHeight, double twipsPerPixelX, double twipsPerPixelY)
    : pixelWidth_(pixelWidth), pixelHeight_(pixelHeight), tppX_(twipsPerPixelX), tppY_(twipsPerPixelY)
{
    setMode(ScaleTwips);
}

void SurfaceScale::resize(int pixelWidth, int pixelHeight)
{
    pixelWidth_ = pixelWidth;
    pixelHeight_ = pixelHeight;
    if (mode_ != ScaleUser)
        setMode(mode_);
}

void SurfaceScale::setTwipsPerPixel(double twipsPerPixelX, double twipsPerPixelY)
{
    tppX_ = twipsPerPixelX;
    tppY_ = twipsPerPixelY;
    if (mode_ != ScaleUser)
        setMode(mode_);
}

void SurfaceScale::setMode(int mode)
{
    if (mode == ScaleUser) {
        mode_ = ScaleUser;
        return;
    }
    // Every mode other than pixels measures in twips here.
    mode_ = mode == ScalePixels ? ScalePixels : ScaleTwips;
    width_ = mode_ == ScalePixels ? pixelWidth_ : pixelWidth_ * tppX_;
    height_ = mode_ == ScalePixels ? pixelHeight_ : pixelHeight_ * tppY_;
}

void SurfaceScale::setWidth(double units)
{
    width_ = units;
    mode_ = ScaleUser;
}

void SurfaceScale::setHeight(double units)
{
    height_ = units;
    mode_ = ScaleUser;
}

double SurfaceScale::toPixelX(double x) const { return width_ != 0 ? x * pixelWidth_ / width_ : 0; }
double SurfaceScale::toPixelY(double y) const { return height_ != 0 ? y * pixelHeight_ / height_ : 0; }
double SurfaceScale::pixelsPerUnitX() const { return width_ != 0 ? pixelWidth_ / width_ : 0; }

} // namespace quillnote
