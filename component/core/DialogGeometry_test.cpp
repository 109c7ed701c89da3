#include "DialogGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace quillnote {
namespace {

constexpr std::int32_t Int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Int32Min = std::numeric_limits<std::int32_t>::min();

// The worked examples assume 15 twips per pixel, a 32 x 32 pixel icon
// (480 x 480 twips), 375-twip buttons and a 1024 x 768 pixel screen; those
// are the defaults of LayoutInput.

// Information icon, one line 2000 x 195, one button, heading label 765, no
// close box.
LayoutInput informationExample()
{
    LayoutInput in;
    in.buttonCount = 1;
    in.iconIndex = 3;
    in.captionWidth = 765;
    in.textWidth = 2000;
    in.textHeight = 195;
    in.controlBox = false;
    return in;
}

// No icon, text 1000 x 195, three buttons, a short heading, no close box.
LayoutInput threeButtonExample()
{
    LayoutInput in;
    in.buttonCount = 3;
    in.iconIndex = -1;
    in.captionWidth = 600;
    in.textWidth = 1000;
    in.textHeight = 195;
    in.controlBox = false;
    return in;
}

void expectButtonsFrom(const LayoutResult& r, double firstLeft)
{
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE("MsgButton(" + std::to_string(i) + ")");
        EXPECT_DOUBLE_EQ(r.buttonLeft[i], firstLeft + 1200.0 * i);
    }
}

// ---- Owner rectangle -------------------------------------------------------

TEST(OwnerRectFromPixels, ConvertsEachEdgeWithItsOwnScale)
{
    // Window at (100, 50), 400 x 300 pixels.
    const OwnerRect r = ownerRectFromPixels(100, 50, 500, 350, 15, 15);
    EXPECT_EQ(r.left, 1500);
    EXPECT_EQ(r.top, 750);
    EXPECT_EQ(r.width, 6000);
    EXPECT_EQ(r.height, 4500);

    const OwnerRect skewed = ownerRectFromPixels(10, 10, 20, 30, 12, 20);
    EXPECT_EQ(skewed.left, 120);
    EXPECT_EQ(skewed.width, 120);
    EXPECT_EQ(skewed.top, 200);
    EXPECT_EQ(skewed.height, 400);
}

TEST(OwnerRectFromPixels, RoundsEachValueHalfToEven)
{
    // 12.5 twips per pixel: 101 * 12.5 = 1262.5 -> 1262, 103 * 12.5 = 1287.5 -> 1288.
    const OwnerRect r = ownerRectFromPixels(101, 103, 102, 104, 12.5, 12.5);
    EXPECT_EQ(r.left, 1262);
    EXPECT_EQ(r.top, 1288);
    EXPECT_EQ(r.width, 12); // 12.5 -> 12
    EXPECT_EQ(r.height, 12);
    // Sizes are rounded from the pixel difference, not from rounded edges
    // (the edges would give 1275 - 1262 = 13 above, and 75 - 38 = 37 here).
    const OwnerRect s = ownerRectFromPixels(3, 3, 6, 6, 12.5, 12.5);
    EXPECT_EQ(s.left, 38); // 37.5 -> 38
    EXPECT_EQ(s.width, 38);
}

TEST(OwnerRectFromPixels, WindowsPartlyOffScreenAndExtremeRectangles)
{
    const OwnerRect off = ownerRectFromPixels(-8, -8, 392, 292, 15, 15);
    EXPECT_EQ(off.left, -120);
    EXPECT_EQ(off.top, -120);
    EXPECT_EQ(off.width, 6000);
    EXPECT_EQ(off.height, 4500);

    const int lo = std::numeric_limits<int>::min();
    const int hi = std::numeric_limits<int>::max();
    const OwnerRect huge = ownerRectFromPixels(lo, lo, hi, hi, 15, 15);
    EXPECT_EQ(huge.left, Int32Min);
    EXPECT_EQ(huge.top, Int32Min);
    EXPECT_EQ(huge.width, Int32Max); // saturated, not wrapped
    EXPECT_EQ(huge.height, Int32Max);

    const OwnerRect inverted = ownerRectFromPixels(500, 350, 100, 50, 15, 15);
    EXPECT_EQ(inverted.width, -6000);
    EXPECT_EQ(inverted.height, -4500);
}

// ---- Worked examples -------------------------------------------------------

TEST(LayoutDialog, InformationIconOneLineOneButton)
{
    const LayoutResult r = layoutDialog(informationExample());
    EXPECT_EQ(r.textLeftEdge, 750);
    EXPECT_EQ(r.textWidth, 3005);
    EXPECT_EQ(r.buttonRowWidth, 1665);
    EXPECT_EQ(r.headingWidth, 1065);
    EXPECT_DOUBLE_EQ(r.dialogWidth, 3005);
    EXPECT_EQ(r.wholeWidth, 3005);
    EXPECT_DOUBLE_EQ(r.headingStripWidth, 3005);
    EXPECT_DOUBLE_EQ(r.backgroundWidth, 3005);
    EXPECT_DOUBLE_EQ(r.textLeft, 750);
    EXPECT_DOUBLE_EQ(r.textTop, 307.5);
    EXPECT_DOUBLE_EQ(r.buttonTop, 810);
    expectButtonsFrom(r, 955);
    EXPECT_DOUBLE_EQ(r.dialogHeight, 1755);
    EXPECT_DOUBLE_EQ(r.backgroundHeight, 1425);
    EXPECT_FALSE(r.closeBoxPlaced);
    EXPECT_FALSE(r.separatorVisible);
}

