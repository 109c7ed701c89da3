#include "PixelRaster.h"

#include "Rounding.h"

#include <algorithm>
#include <cmath>

namespace quillnote {

PixelRaster::PixelRaster(std::uint32_t* pixels, int width, int height, PixelOrder order, int stride)
    : pixels_(pixels), width_(pixels ? width : 0), height_(pixels ? height : 0),
      stride_(stride > width ? stride : width), order_(order)
{}

std::uint32_t PixelRaster::encode(const Rgb& colour) const
{
    const std::uint32_t bgr = composeRgb(colour);
    if (order_ == PixelOrder::Bgr)
        return bgr;
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

Rgb PixelRaster::decode(std::uint32_t pixel) const
{
    if (order_ == PixelOrder::Bgr)
        return splitRgb(pixel);
    return Rgb{static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
               static_cast<int>(pixel & 0xFF)};
}

void PixelRaster::fillRect(int left, int top, int right, int bottom, const Rgb& colour)
{
    const std::uint32_t pixel = encode(colour);
    const int x0 = std::max(left, 0), x1 = std::min(right, width_ - 1);
    for (int y = std::max(top, 0); y <= std::min(bottom, height_ - 1); ++y)
        fill(y, x0, x1, pixel);
}

void PixelRaster::fillAll(const Rgb& colour) { fillRect(0, 0, width_ - 1, height_ - 1, colour); }

void PixelRaster::fill(int y, int a, int b, std::uint32_t pixel)
{
    if (a > b)
        return;
    std::uint32_t* const pixels = row(y);
    if (coverage_)
        coverage_->cover(y, a, b, [&](int from, int to) { std::fill(pixels + from, pixels + to + 1, pixel); });
    else
        std::fill(pixels + a, pixels + b + 1, pixel);
}

void PixelRaster::span(int y, double fromX, double toX, std::uint32_t pixel)
{
    if (y < 0 || y >= height_)
        return;
    const int a = std::max(0, ceilToInt(fromX - 0.5));
    const int b = std::min(width_ - 1, floorToInt(toX - 0.5));
    fill(y, a, b, pixel);
}

void PixelRaster::line(double x1, double y1, double x2, double y2, int width, const Rgb& colour)
{
    const std::uint32_t pixel = encode(colour);
    if (width <= 1) {
        const double length = std::hypot(x2 - x1, y2 - y1);
        const int steps = std::max(1, ceilToInt(std::min(length, 100000.0)));
        for (int s = 0; s <= steps; ++s) {
            const double t = static_cast<double>(s) / steps;
            const int px = floorToInt(x1 + (x2 - x1) * t);
            const int py = floorToInt(y1 + (y2 - y1) * t);
            if (px >= 0 && py >= 0 && px < width_ && py < height_)
                fill(py, px, px, pixel);
        }
        return;
    }
    capsule(x1, y1, x2, y2, width / 2.0, pixel);
}

void PixelRaster::capsule(double x1, double y1, double x2, double y2, double radius, std::uint32_t pixel)
{
    // A wide pen with round ends covers the points within `radius` of the
    // segment: a convex shape, so each row of it is one span, bounded by the
    // two end discs and the rectangle between them.
    const double length = std::hypot(x2 - x1, y2 - y1);
    const double nx = length > 0 ? -(y2 - y1) / length * radius : 0;
    const double ny = length > 0 ? (x2 - x1) / length * radius : 0;
    const double corners[4][2] = {{x1 + nx, y1 + ny}, {x2 + nx, y2 + ny}, {x2 - nx, y2 - ny}, {x1 - nx, y1 - ny}};
    const int top = std::max(0, floorToInt(std::min(y1, y2) - radius));
    const int bottom = std::min(height_ - 1, ceilToInt(std::max(y1, y2) + radius));
    for (int row = top; row <= bottom; ++row) {
        const double yc = row + 0.5;
        double lo = 1e300, hi = -1e300;
        for (const auto& end : {std::pair<double, double>{x1, y1}, std::pair<double, double>{x2, y2}}) {
            const double dy = yc - end.second;
            const double h = radius * radius - dy * dy;
            if (h >= 0) {
                const double w = std::sqrt(h);
                lo = std::min(lo, end.first - w);
                hi = std::max(hi, end.first + w);
            }
        }
        for (int e = 0; e < 4 && length > 0; ++e) {
            const double* a = corners[e];
            const double* b = corners[(e + 1) % 4];
            if (a[1] == b[1] || yc < std::min(a[1], b[1]) || yc > std::max(a[1], b[1]))
                continue;
            const double x = a[0] + (yc - a[1]) * (b[0] - a[0]) / (b[1] - a[1]);
            lo = std::min(lo, x);
            hi = std::max(hi, x);
        }
        if (lo <= hi)
            span(row, lo, hi, pixel);
    }
}

void PixelRaster::ring(double cx, double cy, double r, int width, const Rgb& colour)
{
    const std::uint32_t pixel = encode(colour);
    const double half = std::max(width, 1) / 2.0;
    const double outer = r + half, inner = std::max(0.0, r - half);
    const int top = std::max(0, floorToInt(cy - outer));
    const int bottom = std::min(height_ - 1, ceilToInt(cy + outer));
    // Row by row: the span of the outer circle less that of the inner one.
    for (int row = top; row <= bottom; ++row) {
        const double dy = row + 0.5 - cy;
        const double o = outer * outer - dy * dy;
        if (o < 0)
            continue;
        const double ow = std::sqrt(o);
        const double i = inner * inner - dy * dy;
        if (i <= 0) {
            span(row, cx - ow, cx + ow, pixel);
        } else {
            const double iw = std::sqrt(i);
            span(row, cx - ow, cx - iw, pixel);
            span(row, cx + iw, cx + ow, pixel);
        }
    }
}

void drawScaledBox(PixelRaster& raster, const SurfaceScale& scale, double x1, double y1, double x2, double y2,
                   const Rgb& colour)
{
    raster.fillRect(whole(scale.toPixelX(std::min(x1, x2))), whole(scale.toPixelY(std::min(y1, y2))),
                    whole(scale.toPixelX(std::max(x1, x2))), whole(scale.toPixelY(std::max(y1, y2))), colour);
}

void drawScaledLine(PixelRaster& raster, const SurfaceScale& scale, int penWidth, double x1, double y1, double x2,
                    double y2, const Rgb& colour)
{
    raster.line(scale.toPixelX(x1), scale.toPixelY(y1), scale.toPixelX(x2), scale.toPixelY(y2), penWidth, colour);
}

void drawScaledCircle(PixelRaster& raster, const SurfaceScale& scale, int penWidth, double x, double y, double radius,
                      const Rgb& colour)
{
    raster.ring(scale.toPixelX(x), scale.toPixelY(y), radius * scale.pixelsPerUnitX(), penWidth, colour);
}

} // namespace quillnote
