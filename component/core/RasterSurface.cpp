#include "RasterSurface.h"

#include <algorithm>

namespace quillnote {

RasterSurface::RasterSurface(int pixelWidth, int pixelHeight, double twipsPerPixel, SystemColourLookup lookup)
    : width_(std::max(pixelWidth, 1)), height_(std::max(pixelHeight, 1)), tpp_(twipsPerPixel),
      lookup_(std::move(lookup)), pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0xFFFFFFu),
      scale_(width_, height_, twipsPerPixel, twipsPerPixel)
{}

std::uint32_t RasterSurface::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0;
    return pixels_[static_cast<size_t>(y) * width_ + x];
}

PixelRaster RasterSurface::raster()
{
    PixelRaster raster(pixels_.data(), width_, height_, PixelOrder::Bgr);
    raster.drawUnder(coverage_ ? &*coverage_ : nullptr);
    return raster;
}

bool RasterSurface::beginDrawingUnder()
{
    coverage_.emplace();
    return true;
}

void RasterSurface::cls()
{
    ++clsCount_;
    // The whole surface, drawn under or not; and drawing under starts again
    // from nothing drawn.
    if (coverage_)
        coverage_.emplace();
    PixelRaster(pixels_.data(), width_, height_, PixelOrder::Bgr).fillAll(splitRgb(resolveColour(backColor_, lookup_)));
    lastX_ = lastY_ = 0;
}

void RasterSurface::fillBox(double x1, double y1, double x2, double y2, Rgb colour)
{
    PixelRaster r = raster();
    drawScaledBox(r, scale_, x1, y1, x2, y2, colour);
    lastX_ = x2;
    lastY_ = y2;
}

void RasterSurface::line(double x1, double y1, double x2, double y2, Rgb colour)
{
    PixelRaster r = raster();
    drawScaledLine(r, scale_, drawWidth_, x1, y1, x2, y2, colour);
    lastX_ = x2;
    lastY_ = y2;
}

void RasterSurface::lineTo(double x, double y, Rgb colour) { line(lastX_, lastY_, x, y, colour); }

void RasterSurface::circle(double x, double y, double radius, Rgb colour)
{
    PixelRaster r = raster();
    drawScaledCircle(r, scale_, drawWidth_, x, y, radius, colour);
    lastX_ = x;
    lastY_ = y;
}

} // namespace quillnote