TEST(LayoutDialog, NoIconThreeButtons)
{
    const LayoutResult r = layoutDialog(threeButtonExample());
    EXPECT_EQ(r.textLeftEdge, 150);
    EXPECT_EQ(r.textWidth, 1405);
    EXPECT_EQ(r.buttonRowWidth, 4065);
    EXPECT_EQ(r.headingWidth, 900);
    EXPECT_DOUBLE_EQ(r.dialogWidth, 4065);
    EXPECT_EQ(r.wholeWidth, 4065);
    EXPECT_DOUBLE_EQ(r.textLeft, 150);
    EXPECT_DOUBLE_EQ(r.textTop, 150);
    EXPECT_DOUBLE_EQ(r.buttonTop, 525);
    expectButtonsFrom(r, 285); // 285, 1485, 2685 and the hidden fourth at 3885
    EXPECT_DOUBLE_EQ(r.dialogHeight, 1470);
    EXPECT_DOUBLE_EQ(r.backgroundHeight, 1140);
}

TEST(LayoutDialog, TextAlignment)
{
    {
        SCOPED_TRACE("centre: whole(1532.5) = 1532, then 1530, then 1500");
        LayoutInput in = threeButtonExample();
        in.textAlignment = 2;
        const LayoutResult r = layoutDialog(in);
        EXPECT_DOUBLE_EQ(r.textLeft, 1500);
        EXPECT_EQ(r.textAlignment, 2);
    }
    {
        SCOPED_TRACE("right: 4065 - 1000 - 270");
        LayoutInput in = threeButtonExample();
        in.textAlignment = 1;
        const LayoutResult r = layoutDialog(in);
        EXPECT_DOUBLE_EQ(r.textLeft, 2795);
        EXPECT_EQ(r.textAlignment, 1);
    }
    for (std::int16_t other : {std::int16_t{0}, std::int16_t{3}, std::int16_t{-1}, std::int16_t{32767}}) {
        SCOPED_TRACE("other value " + std::to_string(other) + " starts at the text edge");
        LayoutInput in = threeButtonExample();
        in.textAlignment = other;
        const LayoutResult r = layoutDialog(in);
        EXPECT_DOUBLE_EQ(r.textLeft, 150);
        EXPECT_EQ(r.textAlignment, other); // handed to the label unchanged
    }
}

TEST(LayoutDialog, AlignedTextNeverStartsLeftOfTheTextEdge)
{
    {
        SCOPED_TRACE("right: 3005 - 2000 - 270 = 735 < 750");
        LayoutInput in = informationExample();
        in.textAlignment = 1;
        EXPECT_DOUBLE_EQ(layoutDialog(in).textLeft, 750);
    }
    {
        SCOPED_TRACE("centre: 502 -> 495 -> 465 < 750");
        LayoutInput in = informationExample();
        in.textAlignment = 2;
        EXPECT_DOUBLE_EQ(layoutDialog(in).textLeft, 750);
    }
    {
        SCOPED_TRACE("right alignment only moves the text when something else is wider");
        LayoutInput in = informationExample();
        in.textAlignment = 1;
        in.textWidth = 1000; // dialog 2005 from the text: x = 2005 - 1000 - 270 = 735 -> 750
        EXPECT_DOUBLE_EQ(layoutDialog(in).textLeft, 750);
        in.captionWidth = 3000; // hw 3300 widens the dialog: x = 3300 - 1000 - 270 = 2030
        EXPECT_DOUBLE_EQ(layoutDialog(in).textLeft, 2030);
    }
}

TEST(LayoutDialog, CentredTextUsesTheRoundedWidthAndATruncatingGrid)
{
    {
        SCOPED_TRACE("odd free width rounds half to even before the grid");
        LayoutInput in = threeButtonExample();
        in.textAlignment = 2;
        in.textWidth = 1003; // (4065 - 1003) / 2 = 1531 -> 1530 -> 1500
        EXPECT_DOUBLE_EQ(layoutDialog(in).textLeft, 1500);
        in.textWidth = 975; // 1545 is on the grid -> 1515
        EXPECT_DOUBLE_EQ(layoutDialog(in).textLeft, 1515);
        in.textWidth = 970.5; // 1547.25 -> 1547 -> 1545 -> 1515
        EXPECT_DOUBLE_EQ(layoutDialog(in).textLeft, 1515);
        in.textWidth = 1036; // 1514.5 -> 1514 (not 1515) -> 1500 -> 1470
        EXPECT_DOUBLE_EQ(layoutDialog(in).textLeft, 1470);
        in.textWidth = 1006; // 1529.5 -> 1530 (not 1529) -> 1530 -> 1500
        EXPECT_DOUBLE_EQ(layoutDialog(in).textLeft, 1500);
    }
    {
        SCOPED_TRACE("the centring uses W, not the fractional width");
        LayoutInput in = threeButtonExample();
        in.textAlignment = 2;
        in.textWidth = 59999.2;
        in.screenWidth = 15360.5; // width 15120.5, W 15120
        in.iconIndex = 0;
        in.iconWidth = -40000; // tl = -39730, far left, so the centred value shows
        const LayoutResult r = layoutDialog(in);
        EXPECT_DOUBLE_EQ(r.dialogWidth, 15120.5);
        // W: (15120 - 59999.2) / 2 = -22439.6 -> -22440, on the grid -> -22470.
        // The fractional width would give -22439.35 -> -22439 -> -22425 -> -22455.
        EXPECT_DOUBLE_EQ(r.textLeft, -22470);
    }
    {
        SCOPED_TRACE("a negative x is snapped toward zero (remainder with the sign of x)");
        LayoutInput in;
        in.buttonCount = 0;
        in.iconIndex = 0;
        in.iconWidth = -1000; // tl = -730
        in.captionWidth = 0;
        in.controlBox = false;
        in.textWidth = 1000; // tw 525, dialog 525
        in.textAlignment = 2;
        const LayoutResult r = layoutDialog(in);
        EXPECT_EQ(r.textLeftEdge, -730);
        EXPECT_EQ(r.wholeWidth, 525);
        // whole(-237.5) = -238; -238 mod 15 = -13 -> -225; -255. A floored
        // remainder would give -240 and -270.
        EXPECT_DOUBLE_EQ(r.textLeft, -255);
    }
}

