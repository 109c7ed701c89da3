#include "FadePainter.h"
#include "RasterSurface.h"

#include <gtest/gtest.h>

namespace quillnote {
namespace {

// A square body makes the grid's two axes equally long: one grid unit is one
// pixel. The 12-pixel pen of the shapes that follow covers the first ones
// for 6 pixels, so a shape's own colour shows 6 pixels further out: the
// checks near a centre allow for that.
constexpr int Size = 256;
constexpr int PenReach = 8; // channel steps within half a pen

struct FadeRun {
    RasterSurface surface{Size, Size};
    Colour colour;
    std::int16_t code;
    bool result = false;
    FadeRun(Colour c, std::int16_t k, SystemColourLookup lookup = {})
        : surface(Size, Size, 15.0, lookup), colour(c), code(k)
    {
        result = paintFade(surface, colour, code, lookup);
    }
};

TEST(FadeLayout, ShapesCentresAndOrder)
{
    EXPECT_EQ(fadeLayout(5).shape, FadeShape::Diamond);
    EXPECT_EQ(fadeLayout(6).shape, FadeShape::Diamond);
    for (int code = 7; code <= 16; ++code)
        EXPECT_EQ(fadeLayout(code).shape, FadeShape::Circle) << code;
    EXPECT_EQ(fadeLayout(7).centreX, 128);
    EXPECT_EQ(fadeLayout(9).centreX, 0);
    EXPECT_EQ(fadeLayout(12).centreX, 256);
    EXPECT_EQ(fadeLayout(12).centreY, 0);
    EXPECT_EQ(fadeLayout(13).centreY, 256);
    EXPECT_EQ(fadeLayout(16).centreX, 256);
    EXPECT_TRUE(fadeLayout(9).fadeIn);
    EXPECT_FALSE(fadeLayout(10).fadeIn);
}

TEST(FadeColour, ChannelsRiseOrFallWithTheSize)
{
    const Rgb red{255, 0, 0};
    EXPECT_EQ(fadeColour(red, 0, true), (Rgb{0, 0, 0}));
    EXPECT_EQ(fadeColour(red, 100, true), (Rgb{100, 0, 0}));
    EXPECT_EQ(fadeColour(red, 0, false), (Rgb{255, 0, 0}));
    EXPECT_EQ(fadeColour(red, 100, false), (Rgb{155, 0, 0}));
    const Rgb grey{0x80, 0x80, 0x80};
    EXPECT_EQ(fadeColour(grey, 10, false), grey); // 245 is above every channel
    EXPECT_EQ(fadeColour(grey, 200, false), (Rgb{55, 55, 55}));
}

TEST(PaintFade, TopLeftFadeOutIsRedInTheCornerAndBlackFarAway)
{
    FadeRun run(0x0000FF, 10);
    EXPECT_TRUE(run.result);
    EXPECT_NEAR(run.surface.rgbAt(0, 0).r, 255, PenReach);
    EXPECT_EQ(run.surface.rgbAt(0, 0).g, 0);
    // Along the top edge, the colour at radius n is 255 - n (within the pen).
    const Rgb at100 = run.surface.rgbAt(100, 0);
    EXPECT_NEAR(at100.r, 155, PenReach);
    EXPECT_EQ(at100.g, 0);
    EXPECT_EQ(run.surface.rgbAt(255, 255), (Rgb{0, 0, 0}));
    EXPECT_EQ(run.surface.backColor(), 0);
}

TEST(PaintFade, TopLeftFadeInIsBlackInTheCornerAndRedBeyond)
{
    FadeRun run(0x0000FF, 9);
    EXPECT_NEAR(run.surface.rgbAt(0, 0).r, 0, PenReach);
    EXPECT_NEAR(run.surface.rgbAt(100, 0).r, 100, PenReach);
    EXPECT_EQ(run.surface.rgbAt(255, 255), (Rgb{255, 0, 0}));
}

TEST(PaintFade, CentreCirclesCoverTheWholeArea)
{
    FadeRun out(0x00FF00, 8);
    EXPECT_NEAR(out.surface.rgbAt(128, 128).g, 255, PenReach);
    // Radius 255 reaches past every corner: no back colour (black) stays,
    // but the corners are the darkest.
    EXPECT_LT(out.surface.rgbAt(0, 0).g, 100);
    FadeRun in(0x00FF00, 7);
    EXPECT_NEAR(in.surface.rgbAt(128, 128).g, 0, PenReach);
    EXPECT_GT(in.surface.rgbAt(0, 0).g, 150);
}

TEST(PaintFade, DiamondFadeOutLeavesBlackCornerTriangles)
{
    FadeRun run(0xFFFFFF, 6);
    EXPECT_GE(run.surface.rgbAt(128, 128).r, 255 - 3 * PenReach);
    EXPECT_EQ(run.surface.rgbAt(2, 2), (Rgb{0, 0, 0}));
    EXPECT_EQ(run.surface.rgbAt(253, 2), (Rgb{0, 0, 0}));
    EXPECT_EQ(run.surface.rgbAt(2, 253), (Rgb{0, 0, 0}));
    // The channels fall steadily from the centre outwards: a diamond reaching
    // x pixels from the centre has size n = 2x.
    int previous = 256;
    for (int x = 16; x <= 112; x += 16) {
        const int r = run.surface.rgbAt(128 + x, 128).r;
        EXPECT_LT(r, previous) << x;
        EXPECT_NEAR(r, 255 - 2 * x, 3 * PenReach) << x;
        previous = r;
    }
}

TEST(PaintFade, SystemColourIsResolvedAndWrittenBack)
{
    const auto lookup = [](int index) { return index == 2 ? 0x00A05010u : 0u; };
    FadeRun run(systemColour(2), 8, lookup);
    EXPECT_EQ(run.colour, 0x00A05010);
    const Rgb centre = run.surface.rgbAt(128, 128);
    EXPECT_EQ(centre, (Rgb{0x10, 0x50, 0xA0})); // every channel is below 255 - 6
    EXPECT_EQ(run.code, 8);
}

TEST(PaintFade, NoColourStopsAtOnce)
{
    RasterSurface surface(10, 10);
    Colour colour = NoColour;
    std::int16_t code = 8;
    EXPECT_FALSE(paintFade(surface, colour, code, {}));
    EXPECT_EQ(surface.clsCount(), 0);
    EXPECT_FALSE(surface.autoRedraw());
}

TEST(PaintFade, LeavesTheScaleAsItFoundItAndThePenAsItSetIt)
{
    RasterSurface surface(351, 90);
    Colour colour = 0x808080;
    std::int16_t code = 12;
    ASSERT_TRUE(paintFade(surface, colour, code, {}));
    EXPECT_EQ(surface.scaleMode(), ScaleTwips);
    EXPECT_DOUBLE_EQ(surface.scaleWidth(), 351 * 15.0);
    EXPECT_DOUBLE_EQ(surface.scaleHeight(), 90 * 15.0);
    EXPECT_EQ(surface.drawWidth(), 12);
    EXPECT_TRUE(surface.autoRedraw());
    // Top-right corner fade out: the colour at the top right, black at the
    // far bottom left beyond the largest circle.
    EXPECT_EQ(surface.rgbAt(350, 0), (Rgb{0x80, 0x80, 0x80}));
    EXPECT_EQ(surface.rgbAt(0, 89), (Rgb{0, 0, 0}));
}

// Drawing under shows a shape only where none drawn since the start has
// gone, and clearing the surface starts that again.
TEST(RasterSurfaceDrawingUnder, HidesUnderWhatIsDrawnUntilCleared)
{
    RasterSurface surface(40, 40);
    surface.setScaleMode(ScalePixels);
    surface.setDrawWidth(4);
    ASSERT_TRUE(surface.beginDrawingUnder());
    surface.fillBox(0, 0, 19, 39, Rgb{255, 0, 0});
    surface.fillBox(10, 0, 39, 39, Rgb{0, 0, 255});
    EXPECT_EQ(surface.rgbAt(15, 20), (Rgb{255, 0, 0}));
    EXPECT_EQ(surface.rgbAt(30, 20), (Rgb{0, 0, 255}));
    surface.setBackColor(0xFFFFFF);
    surface.cls();
    EXPECT_EQ(surface.rgbAt(15, 20), (Rgb{255, 255, 255}));
    surface.fillBox(10, 0, 39, 39, Rgb{0, 0, 255});
    EXPECT_EQ(surface.rgbAt(15, 20), (Rgb{0, 0, 255}));
    surface.endDrawingUnder();
    surface.fillBox(0, 0, 39, 39, Rgb{0, 255, 0});
    EXPECT_EQ(surface.rgbAt(15, 20), (Rgb{0, 255, 0}));
}

// A surface that cannot draw under: the painter draws its shapes from the
// first to the last, each over those before.
class OverOnlySurface : public RasterSurface {
public:
    using RasterSurface::RasterSurface;
    bool beginDrawingUnder() override { return false; }
};

// Drawn from the last shape to the first, each under those before, every
// fade is the picture drawn in order, pixel for pixel: at the design size,
// narrow and tall, wide enough that the rings stand apart, and tiny.
TEST(PaintFade, DrawingUnderGivesThePictureOfDrawingInOrder)
{
    const std::pair<int, int> sizes[] = {{351, 90}, {37, 211}, {4000, 24}, {1, 1}, {3, 500}};
    for (const auto& [width, height] : sizes) {
        for (std::int16_t code = 5; code <= 16; ++code) {
            RasterSurface under(width, height);
            OverOnlySurface over(width, height);
            Colour underColour = 0x00C08040, overColour = 0x00C08040;
            std::int16_t underCode = code, overCode = code;
            ASSERT_TRUE(paintFade(under, underColour, underCode, {}));
            ASSERT_TRUE(paintFade(over, overColour, overCode, {}));
            int differing = 0;
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    differing += under.pixel(x, y) != over.pixel(x, y) ? 1 : 0;
            EXPECT_EQ(differing, 0) << width << " x " << height << ", code " << code;
        }
    }
}

} // namespace
} // namespace quillnote
