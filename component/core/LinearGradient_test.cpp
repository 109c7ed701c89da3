#include "LinearGradient.h"
#include "RasterSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace quillnote {
namespace {

constexpr std::uint32_t White = 0xFFFFFF;

TEST(LinearGradientBands, LeftToRightAcrossTheDialogWidth)
{
    const GradientPlan plan = linearGradientBands(5265, 330, White, Direction::LeftToRight, false, true);
    ASSERT_EQ(plan.bands.size(), 85u);
    EXPECT_FALSE(plan.overflowed);
    for (int i = 1; i <= 85; ++i) {
        SCOPED_TRACE(i);
        const GradientBand& band = plan.bands[i - 1];
        EXPECT_EQ(band.x1, 62 * (i - 1));
        EXPECT_EQ(band.x2, 62 * i);
        EXPECT_EQ(band.y1, 0);
        EXPECT_EQ(band.y2, 330);
    }
    EXPECT_EQ(plan.bands.back().x2, 5270);
}

TEST(LinearGradientBands, BottomToTopStretchesTheLastBandToTheEdge)
{
    const GradientPlan plan = linearGradientBands(5265, 1350, White, Direction::BottomToTop, false, true);
    ASSERT_EQ(plan.bands.size(), 85u);
    EXPECT_EQ(plan.bands[0].y1, 1334);
    EXPECT_EQ(plan.bands[0].y2, 1350);
    EXPECT_EQ(plan.bands[83].y1, 6);
    EXPECT_EQ(plan.bands[83].y2, 22);
    EXPECT_EQ(plan.bands[84].y1, 0);
    EXPECT_EQ(plan.bands[84].y2, 6);
    EXPECT_EQ(plan.bands[0].x2, 5265);
}

TEST(LinearGradientBands, RightToLeftAndTopToBottom)
{
    const GradientPlan rtl = linearGradientBands(850, 100, White, Direction::RightToLeft, false, true);
    EXPECT_EQ(rtl.bands[0].x1, 840);
    EXPECT_EQ(rtl.bands[0].x2, 850);
    EXPECT_EQ(rtl.bands[84].x1, 0);
    EXPECT_EQ(rtl.bands[84].x2, 10);
    const GradientPlan ttb = linearGradientBands(100, 1700, White, Direction::TopToBottom, false, true);
    EXPECT_EQ(ttb.bands[0].y1, 0);
    EXPECT_EQ(ttb.bands[0].y2, 20);
    EXPECT_EQ(ttb.bands[84].y2, 1700);
}

TEST(LinearGradientBands, DirectionsOutsideOneToFourPaintTopToBottom)
{
    for (int direction : {0, 9, -1, 5}) {
        SCOPED_TRACE(direction);
        const GradientPlan plan = linearGradientBands(1000, 850, White, direction, false, true);
        EXPECT_EQ(plan.bands[0].y1, 0);
        EXPECT_EQ(plan.bands[0].y2, 10);
        EXPECT_EQ(plan.bands[0].x2, 1000);
    }
}

TEST(LinearGradientBands, DarkeningByThreeEveryBand)
{
    const GradientPlan white = linearGradientBands(850, 850, White, 1, false, true);
    for (int i = 1; i <= 85; ++i)
        EXPECT_EQ(white.bands[i - 1].colour.r, 255 - 3 * (i - 1)) << i;
    EXPECT_EQ(white.bands[84].colour, (Rgb{3, 3, 3}));

    const GradientPlan black = linearGradientBands(850, 850, 0, 1, false, true);
    for (const auto& band : black.bands)
        EXPECT_EQ(composeRgb(band.colour), 0u);

    // Channels stop at 0 on their own.
    const GradientPlan red = linearGradientBands(850, 850, 0x000030, 1, false, true); // r = 48
    EXPECT_EQ(red.bands[15].colour.r, 3);
    EXPECT_EQ(red.bands[16].colour.r, 0);
    EXPECT_EQ(red.bands[40].colour.r, 0);
}

TEST(LinearGradientBands, FastLighteningSteps)
{
    const GradientPlan plan = linearGradientBands(850, 330, 0x000000, 3, true, true);
    // +3 after every even band below 30, then after every band from 30 on.
    int expected = 0;
    for (int i = 1; i <= 85; ++i) {
        EXPECT_EQ(plan.bands[i - 1].colour.g, expected) << i;
        if ((i < 30 && i % 2 == 0) || i >= 30)
            expected += 3;
    }
    EXPECT_EQ(plan.bands[84].colour.b, 207);
    // A white heading stays white: channels above 255 count as 255.
    const GradientPlan white = linearGradientBands(850, 330, White, 3, true, true);
    for (const auto& band : white.bands)
        EXPECT_EQ(composeRgb(band.colour), White);
}

TEST(LinearGradientBands, SlowLighteningSteps)
{
    const GradientPlan plan = linearGradientBands(850, 330, 0x102030, 3, true, false);
    EXPECT_EQ(plan.bands[0].colour, (Rgb{0x30, 0x20, 0x10}));
    EXPECT_EQ(plan.bands[3].colour.r, 0x30 + 3);
    EXPECT_EQ(plan.bands[2].colour.r, 0x30);
    EXPECT_EQ(plan.bands[84].colour.r, 0x30 + 84);
}

TEST(LinearGradientBands, SixteenBitOverflowStopsTheBands)
{
    EXPECT_TRUE(linearGradientBands(40000, 330, White, 3, false, true).overflowed);
    EXPECT_TRUE(linearGradientBands(330, 40000, White, 3, false, true).overflowed); // across the bands
    EXPECT_TRUE(linearGradientBands(330, 40000, White, 3, false, true).bands.empty());
    // At the limit itself the bands still fit: 32767 / 85 rounds to 385.
    const GradientPlan atLimit = linearGradientBands(32767, 330, White, 3, false, true);
    EXPECT_FALSE(atLimit.overflowed);
    ASSERT_EQ(atLimit.bands.size(), 85u);
    EXPECT_EQ(atLimit.bands.back().x2, 32725);
}

TEST(PaintLinearGradient, NoColourLeavesTheSurfaceAlone)
{
    RasterSurface surface(20, 10);
    surface.setBackColor(0x00FF00);
    paintLinearGradient(surface, NoColour, 1, false, true, {});
    EXPECT_EQ(surface.clsCount(), 0);
    EXPECT_FALSE(surface.autoRedraw());
    EXPECT_EQ(surface.pixel(5, 5), 0xFFFFFFu);
}

TEST(PaintLinearGradient, SystemColourResolvesAndTheBodyDarkensDownwards)
{
    const auto lookup = [](int index) { return index == 15 ? 0xC0C0C0u : 0u; };
    RasterSurface surface(351, 90, 15.0, lookup); // the design-size body
    surface.setBackColor(systemColour(15));
    paintLinearGradient(surface, systemColour(15), Direction::TopToBottom, false, true, lookup);
    EXPECT_TRUE(surface.autoRedraw());
    EXPECT_EQ(surface.rgbAt(100, 0), (Rgb{0xC0, 0xC0, 0xC0}));
    const Rgb middle = surface.rgbAt(100, 45);
    const Rgb bottom = surface.rgbAt(100, 89);
    EXPECT_LT(middle.r, 0xC0);
    EXPECT_LT(bottom.r, middle.r);
}

TEST(PaintLinearGradient, BandsShortOfTheSizeKeepTheBackColour)
{
    // 1050 twips (70 pixels) / 85 rounds to 12: the bands end at 1020
    // twips (68 pixels), and the last pixel column keeps the colour that Cls
    // left.
    RasterSurface surface(70, 10);
    surface.setBackColor(0x0000FF);
    paintLinearGradient(surface, 0xFFFFFF, Direction::LeftToRight, false, true, {});
    EXPECT_EQ(surface.rgbAt(0, 5), (Rgb{255, 255, 255}));
    EXPECT_EQ(surface.rgbAt(68, 5), (Rgb{3, 3, 3}));
    EXPECT_EQ(surface.rgbAt(69, 5), (Rgb{255, 0, 0}));
}

TEST(PaintLinearGradient, BandsReachingTheFarEdgeLeaveNoColumnBehind)
{
    // The same surface with the last band taken to the far edge: the column
    // that kept the back colour now has the last band's colour.
    RasterSurface surface(70, 10);
    surface.setBackColor(0x0000FF);
    paintLinearGradient(surface, 0xFFFFFF, Direction::LeftToRight, false, true, {}, BandReach::FarEdge);
    EXPECT_EQ(surface.rgbAt(0, 5), (Rgb{255, 255, 255}));
    EXPECT_EQ(surface.rgbAt(68, 5), (Rgb{3, 3, 3}));
    EXPECT_EQ(surface.rgbAt(69, 5), (Rgb{3, 3, 3}));
}

TEST(LinearGradientBands, FarEdgeReachChangesOnlyTheLastForwardBand)
{
    struct Case {
        double width, height;
        int direction;
    };
    // Widths of heading strips at 96, 120, 144 and 192 DPI, whose steps fall
    // short of, meet or pass the far edge; and the other directions.
    const Case cases[] = {{5295, 330, 3},   {5270, 330, 3}, {5265, 330, 3}, {4236, 396, 3}, {5280, 330, 3},
                          {3517.5, 330, 3}, {330, 1050, 1}, {5295, 330, 4}, {330, 1050, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " direction " << c.direction);
        const GradientPlan steps = linearGradientBands(c.width, c.height, White, c.direction, true, true);
        const GradientPlan reach =
            linearGradientBands(c.width, c.height, White, c.direction, true, true, BandReach::FarEdge);
        ASSERT_EQ(steps.bands.size(), 85u);
        ASSERT_EQ(reach.bands.size(), 85u);
        for (size_t i = 0; i + 1 < 85; ++i) {
            EXPECT_EQ(reach.bands[i].x1, steps.bands[i].x1);
            EXPECT_EQ(reach.bands[i].x2, steps.bands[i].x2);
            EXPECT_EQ(reach.bands[i].y1, steps.bands[i].y1);
            EXPECT_EQ(reach.bands[i].y2, steps.bands[i].y2);
        }
        const bool vertical = c.direction <= 2;
        const auto start = [&](const GradientBand& b) { return vertical ? b.y1 : b.x1; };
        const auto end = [&](const GradientBand& b) { return vertical ? b.y2 : b.x2; };
        int lowest = 32767, highest = 0, highestStep = 0;
        for (size_t i = 0; i < 85; ++i) {
            lowest = std::min(lowest, start(reach.bands[i]));
            highest = std::max(highest, end(reach.bands[i]));
            highestStep = std::max(highestStep, end(steps.bands[i]));
        }
        // Together the bands cover the whole length, and never less than the
        // steps did.
        const int extent = static_cast<int>(std::lround(vertical ? c.height : c.width));
        EXPECT_EQ(lowest, 0);
        EXPECT_GE(highest, extent);
        EXPECT_GE(highest, highestStep);
        const GradientBand& last = reach.bands.back();
        const GradientBand& lastStep = steps.bands.back();
        EXPECT_EQ(last.colour.r, lastStep.colour.r);
    }
}

} // namespace
} // namespace quillnote