TEST(LayoutDialog, CloseBoxWidensTheHeading)
{
    LayoutInput in = threeButtonExample();
    in.controlBox = true;
    in.captionWidth = 3600;
    const LayoutResult r = layoutDialog(in);
    EXPECT_EQ(r.headingWidth, 4170);
    EXPECT_DOUBLE_EQ(r.dialogWidth, 4170);
    EXPECT_EQ(r.wholeWidth, 4170);
    EXPECT_TRUE(r.closeBoxPlaced);
    EXPECT_DOUBLE_EQ(r.closeBoxLeft, 3810);
    expectButtonsFrom(r, 337.5); // (4170 - 3495) / 2 keeps its half

    in.controlBox = false;
    const LayoutResult without = layoutDialog(in);
    EXPECT_EQ(without.headingWidth, 3900);
    EXPECT_DOUBLE_EQ(without.dialogWidth, 4065); // the button row wins now
    EXPECT_FALSE(without.closeBoxPlaced);
}

TEST(LayoutDialog, HeadingWidthRoundsHalfToEven)
{
    LayoutInput in = threeButtonExample();
    in.captionWidth = 4000.5; // 4300.5 -> 4300
    in.controlBox = false;
    EXPECT_EQ(layoutDialog(in).headingWidth, 4300);
    in.captionWidth = 4001.5; // 4301.5 -> 4302
    EXPECT_EQ(layoutDialog(in).headingWidth, 4302);
    in.controlBox = true;
    EXPECT_EQ(layoutDialog(in).headingWidth, 4572);
}

TEST(LayoutDialog, TextWiderThanTheScreenStopsAtTheScreenMargin)
{
    LayoutInput in = threeButtonExample();
    in.textWidth = 20000;
    in.textAlignment = 1;
    const LayoutResult r = layoutDialog(in);
    EXPECT_EQ(r.textWidth, 20405);
    EXPECT_DOUBLE_EQ(r.dialogWidth, 15120);
    EXPECT_EQ(r.wholeWidth, 15120);
    EXPECT_DOUBLE_EQ(r.textLeft, 150); // right alignment would start far left
    expectButtonsFrom(r, 5812.5);
    EXPECT_DOUBLE_EQ(r.dialogLeft, 120);
}

TEST(LayoutDialog, FractionalScreenCapKeepsItsFractionExceptInW)
{
    LayoutInput in = threeButtonExample();
    in.textWidth = 20000;
    in.screenWidth = 15360.5;
    in.controlBox = true;
    in.headingType = 1;
    const LayoutResult r = layoutDialog(in);
    EXPECT_DOUBLE_EQ(r.dialogWidth, 15120.5);
    EXPECT_EQ(r.wholeWidth, 15120); // half to even
    EXPECT_DOUBLE_EQ(r.headingStripWidth, 15120);
    EXPECT_DOUBLE_EQ(r.backgroundWidth, 15120);
    EXPECT_DOUBLE_EQ(r.separatorX2, 15120);
    EXPECT_DOUBLE_EQ(r.closeBoxLeft, 14760.5);
    EXPECT_DOUBLE_EQ(r.buttonLeft[0], 5812.75);
    EXPECT_DOUBLE_EQ(r.dialogLeft, 120);
}

TEST(LayoutDialog, VerticalPlacementBesideTheIcon)
{
    {
        SCOPED_TRACE("three lines are higher than the icon: placed as without one");
        LayoutInput in = informationExample();
        in.textHeight = 585;
        const LayoutResult r = layoutDialog(in);
        EXPECT_DOUBLE_EQ(r.textTop, 150);
        EXPECT_DOUBLE_EQ(r.buttonTop, 915);
        EXPECT_DOUBLE_EQ(r.textLeft, 750);
        EXPECT_DOUBLE_EQ(r.dialogHeight, 1860);
    }
    {
        SCOPED_TRACE("text exactly as high as the icon");
        LayoutInput in = informationExample();
        in.textHeight = 480;
        const LayoutResult r = layoutDialog(in);
        EXPECT_DOUBLE_EQ(r.textTop, 150);
        EXPECT_DOUBLE_EQ(r.buttonTop, 810);
    }
    {
        SCOPED_TRACE("text a little lower than the icon: centred, buttons below the icon");
        LayoutInput in = informationExample();
        in.textHeight = 479.5;
        const LayoutResult r = layoutDialog(in);
        EXPECT_DOUBLE_EQ(r.textTop, 165.25);
        EXPECT_DOUBLE_EQ(r.buttonTop, 810);
    }
    {
        SCOPED_TRACE("button top without icon is rounded half to even");
        LayoutInput in = threeButtonExample();
        in.textHeight = 194.5; // 524.5 -> 524
        EXPECT_DOUBLE_EQ(layoutDialog(in).buttonTop, 524);
        in.textHeight = 195.5; // 525.5 -> 526
        EXPECT_DOUBLE_EQ(layoutDialog(in).buttonTop, 526);
    }
    {
        SCOPED_TRACE("a larger system icon moves text edge and buttons");
        LayoutInput in = informationExample();
        in.iconWidth = 720;
        in.iconHeight = 720;
        const LayoutResult r = layoutDialog(in);
        EXPECT_EQ(r.textLeftEdge, 990);
        EXPECT_DOUBLE_EQ(r.textTop, 427.5);
        EXPECT_DOUBLE_EQ(r.buttonTop, 1050);
    }
}

TEST(LayoutDialog, HeightFollowsTheButtonHeightAndBodyTop)
{
    LayoutInput in = informationExample();
    in.buttonHeight = 400.5;
    in.backgroundTop = 300;
    const LayoutResult r = layoutDialog(in);
    EXPECT_DOUBLE_EQ(r.dialogHeight, 1780.5);
    EXPECT_DOUBLE_EQ(r.backgroundHeight, 1480.5);
}

