#include "DpiScaling.h"

#include <gtest/gtest.h>

namespace quillnote {
namespace {

TEST(DpiScaling, TwipsPerPixelAtTheUsualResolutions)
{
    EXPECT_DOUBLE_EQ(twipsPerPixelAt(96), 15.0);
    EXPECT_DOUBLE_EQ(twipsPerPixelAt(120), 12.0);
    EXPECT_DOUBLE_EQ(twipsPerPixelAt(144), 10.0);
    EXPECT_DOUBLE_EQ(twipsPerPixelAt(192), 7.5);
}

TEST(DpiScaling, ResolutionsNoWindowSystemReportsAreTakenAsTheDesign)
{
    EXPECT_EQ(usableDpi(0), 96);
    EXPECT_EQ(usableDpi(-144), 96);
    EXPECT_EQ(usableDpi(9601), 96);
    EXPECT_EQ(usableDpi(9600), 9600);
    EXPECT_EQ(usableDpi(72), 72);
    EXPECT_DOUBLE_EQ(twipsPerPixelAt(0), 15.0);
}

TEST(DpiScaling, PixelSizesGrowInProportion)
{
    struct Case {
        int pixels, dpi, expected;
    };
    const Case cases[] = {{14, 96, 14}, {14, 120, 18}, {14, 144, 21}, {14, 192, 28}, {4, 144, 6},     {4, 120, 5},
                          {1, 144, 2},  {1, 48, 1},    {0, 144, 0},   {14, 0, 14},   {-14, 144, -21}, {32, 168, 56}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pixels << " at " << c.dpi);
        EXPECT_EQ(scaledPixels(c.pixels, c.dpi), c.expected);
    }
}

} // namespace
} // namespace quillnote
