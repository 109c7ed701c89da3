#include "Rounding.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>

namespace quillnote {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEven(2.5), 2.0);
    EXPECT_EQ(roundHalfEven(3.5), 4.0);
    EXPECT_EQ(roundHalfEven(0.5), 0.0);
    EXPECT_EQ(roundHalfEven(-0.5), 0.0);
    EXPECT_EQ(roundHalfEven(-1.5), -2.0);
    EXPECT_EQ(roundHalfEven(-2.5), -2.0);
    EXPECT_EQ(roundHalfEven(1532.5), 1532.0);
    EXPECT_EQ(roundHalfEven(2997.5), 2998.0);
}

TEST(Rounding, OtherFractionsGoToTheNearest)
{
    EXPECT_EQ(roundHalfEven(2.4999), 2.0);
    EXPECT_EQ(roundHalfEven(2.5001), 3.0);
    EXPECT_EQ(roundHalfEven(-2.6), -3.0);
    EXPECT_EQ(roundHalfEven(7.0), 7.0);
}

TEST(Rounding, DoesNotDependOnTheRoundingMode)
{
    const int saved = std::fegetround();
    std::fesetround(FE_UPWARD);
    EXPECT_EQ(roundHalfEven(2.5), 2.0);
    EXPECT_EQ(roundHalfEven(-3.5), -4.0);
    std::fesetround(saved);
}

TEST(Rounding, SixteenBitConversionReportsOverflow)
{
    EXPECT_EQ(toInt16(32767.0), 32767);
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_FALSE(toInt16(32767.5).has_value()); // rounds to 32768
    EXPECT_EQ(toInt16(-32768.5), -32768);       // half to even stays in range
    EXPECT_FALSE(toInt16(-32769.0).has_value());
    EXPECT_FALSE(toInt16(std::nan("")).has_value());
    EXPECT_FALSE(toInt16(std::numeric_limits<double>::infinity()).has_value());
}

TEST(Rounding, ThirtyTwoBitConversionReportsOverflow)
{
    EXPECT_EQ(toInt32(-2147483648.0), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(toInt32(2147483647.0), std::numeric_limits<std::int32_t>::max());
    EXPECT_FALSE(toInt32(2147483648.0).has_value());
    EXPECT_FALSE(toInt32(-2147483649.0).has_value());
    EXPECT_EQ(toInt32(2.5), 2);
}

TEST(Rounding, WholeSaturatesInsteadOfWrapping)
{
    EXPECT_EQ(whole(480.0), 480);
    EXPECT_EQ(whole(1e12), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(whole(-1e12), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(whole(std::nan("")), 0);
}

TEST(Rounding, PixelFloorAndCeilingAreExactInRangeAndSaturateOutside)
{
    const double values[] = {0.0,       -0.0,        0.5,     -0.5,   1.0,          -1.0,          2.999999,
                             -2.000001, 175.5 - 0.5, -1e-300, 1e-300, 2147483646.5, -2147483647.5, 123456.75};
    for (double v : values) {
        EXPECT_EQ(floorToInt(v), static_cast<int>(std::floor(v))) << v;
        EXPECT_EQ(ceilToInt(v), static_cast<int>(std::ceil(v))) << v;
    }
    constexpr int Lowest = std::numeric_limits<int>::min(), Highest = std::numeric_limits<int>::max();
    EXPECT_EQ(floorToInt(1e12), Highest);
    EXPECT_EQ(ceilToInt(-1e12), Lowest);
    EXPECT_EQ(ceilToInt(std::numeric_limits<double>::infinity()), Highest);
    EXPECT_EQ(floorToInt(-std::numeric_limits<double>::infinity()), Lowest);
    EXPECT_EQ(floorToInt(std::nan("")), Lowest);
    EXPECT_EQ(ceilToInt(std::nan("")), Lowest);
}

} // namespace
} // namespace quillnote