// ---- Position on the screen -------------------------------------------------

TEST(LayoutDialog, StartUpPositionCentresOnTheActiveWindow)
{
    LayoutInput in = informationExample();
    in.startUpPosition = 1;
    in.owner = ownerRectFromPixels(100, 50, 500, 350, 15, 15);
    const LayoutResult r = layoutDialog(in);
    EXPECT_DOUBLE_EQ(r.dialogLeft, 2997.5);
    EXPECT_DOUBLE_EQ(r.dialogTop, 2122.5);

    SCOPED_TRACE("not clamped to the screen");
    in.owner = ownerRectFromPixels(-50, -20, 50, 20, 15, 15);
    const LayoutResult off = layoutDialog(in);
    EXPECT_DOUBLE_EQ(off.dialogLeft, -750 + (1500 - 3005) / 2.0);
    EXPECT_DOUBLE_EQ(off.dialogTop, -300 + (600 - 1755) / 2.0);
}

TEST(LayoutDialog, StartUpPositionCentresOnTheScreen)
{
    LayoutInput in = informationExample();
    in.startUpPosition = 2;
    const LayoutResult r = layoutDialog(in);
    EXPECT_DOUBLE_EQ(r.dialogLeft, 6177.5);
    EXPECT_DOUBLE_EQ(r.dialogTop, 4882.5);
}

TEST(LayoutDialog, StartUpPositionManualTakesTopAndLeft)
{
    LayoutInput in = informationExample();
    in.startUpPosition = 0;
    in.top = 1234;
    in.left = -500;
    in.owner = ownerRectFromPixels(100, 50, 500, 350, 15, 15); // ignored
    const LayoutResult r = layoutDialog(in);
    EXPECT_DOUBLE_EQ(r.dialogTop, 1234);
    EXPECT_DOUBLE_EQ(r.dialogLeft, -500);
}

TEST(LayoutDialog, OtherStartUpPositionsKeepTheCurrentPosition)
{
    for (std::int16_t position : {std::int16_t{3}, std::int16_t{-1}, std::int16_t{-32768}}) {
        SCOPED_TRACE("StartUpPosition " + std::to_string(position));
        LayoutInput in = informationExample();
        in.startUpPosition = position;
        in.top = 1;
        in.left = 2;
        in.currentTop = 987.5;
        in.currentLeft = 654;
        const LayoutResult r = layoutDialog(in);
        EXPECT_DOUBLE_EQ(r.dialogTop, 987.5);
        EXPECT_DOUBLE_EQ(r.dialogLeft, 654);
    }
}

// ---- Heading lines, close box, no buttons -----------------------------------

TEST(LayoutDialog, HeadingLinesOnlyForHeadingTypeOne)
{
    LayoutInput in = informationExample();
    in.headingType = 1;
    const LayoutResult lined = layoutDialog(in);
    EXPECT_TRUE(lined.separatorVisible);
    EXPECT_DOUBLE_EQ(lined.separatorX2, 3005);

    for (std::int16_t type : {std::int16_t{0}, std::int16_t{2}, std::int16_t{-1}}) {
        SCOPED_TRACE("HeadingType " + std::to_string(type));
        in.headingType = type;
        EXPECT_FALSE(layoutDialog(in).separatorVisible);
    }
}

TEST(LayoutDialog, CloseBoxSitsNearTheRightEdge)
{
    LayoutInput in = informationExample();
    in.controlBox = true;
    const LayoutResult r = layoutDialog(in);
    EXPECT_EQ(r.headingWidth, 1335);
    EXPECT_DOUBLE_EQ(r.dialogWidth, 3005);
    EXPECT_TRUE(r.closeBoxPlaced);
    EXPECT_DOUBLE_EQ(r.closeBoxLeft, 2645);
}

TEST(LayoutDialog, NoButtonsStillReservesTheRow)
{
    LayoutInput in;
    in.buttonCount = 0;
    in.iconIndex = -1;
    in.captionWidth = 0;
    in.controlBox = false;
    in.textWidth = 0;
    in.textHeight = 195;
    const LayoutResult r = layoutDialog(in);
    EXPECT_EQ(r.buttonRowWidth, 465);
    EXPECT_EQ(r.textWidth, 405);
    EXPECT_EQ(r.headingWidth, 300);
    EXPECT_DOUBLE_EQ(r.dialogWidth, 465);
    expectButtonsFrom(r, 285); // (465 - (-105)) / 2
    EXPECT_DOUBLE_EQ(r.buttonTop, 525);
    EXPECT_DOUBLE_EQ(r.dialogHeight, 1470);
}

TEST(LayoutDialog, ButtonRowWidthForEachCount)
{
    const std::int32_t expected[] = {465, 1665, 2865, 4065};
    for (int n = 0; n <= 3; ++n) {
        SCOPED_TRACE("n = " + std::to_string(n));
        LayoutInput in;
        in.buttonCount = n;
        const LayoutResult r = layoutDialog(in);
        EXPECT_EQ(r.buttonCount, n);
        EXPECT_EQ(r.buttonRowWidth, expected[n]);
    }
}

