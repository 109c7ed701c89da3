#include "DialogGeometry.h"

#include "PropertyDefaults.h"
#include "Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace quillnote {

namespace {

// Fixed measures of the dialog (twips). The design of the form sets the
// button size, the heading height and the icon's place; these leave room
// for them.
constexpr double HeadingPadding = 300; // around the heading text
constexpr int CloseBoxAllowance = 270; // heading room for the close box
constexpr int ButtonWidth = 1095;
constexpr int ButtonGap = 105;
constexpr double CaptionRoom = 240;     // beside a caption that widens its button, on both sides in all
constexpr int OuterMargin = 570;        // beside the button row and below it
constexpr int TextInset = 150;          // text edge without icon; gaps around the icon
constexpr double TextRightMargin = 255; // right of the text, for the dialog width
constexpr double ScreenMargin = 240;    // the dialog is at most this much narrower than the screen
constexpr double RightAlignMargin = 270;
constexpr int CentreGrid = 15;
constexpr int CentreOffset = 30;
constexpr int IconLeft = IconPlace::Left;
constexpr int IconTop = IconPlace::Top; // also the gap between text and buttons
constexpr double IconTextLift = 15;     // text centred on the icon sits this much higher
constexpr double CloseBoxFromRight = 360;
constexpr double MinTextViewHeight = 600; // a scrolling text keeps a few lines in view
// The body is as wide as the dialog, whose frame covers 45 twips of it on
// each side: its visible right edge is this far inside its width.
constexpr double FrameAllowance = 90;
constexpr double CheckBoxGap = IconPlace::Top; // under the check box, before the buttons

constexpr std::int16_t AlignRight = TextAlign::Right;
constexpr std::int16_t AlignCentre = TextAlign::Centre;

constexpr std::int16_t PositionManual = StartUp::Manual;
constexpr std::int16_t PositionOwner = StartUp::CenterOfForm;
constexpr std::int16_t PositionScreen = StartUp::CenterOfScreen;

constexpr std::int16_t HeadingWithLines = Heading::Etched;

// Whole numbers of the layout are 32-bit; a sum that would leave that range
// stops at its limit instead of overflowing.
std::int32_t saturate(std::int64_t v)
{
    constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(v, lo, hi));
}

int clampButtonCount(int n) { return std::clamp(n, 0, 3); }

bool hasIcon(const LayoutInput& in) { return in.iconIndex >= 0; }

bool hasCheckBox(const LayoutInput& in) { return in.checkBoxWidth > 0; }

// The height the check box takes between the text and the buttons.
double checkBoxRow(const LayoutInput& in) { return hasCheckBox(in) ? in.checkBoxHeight + CheckBoxGap : 0; }

// hw: the heading text with some padding, and room for the close box.
std::int32_t headingWidth(double captionWidth, bool controlBox)
{
    const std::int64_t hw = whole(captionWidth + HeadingPadding);
    return saturate(hw + (controlBox ? CloseBoxAllowance : 0));
}

// bw: n buttons with their gaps plus the margin. With no button the gap
// term goes negative, giving 465 for the design's button width.
std::int32_t buttonRowWidth(int n, double buttonWidth)
{
    return saturate(whole(buttonWidth * n + OuterMargin + ButtonGap * (n - 1)));
}

// tl: the text starts right of the icon, or at the inset without one.
std::int32_t textLeftEdge(const LayoutInput& in)
{
    if (!hasIcon(in))
        return TextInset;
    return saturate(std::int64_t{in.iconWidth} + IconLeft + TextInset);
}

// The widest of text, button row and heading, compared in this order, and
// never wider than the screen allows.
double dialogWidth(std::int32_t tw, std::int32_t bw, std::int32_t hw, double screenWidth)
{
    double width;
    if (bw < tw && hw < tw)
        width = tw;
    else if (hw < bw)
        width = bw;
    else
        width = hw;
    if (screenWidth - ScreenMargin < width)
        width = screenWidth - ScreenMargin;
    return width;
}

// Left edge of centred text: half the free width, snapped down in magnitude
// to the 15-twip grid (C++ % keeps the sign of x, as the dialog's Mod does),
// then moved 30 twips left.
std::int64_t centredTextLeft(std::int32_t W, double textWidth)
{
    std::int64_t x = whole((W - textWidth) / 2);
    x -= x % CentreGrid;
    return x - CentreOffset;
}

std::int64_t alignedTextLeft(const LayoutInput& in, double width, std::int32_t W, std::int32_t tl)
{
    switch (in.textAlignment) {
    case AlignRight:
        return whole(width - in.textWidth - RightAlignMargin);
    case AlignCentre:
        return centredTextLeft(W, in.textWidth);
    default:
        return tl;
    }
}

