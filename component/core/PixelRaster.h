#pragma once
// Drawing on 32-bit pixels in memory: filled boxes, thick lines and rings.
// It serves the memory surface of tests and the persistent picture of a
// picture box alike, so that shading a body costs spans of pixels instead of
// hundreds of wide-pen ellipses through the window system.

#include "DrawingSurface.h"
#include "RowCoverage.h"
#include "SurfaceScale.h"

#include <cstdint>

namespace quillnote {

enum class PixelOrder {
    Bgr, // 0x00BBGGRR, the platform's colour values
    Rgb, // 0x00RRGGBB, a 32-bit DIB's pixels
};

class PixelRaster {
public:
    // `stride` is the pixels from one row to the next: the width when 0 (a
    // raster may be the top left of a wider picture).
    PixelRaster(std::uint32_t* pixels, int width, int height, PixelOrder order, int stride = 0);

    // With a coverage, each drawing goes under those before it: it fills
    // only the pixels the coverage leaves uncovered, and covers them. Null
    // ends that.
    void drawUnder(RowCoverage* coverage) { coverage_ = coverage; }

    std::uint32_t encode(const Rgb& colour) const;
    Rgb decode(std::uint32_t pixel) const;

    // Pixels from (left, top) to (right, bottom), both corners included.
    void fillRect(int left, int top, int right, int bottom, const Rgb& colour);
    void fillAll(const Rgb& colour);
    // A line `width` pixels wide with round ends; pixel centres at .5.
    void line(double x1, double y1, double x2, double y2, int width, const Rgb& colour);
    // The outline of a circle of radius r drawn with a pen `width` wide.
    void ring(double cx, double cy, double r, int width, const Rgb& colour);

private:
    std::uint32_t* row(int y) const { return pixels_ + static_cast<size_t>(y) * static_cast<size_t>(stride_); }
    // Pixels a..b of row y, both within the raster.
    void fill(int y, int a, int b, std::uint32_t pixel);
    void span(int y, double fromX, double toX, std::uint32_t pixel);
    void capsule(double x1, double y1, double x2, double y2, double radius, std::uint32_t pixel);

    std::uint32_t* pixels_;
    int width_, height_, stride_;
    PixelOrder order_;
    RowCoverage* coverage_ = nullptr;
};

// The drawing methods of a surface in its scale, on a raster: a box, a line
// and a circle as the painters ask for them.
void drawScaledBox(PixelRaster& raster, const SurfaceScale& scale, double x1, double y1, double x2, double y2,
                   const Rgb& colour);
void drawScaledLine(PixelRaster& raster, const SurfaceScale& scale, int penWidth, double x1, double y1, double x2,
                    double y2, const Rgb& colour);
void drawScaledCircle(PixelRaster& raster, const SurfaceScale& scale, int penWidth, double x, double y, double radius,
                      const Rgb& colour);

} // namespace quillnote