// Captions that need more than the design's width widen every button, the
// row, its gaps kept, and the dialog with it.
TEST(LayoutDialog, WiderButtonsWidenTheRowAndKeepTheirGaps)
{
    EXPECT_DOUBLE_EQ(buttonWidthFor(0), 1095) << "no caption";
    EXPECT_DOUBLE_EQ(buttonWidthFor(855), 1095) << "a caption that just fits";
    EXPECT_DOUBLE_EQ(buttonWidthFor(855.5), 1096) << "a caption that does not: rounded up to whole twips";
    EXPECT_DOUBLE_EQ(buttonWidthFor(2000), 2240);

    LayoutInput in;
    in.buttonCount = 3;
    in.buttonWidth = 2240;
    const LayoutResult r = layoutDialog(in);
    EXPECT_EQ(r.buttonRowWidth, 3 * 2240 + 2 * 105 + 570);
    EXPECT_DOUBLE_EQ(r.buttonWidth, 2240);
    EXPECT_DOUBLE_EQ(r.dialogWidth, r.buttonRowWidth) << "the row is the widest part";
    for (int i = 1; i < 4; ++i)
        EXPECT_DOUBLE_EQ(r.buttonLeft[i] - r.buttonLeft[i - 1], 2240 + 105);
    EXPECT_DOUBLE_EQ(r.buttonLeft[0], 570 / 2.0) << "centred, with half the margin on each side";

    // The design's width gives the layout of version 1.0 to the twip.
    LayoutInput design;
    design.buttonCount = 3;
    const LayoutResult d = layoutDialog(design);
    EXPECT_DOUBLE_EQ(d.buttonWidth, 1095);
    EXPECT_EQ(d.buttonRowWidth, 4065);
}

// A check box stands under the text at its left edge; the buttons move down
// by its height and a gap, and a check box wider than the text widens the
// dialog. Under a height cap it stays between the text area and the buttons.
TEST(LayoutDialog, ACheckBoxStandsBetweenTheTextAndTheButtons)
{
    LayoutInput plain;
    plain.buttonCount = 2;
    plain.iconIndex = 1;
    const LayoutResult without = layoutDialog(plain);

    LayoutInput in = plain;
    in.checkBoxWidth = 1500;
    in.checkBoxHeight = 195;
    const LayoutResult with = layoutDialog(in);
    EXPECT_DOUBLE_EQ(with.checkBoxLeft, without.textLeftEdge);
    EXPECT_DOUBLE_EQ(with.checkBoxTop, without.buttonTop);
    EXPECT_DOUBLE_EQ(with.buttonTop, without.buttonTop + 195 + 180);
    EXPECT_DOUBLE_EQ(with.dialogHeight, without.dialogHeight + 195 + 180);
    EXPECT_DOUBLE_EQ(with.textTop, without.textTop);
    EXPECT_DOUBLE_EQ(with.dialogWidth, without.dialogWidth) << "a check box narrower than the dialog";
    EXPECT_DOUBLE_EQ(without.checkBoxLeft, 0);
    EXPECT_DOUBLE_EQ(without.checkBoxTop, 0);

    in.checkBoxWidth = 9000;
    const LayoutResult wide = layoutDialog(in);
    EXPECT_DOUBLE_EQ(wide.dialogWidth, 9000 + wide.textLeftEdge + 255);

    in.checkBoxWidth = 1500;
    in.textHeight = 195 * 500;
    in.maxDialogHeight = 8000;
    const LayoutResult capped = layoutDialog(in);
    EXPECT_TRUE(capped.textScrolls);
    EXPECT_LE(capped.dialogHeight, 8000);
    EXPECT_DOUBLE_EQ(capped.checkBoxTop, capped.buttonTop - 195 - 180);
    EXPECT_GE(capped.checkBoxTop, capped.textTop + capped.textViewHeight) << "the check box over the text area";
}

// With a named owner window, positions 1 and 2 keep the dialog inside the
// work area of the owner's monitor: 1 centres on the owner and moves in, 2
// centres in the area; a dialog larger than the area stands at its corner.
TEST(LayoutDialog, ANamedOwnerKeepsTheDialogInItsMonitorsWorkArea)
{
    LayoutInput in;
    in.keepInWorkArea = true;
    in.workArea = OwnerRect{0, 15360, 15360, 11000}; // a second monitor right of the first
    const LayoutResult measure = layoutDialog(in);
    const double w = measure.dialogWidth, h = measure.dialogHeight;

    in.startUpPosition = 2;
    LayoutResult r = layoutDialog(in);
    EXPECT_DOUBLE_EQ(r.dialogLeft, 15360 + (15360 - w) / 2);
    EXPECT_DOUBLE_EQ(r.dialogTop, (11000 - h) / 2);

    in.startUpPosition = 1;
    in.owner = OwnerRect{5000, 15360 + 6000, 3000, 2000}; // well inside
    r = layoutDialog(in);
    EXPECT_DOUBLE_EQ(r.dialogLeft, 15360 + 6000 + (3000 - w) / 2);
    EXPECT_DOUBLE_EQ(r.dialogTop, 5000 + (2000 - h) / 2);
    in.owner = OwnerRect{-500, 15360 - 1000, 600, 400}; // straddling the monitors' edge, above the top
    r = layoutDialog(in);
    EXPECT_DOUBLE_EQ(r.dialogLeft, 15360);
    EXPECT_DOUBLE_EQ(r.dialogTop, 0);
    in.owner = OwnerRect{20000, 40000, 100, 100}; // beyond the area's far corner
    r = layoutDialog(in);
    EXPECT_DOUBLE_EQ(r.dialogLeft, 15360 + 15360 - w);
    EXPECT_DOUBLE_EQ(r.dialogTop, 11000 - h);

    in.workArea = OwnerRect{100, 200, 10, 10}; // smaller than the dialog
    r = layoutDialog(in);
    EXPECT_DOUBLE_EQ(r.dialogLeft, 200);
    EXPECT_DOUBLE_EQ(r.dialogTop, 100);

    in.startUpPosition = 0; // a manual place stays where the caller put it
    in.left = 99999;
    EXPECT_DOUBLE_EQ(layoutDialog(in).dialogLeft, 99999);
}

TEST(LayoutDialog, WidestOfTextButtonsAndHeading)
{
    struct Case {
        const char* name;
        double text;
        double caption;
        int n;
        double width;
    };
    const Case cases[] = {
        {"text widest", 3000, 100, 1, 3405},       {"buttons widest", 100, 100, 2, 2865},
        {"heading widest", 100, 3000, 1, 3570},    {"text ties buttons", 1260, 100, 1, 1665},
        {"heading ties text", 1000, 835, 0, 1405},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LayoutInput in;
        in.textWidth = c.text;
        in.captionWidth = c.caption;
        in.buttonCount = c.n;
        in.controlBox = true;
        EXPECT_DOUBLE_EQ(layoutDialog(in).dialogWidth, c.width);
    }
}

