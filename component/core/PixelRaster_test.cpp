#include "PixelRaster.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace quillnote {
namespace {

struct Canvas {
    int width, height;
    std::vector<std::uint32_t> pixels;
    PixelRaster raster;
    Canvas(int w, int h, PixelOrder order = PixelOrder::Bgr)
        : width(w), height(h), pixels(static_cast<size_t>(w) * h, 0), raster(pixels.data(), w, h, order)
    {}
    std::uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

double distanceToSegment(double px, double py, double x1, double y1, double x2, double y2)
{
    const double dx = x2 - x1, dy = y2 - y1;
    const double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared > 0 ? ((px - x1) * dx + (py - y1) * dy) / lengthSquared : 0;
    t = t < 0 ? 0 : t > 1 ? 1 : t;
    return std::hypot(px - (x1 + t * dx), py - (y1 + t * dy));
}

TEST(PixelRaster, EncodesInEitherChannelOrder)
{
    Canvas bgr(1, 1, PixelOrder::Bgr), rgb(1, 1, PixelOrder::Rgb);
    const Rgb orange{255, 128, 1};
    EXPECT_EQ(bgr.raster.encode(orange), 0x000180FFu);
    EXPECT_EQ(rgb.raster.encode(orange), 0x00FF8001u);
    EXPECT_EQ(rgb.raster.decode(0x00FF8001u), orange);
    EXPECT_EQ(bgr.raster.encode(Rgb{300, -5, 7}), 0x000700FFu); // channels clamp
}

TEST(PixelRaster, FillRectIncludesBothCornersAndClips)
{
    Canvas c(10, 10);
    c.raster.fillRect(2, 3, 4, 5, Rgb{0, 0, 255});
    EXPECT_EQ(c.at(2, 3), 0x00FF0000u);
    EXPECT_EQ(c.at(4, 5), 0x00FF0000u);
    EXPECT_EQ(c.at(5, 5), 0u);
    EXPECT_EQ(c.at(4, 6), 0u);
    c.raster.fillRect(-100, -100, 100, 100, Rgb{255, 0, 0}); // far outside: clipped, no fault
    EXPECT_EQ(c.at(0, 0), 0x000000FFu);
    EXPECT_EQ(c.at(9, 9), 0x000000FFu);
}

TEST(PixelRaster, WideLineCoversExactlyThePointsNearTheSegment)
{
    const struct {
        double x1, y1, x2, y2;
        int width;
    } lines[] = {{5, 5, 55, 35, 12}, {30, 2, 30, 38, 6}, {2, 20, 58, 20, 9}, {20, 20, 20, 20, 12}, {50, 5, 8, 30, 12}};
    for (const auto& l : lines) {
        SCOPED_TRACE(testing::Message() << l.x1 << "," << l.y1 << " to " << l.x2 << "," << l.y2);
        Canvas c(60, 40);
        c.raster.line(l.x1, l.y1, l.x2, l.y2, l.width, Rgb{255, 255, 255});
        int wrong = 0;
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                const double d = distanceToSegment(x + 0.5, y + 0.5, l.x1, l.y1, l.x2, l.y2);
                const bool painted = c.at(x, y) != 0;
                // Pixels clearly inside or clearly outside the pen must agree;
                // those on its edge may go either way.
                if (d < l.width / 2.0 - 0.75 && !painted)
                    ++wrong;
                if (d > l.width / 2.0 + 0.75 && painted)
                    ++wrong;
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}

TEST(PixelRaster, RingIsThePenWideBandAroundTheCircle)
{
    Canvas c(80, 80);
    c.raster.ring(40, 40, 25, 12, Rgb{0, 255, 0});
    int wrong = 0;
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x) {
            const double d = std::abs(std::hypot(x + 0.5 - 40, y + 0.5 - 40) - 25);
            const bool painted = c.at(x, y) != 0;
            if ((d < 5.25 && !painted) || (d > 6.75 && painted))
                ++wrong;
        }
    }
    EXPECT_EQ(wrong, 0);
    // A ring reaching past the raster's edges is clipped, not wrapped.
    c.raster.ring(0, 0, 200, 12, Rgb{255, 0, 0});
    EXPECT_EQ(c.at(40, 15), 0x0000FF00u);
    EXPECT_EQ(c.at(40, 40), 0u);
}

// A raster may be the top left of a wider picture (a reused bitmap): its
// rows lie `stride` pixels apart, and nothing is drawn right of its width.
TEST(PixelRaster, DrawsInTheTopLeftOfAWiderPicture)
{
    constexpr int Stride = 50, Width = 30, Height = 20;
    std::vector<std::uint32_t> picture(static_cast<size_t>(Stride) * Height, 0);
    PixelRaster raster(picture.data(), Width, Height, PixelOrder::Rgb, Stride);
    raster.fillAll(Rgb{0, 0, 255});
    raster.ring(15, 10, 40, 12, Rgb{255, 0, 0}); // far past the right edge
    raster.line(0, 19, 100, 19, 1, Rgb{0, 255, 0});
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Stride; ++x) {
            const std::uint32_t p = picture[static_cast<size_t>(y) * Stride + x];
            if (x >= Width)
                ASSERT_EQ(p, 0u) << x << "," << y;
            else
                ASSERT_NE(p, 0u) << x << "," << y;
        }
    int green = 0;
    for (int x = 0; x < Width; ++x)
        green += picture[static_cast<size_t>(19) * Stride + x] == 0x0000FF00u ? 1 : 0;
    EXPECT_GE(green, Width - 2);
    EXPECT_EQ(picture[static_cast<size_t>(1) * Stride], 0x000000FFu);
}

} // namespace
} // namespace quillnote