// The height of the scroll bar under a text that scrolls across, else 0.
double acrossBarHeight(const LayoutInput& in, const LayoutResult& out)
{
    return out.textScrollsAcross ? in.scrollBarHeight : 0;
}

// A text wider than the dialog may be (its width was capped) is shown
// through the dialog's width less its margin, and scrolls across.
void limitTextWidth(LayoutResult& out)
{
    if (!(out.textWidth > out.dialogWidth))
        return;
    out.textScrollsAcross = true;
    out.textViewWidth = std::max(0.0, out.wholeWidth - out.textLeft - TextRightMargin);
}

// Text lower than the icon is centred on it and the buttons go below the
// icon; otherwise the text starts at the inset and the buttons follow it,
// below the horizontal scroll bar when there is one.
void placeTextVertically(const LayoutInput& in, LayoutResult& out)
{
    const double bar = acrossBarHeight(in, out);
    if (hasIcon(in) && in.textHeight < in.iconHeight) {
        out.textTop = (in.iconHeight - in.textHeight) / 2 + IconTop - IconTextLift;
        out.buttonTop = saturate(std::int64_t{in.iconHeight} + IconTop + TextInset);
        if (bar > 0)
            out.buttonTop =
                std::max(out.buttonTop, static_cast<double>(whole(out.textTop + in.textHeight + bar + IconTop)));
    } else {
        out.textTop = TextInset;
        out.buttonTop = whole(out.textTop + in.textHeight + bar + IconTop);
    }
}

// The row (without its margin) is centred in the dialog; the hidden buttons
// get places too so that every button has a defined position.
void placeButtons(double width, std::int32_t bw, double buttonWidth, LayoutResult& out)
{
    const double row = static_cast<double>(bw) - OuterMargin;
    out.buttonLeft[0] = (width - row) / 2;
    for (int i = 1; i < 4; ++i)
        out.buttonLeft[i] = out.buttonLeft[i - 1] + buttonWidth + ButtonGap;
    out.buttonWidth = buttonWidth;
}

// A dialog taller than the cap keeps its heading and its button row and
// shortens the text area, which then scrolls; the buttons move up with its
// lower edge, snapped down to a whole twip so the dialog stays within the cap.
void capHeight(const LayoutInput& in, LayoutResult& out)
{
    if (!(out.dialogHeight > in.maxDialogHeight))
        return;
    const double bar = acrossBarHeight(in, out);
    const double lowestButtonTop = std::floor(in.maxDialogHeight - in.buttonHeight - OuterMargin);
    const double row = checkBoxRow(in);
    const double view = std::max(MinTextViewHeight, lowestButtonTop - IconTop - bar - row - out.textTop);
    out.textScrolls = true;
    out.textViewHeight = view;
    out.buttonTop = whole(out.textTop + view + bar + IconTop + row);
    if (hasCheckBox(in))
        out.checkBoxTop = out.buttonTop - row;
    out.dialogHeight = out.buttonTop + in.buttonHeight + OuterMargin;
}

// The scroll bars stand beside and under the text area only: the vertical
// one at the body's visible right edge, the horizontal one under the
// visible text.
// A text that scrolls both ways keeps its area clear of the vertical bar.
void placeScrollBars(const LayoutInput& in, LayoutResult& out)
{
    if (out.textScrolls) {
        out.verticalBar = {out.wholeWidth - FrameAllowance - in.scrollBarWidth, out.textTop, in.scrollBarWidth,
                           out.textViewHeight};
        if (out.textScrollsAcross) {
            const double clear = out.verticalBar.left - out.textLeft;
            out.textViewWidth = std::max(0.0, std::min(out.textViewWidth, clear));
        }
    }
    if (out.textScrollsAcross) {
        const double height = out.textScrolls ? out.textViewHeight : in.textHeight;
        out.horizontalBar = {out.textLeft, out.textTop + height, out.textViewWidth, in.scrollBarHeight};
    }
}

// Moves a position along one axis so that a span of `size` starting there
// lies inside [start, start + length]; at `start` when it cannot.
double insideSpan(double position, double size, double start, double length)
{
    return std::max(start, std::min(position, start + length - size));
}

void keepInside(const OwnerRect& area, LayoutResult& out)
{
    out.dialogLeft = insideSpan(out.dialogLeft, out.dialogWidth, area.left, area.width);
    out.dialogTop = insideSpan(out.dialogTop, out.dialogHeight, area.top, area.height);
}