// ---- Inputs no screen produces ----------------------------------------------

TEST(LayoutDialog, ButtonCountIsClampedToZeroToThree)
{
    struct Case {
        int given;
        int used;
        std::int32_t bw;
    };
    const Case cases[] = {
        {4, 3, 4065},
        {1000, 3, 4065},
        {std::numeric_limits<int>::max(), 3, 4065},
        {-1, 0, 465},
        {std::numeric_limits<int>::min(), 0, 465},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("n = " + std::to_string(c.given));
        LayoutInput in;
        in.buttonCount = c.given;
        const LayoutResult r = layoutDialog(in);
        EXPECT_EQ(r.buttonCount, c.used);
        EXPECT_EQ(r.buttonRowWidth, c.bw);
    }
}

TEST(LayoutDialog, NegativeSizesGoThroughTheSameFormulas)
{
    LayoutInput in;
    in.buttonCount = 1;
    in.iconIndex = 0;
    in.iconWidth = -480;
    in.iconHeight = -480;
    in.captionWidth = -2000;
    in.textWidth = -5000;
    in.textHeight = -100;
    in.controlBox = false;
    in.buttonHeight = -375;
    const LayoutResult r = layoutDialog(in);
    EXPECT_EQ(r.textLeftEdge, -210);
    EXPECT_EQ(r.textWidth, -4955);
    EXPECT_EQ(r.headingWidth, -1700);
    EXPECT_DOUBLE_EQ(r.dialogWidth, 1665); // the button row
    EXPECT_DOUBLE_EQ(r.textLeft, -210);
    // -100 is not lower than -480, so the text takes the top inset.
    EXPECT_DOUBLE_EQ(r.textTop, 150);
    EXPECT_DOUBLE_EQ(r.buttonTop, 230);
    EXPECT_DOUBLE_EQ(r.dialogHeight, 425);
    EXPECT_DOUBLE_EQ(r.backgroundHeight, 95);

    SCOPED_TRACE("a negative screen forces a negative width");
    in.screenWidth = -1000;
    const LayoutResult tiny = layoutDialog(in);
    EXPECT_DOUBLE_EQ(tiny.dialogWidth, -1240);
    EXPECT_EQ(tiny.wholeWidth, -1240);
}

TEST(LayoutDialog, HugeSizesSaturateInsteadOfOverflowing)
{
    {
        SCOPED_TRACE("icon as wide and high as a 32-bit value allows");
        LayoutInput in = informationExample();
        in.iconIndex = 0;
        in.iconWidth = Int32Max;
        in.iconHeight = Int32Max;
        in.textAlignment = 2;
        const LayoutResult r = layoutDialog(in);
        EXPECT_EQ(r.textLeftEdge, Int32Max);
        EXPECT_EQ(r.textWidth, Int32Max);
        EXPECT_DOUBLE_EQ(r.dialogWidth, 15120);
        EXPECT_DOUBLE_EQ(r.textLeft, Int32Max);
        EXPECT_DOUBLE_EQ(r.buttonTop, Int32Max);
        EXPECT_DOUBLE_EQ(r.textTop, (Int32Max - 195.0) / 2 + 165);
        EXPECT_DOUBLE_EQ(r.dialogHeight, Int32Max + 945.0);
    }
    {
        SCOPED_TRACE("most negative icon");
        LayoutInput in = informationExample();
        in.iconWidth = Int32Min;
        in.iconHeight = Int32Min;
        const LayoutResult r = layoutDialog(in);
        EXPECT_EQ(r.textLeftEdge, Int32Min + 270);
        EXPECT_DOUBLE_EQ(r.textTop, 150);
    }
    {
        SCOPED_TRACE("label and heading measures beyond 32 bits");
        LayoutInput in = threeButtonExample();
        in.textWidth = 1e300;
        in.textHeight = 1e300;
        in.captionWidth = 1e300;
        in.controlBox = true;
        in.textAlignment = 1;
        in.screenWidth = 1e300;
        const LayoutResult r = layoutDialog(in);
        EXPECT_EQ(r.headingWidth, Int32Max);
        EXPECT_EQ(r.textWidth, Int32Max);
        EXPECT_DOUBLE_EQ(r.dialogWidth, Int32Max); // ties between tw and hw keep the value
        EXPECT_EQ(r.wholeWidth, Int32Max);
        EXPECT_DOUBLE_EQ(r.textLeft, 150); // right alignment goes far negative and is clamped
        EXPECT_DOUBLE_EQ(r.buttonTop, Int32Max);
    }
    {
        SCOPED_TRACE("centring with the most negative rounded value");
        LayoutInput in = threeButtonExample();
        in.textWidth = 1e300; // tw saturates, the screen caps the width
        in.textAlignment = 2;
        in.iconIndex = 0;
        in.iconWidth = Int32Min; // tl near the bottom of the range
        const LayoutResult r = layoutDialog(in);
        EXPECT_EQ(r.wholeWidth, 15120);
        // whole(-5e299) saturates to the most negative value; the grid and
        // offset step below it in 64 bits; the text edge is larger.
        EXPECT_DOUBLE_EQ(r.textLeft, static_cast<double>(Int32Min) + 270);
    }
}

TEST(LayoutDialog, NotANumberMeasuresRoundToZero)
{
    LayoutInput in = threeButtonExample();
    in.textWidth = std::nan("");
    in.textHeight = std::nan("");
    in.captionWidth = std::nan("");
    const LayoutResult r = layoutDialog(in);
    EXPECT_EQ(r.textWidth, 0);
    EXPECT_EQ(r.headingWidth, 0);
    EXPECT_DOUBLE_EQ(r.dialogWidth, 4065);
    EXPECT_DOUBLE_EQ(r.buttonTop, 0);
    EXPECT_DOUBLE_EQ(r.dialogHeight, 945);
}

