#include "RasterSurface.h"

#include "Rounding.h"

#include <algorithm>
#include <cmath>

namespace quillnote {

RasterSurface::RasterSurface(int pixelWidth, int pixelHeight, double twipsPerPixel, SystemColourLookup lookup)
    : width_(std::max(pixelWidth, 1)),
      height_(std::max(pixelHeight, 1)),
      tpp_(twipsPerPixel),
      lookup_(std::move(lookup)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0xFFFFFFu),
      scale_(width_, height_, twipsPerPixel, twipsPerPixel)
{
}

std::uint32_t RasterSurface::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0;
    return pixels_[static_cast<size_t>(y) * width_ + x];
}

void RasterSurface::plot(int x, int y, std::uint32_t bgr)
{
    if (x >= 0 && y >= 0 && x < width_ && y < height_)
        pixels_[static_cast<size_t>(y) * width_ + x] = bgr;
}

void RasterSurface::cls()
{
    ++clsCount_;
    std::fill(pixels_.begin(), pixels_.end(), resolveColour(backColor_, lookup_));
    lastX_ = lastY_ = 0;
}

void RasterSurface::fillBox(double x1, double y1, double x2, double y2, Rgb colour)
{
    const int left = whole(scale_.toPixelX(std::min(x1, x2)));
    const int right = whole(scale_.toPixelX(std::max(x1, x2)));
    const int top = whole(scale_.toPixelY(std::min(y1, y2)));
    const int bottom = whole(scale_.toPixelY(std::max(y1, y2)));
    const std::uint32_t bgr = composeRgb(colour);
    for (int y = std::max(top, 0); y <= std::min(bottom, height_ - 1); ++y)
        for (int x = std::max(left, 0); x <= std::min(right, width_ - 1); ++x)
            pixels_[static_cast<size_t>(y) * width_ + x] = bgr;
    lastX_ = x2;
    lastY_ = y2;
}

void RasterSurface::span(int y, double fromX, double toX, std::uint32_t bgr)
{
    if (y < 0 || y >= height_)
        return;
    const int a = std::max(0, static_cast<int>(std::ceil(fromX - 0.5)));
    const int b = std::min(width_ - 1, static_cast<int>(std::floor(toX - 0.5)));
    for (int x = a; x <= b; ++x)
        pixels_[static_cast<size_t>(y) * width_ + x] = bgr;
}

void RasterSurface::disc(double cx, double cy, double radius, std::uint32_t bgr)
{
    const int top = static_cast<int>(std::floor(cy - radius));
    const int bottom = static_cast<int>(std::ceil(cy + radius));
    for (int y = top; y <= bottom; ++y) {
        const double dy = y + 0.5 - cy;
        const double half = radius * radius - dy * dy;
        if (half < 0)
            continue;
        const double w = std::sqrt(half);
        span(y, cx - w, cx + w, bgr);
    }
}

void RasterSurface::line(double x1, double y1, double x2, double y2, Rgb colour)
{
    const std::uint32_t bgr = composeRgb(colour);
    const double px1 = scale_.toPixelX(x1), py1 = scale_.toPixelY(y1);
    const double px2 = scale_.toPixelX(x2), py2 = scale_.toPixelY(y2);
    const double length = std::hypot(px2 - px1, py2 - py1);
    const int steps = std::max(1, static_cast<int>(std::ceil(length)));
    for (int s = 0; s <= steps; ++s) {
        const double t = static_cast<double>(s) / steps;
        const double x = px1 + (px2 - px1) * t, y = py1 + (py2 - py1) * t;
        if (drawWidth_ <= 1)
            plot(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)), bgr);
        else
            disc(x, y, drawWidth_ / 2.0, bgr);
    }
    lastX_ = x2;
    lastY_ = y2;
}

void RasterSurface::lineTo(double x, double y, Rgb colour) { line(lastX_, lastY_, x, y, colour); }

void RasterSurface::circle(double x, double y, double radius, Rgb colour)
{
    const std::uint32_t bgr = composeRgb(colour);
    const double cx = scale_.toPixelX(x), cy = scale_.toPixelY(y);
    const double r = radius * scale_.pixelsPerUnitX();
    const double half = drawWidth_ / 2.0;
    const double outer = r + half, inner = std::max(0.0, r - half);
    const int top = static_cast<int>(std::floor(cy - outer));
    const int bottom = static_cast<int>(std::ceil(cy + outer));
    // A ring, row by row: the span of the outer circle less that of the inner.
    for (int row = std::max(top, 0); row <= std::min(bottom, height_ - 1); ++row) {
        const double dy = row + 0.5 - cy;
        const double o = outer * outer - dy * dy;
        if (o < 0)
            continue;
        const double ow = std::sqrt(o);
        const double i = inner * inner - dy * dy;
        if (i <= 0) {
            span(row, cx - ow, cx + ow, bgr);
        } else {
            const double iw = std::sqrt(i);
            span(row, cx - ow, cx - iw, bgr);
            span(row, cx + iw, cx + ow, bgr);
        }
    }
    lastX_ = x;
    lastY_ = y;
}

} // namespace quillnote
