#include "SurfaceScale.h"

#include <gtest/gtest.h>

namespace quillnote {
namespace {

TEST(SurfaceScale, AnotherResolutionMeasuresTheSurfaceAnewInTwips)
{
    SurfaceScale scale(351, 22, 15.0, 15.0);
    EXPECT_DOUBLE_EQ(scale.width(), 5265);
    EXPECT_DOUBLE_EQ(scale.height(), 330);
    scale.setTwipsPerPixel(10.0, 10.0);
    scale.resize(527, 33);
    EXPECT_DOUBLE_EQ(scale.width(), 5270);
    EXPECT_DOUBLE_EQ(scale.height(), 330);
    EXPECT_DOUBLE_EQ(scale.toPixelX(5270), 527);
}

TEST(SurfaceScale, PixelAndUserScalesKeepTheirNumbers)
{
    SurfaceScale pixels(100, 50, 15.0, 15.0);
    pixels.setMode(ScalePixels);
    pixels.setTwipsPerPixel(10.0, 10.0);
    EXPECT_DOUBLE_EQ(pixels.width(), 100);

    SurfaceScale user(100, 50, 15.0, 15.0);
    user.setWidth(1000);
    user.setHeight(500);
    user.setTwipsPerPixel(10.0, 10.0);
    EXPECT_DOUBLE_EQ(user.width(), 1000);
    EXPECT_DOUBLE_EQ(user.toPixelX(500), 50);
}

} // namespace
} // namespace quillnote