// ---- Height cap ------------------------------------------------------------

void expectSameLayout(const LayoutResult& a, const LayoutResult& b)
{
    EXPECT_EQ(a.buttonCount, b.buttonCount);
    EXPECT_EQ(a.headingWidth, b.headingWidth);
    EXPECT_EQ(a.buttonRowWidth, b.buttonRowWidth);
    EXPECT_EQ(a.textLeftEdge, b.textLeftEdge);
    EXPECT_EQ(a.textWidth, b.textWidth);
    EXPECT_DOUBLE_EQ(a.dialogWidth, b.dialogWidth);
    EXPECT_EQ(a.wholeWidth, b.wholeWidth);
    EXPECT_DOUBLE_EQ(a.textLeft, b.textLeft);
    EXPECT_DOUBLE_EQ(a.textTop, b.textTop);
    EXPECT_DOUBLE_EQ(a.buttonTop, b.buttonTop);
    for (int i = 0; i < 4; ++i)
        EXPECT_DOUBLE_EQ(a.buttonLeft[i], b.buttonLeft[i]);
    EXPECT_DOUBLE_EQ(a.dialogHeight, b.dialogHeight);
    EXPECT_DOUBLE_EQ(a.backgroundHeight, b.backgroundHeight);
    EXPECT_DOUBLE_EQ(a.dialogTop, b.dialogTop);
    EXPECT_DOUBLE_EQ(a.dialogLeft, b.dialogLeft);
    EXPECT_DOUBLE_EQ(a.closeBoxLeft, b.closeBoxLeft);
    EXPECT_EQ(a.textScrolls, b.textScrolls);
    EXPECT_DOUBLE_EQ(a.textViewHeight, b.textViewHeight);
    EXPECT_EQ(a.textScrollsAcross, b.textScrollsAcross);
    EXPECT_DOUBLE_EQ(a.textViewWidth, b.textViewWidth);
}

void expectRect(const BodyRect& r, double left, double top, double width, double height)
{
    EXPECT_DOUBLE_EQ(r.left, left);
    EXPECT_DOUBLE_EQ(r.top, top);
    EXPECT_DOUBLE_EQ(r.width, width);
    EXPECT_DOUBLE_EQ(r.height, height);
}

TEST(LayoutDialog, WithoutACapNothingScrolls)
{
    const LayoutResult r = layoutDialog(threeButtonExample());
    EXPECT_FALSE(r.textScrolls);
    EXPECT_DOUBLE_EQ(r.textViewHeight, 0);
}

TEST(LayoutDialog, TextThatFitsUnderTheCapKeepsTheSameLayout)
{
    for (const LayoutInput& base : {informationExample(), threeButtonExample()}) {
        LayoutInput capped = base;
        capped.maxDialogHeight = 10170;
        expectSameLayout(layoutDialog(capped), layoutDialog(base));
        // A dialog exactly as tall as the cap still fits.
        capped.maxDialogHeight = layoutDialog(base).dialogHeight;
        expectSameLayout(layoutDialog(capped), layoutDialog(base));
    }
}

TEST(LayoutDialog, TenThousandLinesAreCappedAndScroll)
{
    LayoutInput in = threeButtonExample();
    in.textHeight = 10000 * 195.0;
    in.maxDialogHeight = 10170; // a 738-pixel work area less 60 pixels
    const LayoutResult r = layoutDialog(in);
    EXPECT_TRUE(r.textScrolls);
    EXPECT_DOUBLE_EQ(r.dialogHeight, 10170);
    EXPECT_DOUBLE_EQ(r.textTop, 150);
    EXPECT_DOUBLE_EQ(r.textViewHeight, 8895);
    EXPECT_DOUBLE_EQ(r.buttonTop, 9225); // below the text area, inside the dialog
    EXPECT_LE(r.buttonTop + in.buttonHeight, r.dialogHeight);
    EXPECT_GE(r.buttonTop, r.textTop + r.textViewHeight);
    EXPECT_DOUBLE_EQ(r.backgroundHeight, 10170 - 330);
    EXPECT_DOUBLE_EQ(r.dialogTop, (11520 - 10170) / 2.0); // centred with the capped height
    expectButtonsFrom(r, 285);
}

TEST(LayoutDialog, CappedHeightCentresOnTheOwnerAndKeepsAManualPlace)
{
    LayoutInput in = threeButtonExample();
    in.textHeight = 10000 * 195.0;
    in.maxDialogHeight = 10170;
    in.startUpPosition = 1;
    in.owner = {1000, 2000, 6000, 4000};
    EXPECT_DOUBLE_EQ(layoutDialog(in).dialogTop, 1000 + (4000 - 10170) / 2.0);
    in.startUpPosition = 0;
    in.top = 1234;
    EXPECT_DOUBLE_EQ(layoutDialog(in).dialogTop, 1234);
}

TEST(LayoutDialog, FractionalCapRoundsTheButtonRowDown)
{
    LayoutInput in = informationExample();
    in.textHeight = 20000;
    in.maxDialogHeight = 5000.5;
    const LayoutResult r = layoutDialog(in);
    EXPECT_TRUE(r.textScrolls);
    EXPECT_DOUBLE_EQ(r.buttonTop, 4055);
    EXPECT_DOUBLE_EQ(r.dialogHeight, 5000);
    EXPECT_DOUBLE_EQ(r.textViewHeight, 4055 - 180 - 150);
}

// ---- Lines wider than the screen ---------------------------------------------