void placeOnScreen(const LayoutInput& in, LayoutResult& out)
{
    switch (in.startUpPosition) {
    case PositionManual:
        out.dialogTop = in.top;
        out.dialogLeft = in.left;
        break;
    case PositionOwner:
        // Not clamped for the active window: the dialog may stand partly
        // off the screen. A named owner keeps it on the owner's monitor.
        out.dialogTop = in.owner.top + (in.owner.height - out.dialogHeight) / 2;
        out.dialogLeft = in.owner.left + (in.owner.width - out.dialogWidth) / 2;
        if (in.keepInWorkArea)
            keepInside(in.workArea, out);
        break;
    case PositionScreen:
        if (in.keepInWorkArea) {
            out.dialogTop = in.workArea.top + (in.workArea.height - out.dialogHeight) / 2;
            out.dialogLeft = in.workArea.left + (in.workArea.width - out.dialogWidth) / 2;
            keepInside(in.workArea, out);
            break;
        }
        out.dialogTop = (in.screenHeight - out.dialogHeight) / 2;
        out.dialogLeft = (in.screenWidth - out.dialogWidth) / 2;
        break;
    default: // any other value leaves the dialog where it is
        out.dialogTop = in.currentTop;
        out.dialogLeft = in.currentLeft;
        break;
    }
}

} // namespace

OwnerRect ownerRectFromPixels(int left, int top, int right, int bottom, double twipsPerPixelX, double twipsPerPixelY)
{
    // Differences in double: two ints cannot overflow there.
    OwnerRect rect;
    rect.top = whole(top * twipsPerPixelY);
    rect.left = whole(left * twipsPerPixelX);
    rect.width = whole((static_cast<double>(right) - left) * twipsPerPixelX);
    rect.height = whole((static_cast<double>(bottom) - top) * twipsPerPixelY);
    return rect;
}

namespace {

// One pass of the layout. `reserve` is room kept right of the text for a
// vertical scroll bar: the text is placed as if the dialog were that much
// narrower.
LayoutResult layoutPass(const LayoutInput& in, double reserve)
{
    LayoutResult out;
    out.buttonCount = clampButtonCount(in.buttonCount);
    out.headingWidth = headingWidth(in.captionWidth, in.controlBox);
    out.buttonRowWidth = buttonRowWidth(out.buttonCount, in.buttonWidth);
    out.textLeftEdge = textLeftEdge(in);
    out.textWidth = whole(in.textWidth + out.textLeftEdge + TextRightMargin + reserve);
    // A check box as wide as the text would make the dialog as wide.
    const std::int32_t widthByText =
        hasCheckBox(in)
            ? std::max(out.textWidth, saturate(whole(in.checkBoxWidth + out.textLeftEdge + TextRightMargin)))
            : out.textWidth;

    out.dialogWidth = dialogWidth(widthByText, out.buttonRowWidth, out.headingWidth, in.screenWidth);
    out.wholeWidth = whole(out.dialogWidth);

    out.headingStripWidth = out.wholeWidth;
    out.separatorVisible = in.headingType == HeadingWithLines;
    out.separatorX2 = out.separatorVisible ? out.wholeWidth : 0;
    out.backgroundWidth = out.wholeWidth;

    // Right or centred text never starts left of the text edge.
    const std::int64_t x =
        alignedTextLeft(in, out.dialogWidth - reserve, saturate(whole(out.wholeWidth - reserve)), out.textLeftEdge);
    out.textLeft = static_cast<double>(std::max<std::int64_t>(x, out.textLeftEdge));

    limitTextWidth(out);
    placeTextVertically(in, out);
    if (hasCheckBox(in)) {
        out.checkBoxLeft = out.textLeftEdge;
        out.checkBoxTop = out.buttonTop;
        out.buttonTop += whole(checkBoxRow(in));
    }
    out.textAlignment = in.textAlignment;

    placeButtons(out.dialogWidth, out.buttonRowWidth, in.buttonWidth, out);

    out.dialogHeight = out.buttonTop + in.buttonHeight + OuterMargin;
    capHeight(in, out);
    placeScrollBars(in, out);
    out.backgroundHeight = out.dialogHeight - in.backgroundTop;

    placeOnScreen(in, out);

    out.closeBoxPlaced = in.controlBox;
    out.closeBoxLeft = in.controlBox ? out.dialogWidth - CloseBoxFromRight : 0;
    return out;
}

} // namespace

// A text that scrolls down is laid out again with room for its scroll bar,
// so that the bar never stands over the text.
LayoutResult layoutDialog(const LayoutInput& in)
{
    const LayoutResult out = layoutPass(in, 0);
    if (!out.textScrolls)
        return out;
    return layoutPass(in, std::max(0.0, in.scrollBarWidth));
}

double buttonWidthFor(double widestCaption)
{
    const double needed = widestCaption + CaptionRoom;
    return needed > ButtonWidth ? std::ceil(needed) : ButtonWidth;
}

} // namespace quillnote