TEST(LayoutDialog, ALineWiderThanTheScreenScrollsAcrossWithABarUnderIt)
{
    LayoutInput in = threeButtonExample();
    in.textWidth = 30000;
    const LayoutResult r = layoutDialog(in);
    EXPECT_DOUBLE_EQ(r.dialogWidth, 15360 - 240);
    EXPECT_TRUE(r.textScrollsAcross);
    EXPECT_FALSE(r.textScrolls);
    EXPECT_DOUBLE_EQ(r.textLeft, 150);
    EXPECT_DOUBLE_EQ(r.textViewWidth, 15120 - 150 - 255); // the text's right margin stays clear
    expectRect(r.horizontalBar, 150, 150 + 195, 15120 - 150 - 255, 255);
    EXPECT_DOUBLE_EQ(r.buttonTop, 150 + 195 + 255 + 180); // the buttons go below the bar
    EXPECT_DOUBLE_EQ(r.dialogHeight, 780 + 375 + 570);
    expectRect(r.verticalBar, 0, 0, 0, 0);
}

TEST(LayoutDialog, RightAndCentredWideTextStartsAtTheTextEdgeAndScrolls)
{
    for (const std::int16_t alignment : {std::int16_t{1}, std::int16_t{2}}) {
        LayoutInput in = threeButtonExample();
        in.textWidth = 30000;
        in.textAlignment = alignment;
        const LayoutResult r = layoutDialog(in);
        EXPECT_DOUBLE_EQ(r.textLeft, 150) << alignment;
        EXPECT_TRUE(r.textScrollsAcross) << alignment;
    }
}

TEST(LayoutDialog, AWideLineBesideTheIconKeepsTheButtonsBelowBoth)
{
    LayoutInput in = informationExample();
    in.textWidth = 30000;
    const LayoutResult r = layoutDialog(in);
    EXPECT_TRUE(r.textScrollsAcross);
    EXPECT_DOUBLE_EQ(r.textLeft, 750);
    EXPECT_DOUBLE_EQ(r.textTop, 307.5); // still centred on the icon
    EXPECT_DOUBLE_EQ(r.horizontalBar.top, 307.5 + 195);
    EXPECT_DOUBLE_EQ(r.buttonTop, 938); // 307.5 + 195 + 255 + 180, halves to even
    EXPECT_GE(r.buttonTop, r.horizontalBar.top + r.horizontalBar.height);
    EXPECT_GE(r.buttonTop, 480 + 180 + 150); // and below the icon
}

TEST(LayoutDialog, TextThatScrollsBothWaysKeepsItsAreaClearOfTheVerticalBar)
{
    LayoutInput in = threeButtonExample();
    in.textWidth = 30000;
    in.textHeight = 10000 * 195.0;
    in.maxDialogHeight = 10170;
    LayoutResult r = layoutDialog(in);
    EXPECT_TRUE(r.textScrolls);
    EXPECT_TRUE(r.textScrollsAcross);
    EXPECT_DOUBLE_EQ(r.textViewHeight, 9225 - 180 - 255 - 150);
    EXPECT_DOUBLE_EQ(r.buttonTop, 9225);
    EXPECT_DOUBLE_EQ(r.dialogHeight, 10170);
    // The vertical bar stands inside the 45-twip frame at the right.
    expectRect(r.verticalBar, 15120 - 90 - 255, 150, 255, 8640);
    expectRect(r.horizontalBar, 150, 150 + 8640, 15120 - 90 - 255 - 150, 255);
    EXPECT_LE(r.textLeft + r.textViewWidth, r.verticalBar.left);

    in.scrollBarWidth = 300;
    r = layoutDialog(in);
    EXPECT_DOUBLE_EQ(r.textViewWidth, 15120 - 90 - 300 - 150);
}

TEST(LayoutDialog, ATallTextOfOrdinaryWidthGetsOnlyTheVerticalBar)
{
    LayoutInput in = threeButtonExample();
    in.textHeight = 10000 * 195.0;
    in.maxDialogHeight = 10170;
    const LayoutResult r = layoutDialog(in);
    EXPECT_FALSE(r.textScrollsAcross);
    EXPECT_DOUBLE_EQ(r.textViewWidth, 0);
    expectRect(r.verticalBar, 4065 - 90 - 255, 150, 255, 8895); // beside the text area only
    expectRect(r.horizontalBar, 0, 0, 0, 0);
}

TEST(LayoutDialog, ATallTextMakesRoomForItsScrollBar)
{
    // Wide enough to set the dialog's width: the dialog grows by the bar.
    LayoutInput in = threeButtonExample();
    in.textWidth = 5000;
    in.textHeight = 10000 * 195.0;
    in.maxDialogHeight = 10170;
    LayoutResult r = layoutDialog(in);
    EXPECT_EQ(r.wholeWidth, 150 + 5000 + 255 + 255);
    EXPECT_FALSE(r.textScrollsAcross);
    EXPECT_LE(r.textLeft + in.textWidth, r.verticalBar.left);

    // Right-aligned text moves left of the bar instead of under it.
    in.textWidth = 2000;
    in.textAlignment = 1;
    r = layoutDialog(in);
    EXPECT_EQ(r.wholeWidth, 4065); // the buttons set the width
    EXPECT_DOUBLE_EQ(r.textLeft, 4065 - 255 - 2000 - 270);
    EXPECT_LE(r.textLeft + in.textWidth, r.verticalBar.left);

    // Centred text is centred beside the bar.
    in.textAlignment = 2;
    r = layoutDialog(in);
    EXPECT_LE(r.textLeft + in.textWidth, r.verticalBar.left);
    EXPECT_LT(r.textLeft, (4065 - 2000) / 2.0);
}

TEST(LayoutDialog, TinyCapKeepsAFewLinesInView)
{
    LayoutInput in = threeButtonExample();
    in.textHeight = 20000;
    in.maxDialogHeight = 100;
    const LayoutResult r = layoutDialog(in);
    EXPECT_TRUE(r.textScrolls);
    EXPECT_DOUBLE_EQ(r.textViewHeight, 600);
    EXPECT_DOUBLE_EQ(r.buttonTop, 930);
}

} // namespace
} // namespace quillnote
