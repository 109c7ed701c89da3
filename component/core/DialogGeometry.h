#pragma once
// Layout of the message dialog: its width from the heading, the message and
// the button row, the message beside the optional icon, the row of buttons,
// the height and the position on the screen. All values are twips.
//
// The layout is one pure function of the sizes that the labels report after
// their captions are set, so that the dialog code only copies the results
// into its controls (in the order the fields are listed) and the arithmetic
// can be tested without a window.
//
// Values the dialog stores as whole numbers are rounded to the nearest
// integer with halves to the even neighbour (quillnote::whole); everything
// else keeps its fraction, because the controls take fractional twips.
//
// Inputs outside what a screen can produce still give defined results:
// - a button count outside 0..3 is clamped to 0..3 (the dialog has four
//   buttons and a button set never names more than three);
// - whole numbers that would not fit in 32 bits saturate at the 32-bit limits
//   instead of overflowing; sums are formed in 64-bit or floating point;
// - negative or not-a-number sizes are not corrected: they go through the
//   same formulas (a NaN measure turns into 0 where it is rounded).

#include <cstdint>
#include <limits>

namespace quillnote {

// The active window's rectangle in twips, for centring on it.
struct OwnerRect {
    double top = 0, left = 0, width = 0, height = 0;
};

// Converts the active window's rectangle in pixels, each value rounded to a
// whole number of twips (top, left, width, height).
OwnerRect ownerRectFromPixels(int left, int top, int right, int bottom, double twipsPerPixelX, double twipsPerPixelY);

// Where the message icon stands in the body (twips from its top left).
namespace IconPlace {
constexpr int Left = 120;
constexpr int Top = 180;
} // namespace IconPlace

struct LayoutInput {
    int buttonCount = 1;                            // n, 0..3 (clamped)
    int iconIndex = -1;                             // negative: no icon
    std::int32_t iconWidth = 480, iconHeight = 480; // twips
    double captionWidth = 765;                      // TopCaption.Width after its caption is set
    double textWidth = 1005, textHeight = 195;      // MsgText.Width/Height after its caption is set
    bool controlBox = true;
    std::int16_t headingType = 0, textAlignment = 0, startUpPosition = 2;
    std::int32_t top = 0, left = 0; // the Top and Left properties (manual position)
    OwnerRect owner;                // used when startUpPosition == 1
    // With an owner window the caller named: the work area of the owner's
    // monitor. Positions 1 and 2 then keep the dialog inside it, 2 centring
    // it there (a dialog larger than the area stands at its top left).
    bool keepInWorkArea = false;
    OwnerRect workArea;
    double screenWidth = 15360, screenHeight = 11520; // twips
    double buttonHeight = 375;                        // MsgButton(0).Height
    // Every shown button's width: the design's, or wider for captions that
    // need it (see buttonWidthFor).
    double buttonWidth = 1095;
    // A check box under the message (its box and caption); none when its
    // width is 0.
    double checkBoxWidth = 0, checkBoxHeight = 0;
    double backgroundTop = 330;             // Background.Top
    double currentTop = 0, currentLeft = 0; // dialog position kept for any other StartUpPosition value
    // The tallest the dialog may be (the work area of its monitor less a
    // margin); a taller message scrolls inside a shorter text area.
    double maxDialogHeight = std::numeric_limits<double>::infinity();
    // The system's scroll bars: the width of a vertical one and the height
    // of a horizontal one, for a text that scrolls.
    double scrollBarWidth = 255, scrollBarHeight = 255;
};

// A rectangle of the body, in twips.
struct BodyRect {
    double left = 0, top = 0, width = 0, height = 0;
};

struct LayoutResult {
    int buttonCount = 0;              // n after clamping to 0..3
    std::int32_t headingWidth = 0;    // hw
    std::int32_t buttonRowWidth = 0;  // bw
    std::int32_t textLeftEdge = 0;    // tl
    std::int32_t textWidth = 0;       // tw
    double dialogWidth = 0;           // the dialog's Width (before rounding)
    std::int32_t wholeWidth = 0;      // W: whole(dialog Width)
    bool separatorVisible = false;    // HLine(0..2).Visible
    double separatorX2 = 0;           // HLine(0..2).X2; set only when visible, else 0 and not to be written
    double headingStripWidth = 0;     // TopHeading.Width
    double backgroundWidth = 0;       // Background.Width
    double textLeft = 0, textTop = 0; // MsgText.Left, MsgText.Top
    std::int16_t textAlignment = 0;   // MsgText.Alignment
    double buttonTop = 0;             // bt, MsgButton(0..3).Top
    double buttonLeft[4] = {};        // MsgButton(0..3).Left, hidden buttons included
    double buttonWidth = 0;           // MsgButton(0..3).Width
    // The check box's place: under the text, at the text's left edge, with
    // the buttons below it; 0 when there is none.
    double checkBoxLeft = 0, checkBoxTop = 0;
    double dialogHeight = 0;     // the dialog's Height
    double backgroundHeight = 0; // Background.Height
    double dialogTop = 0, dialogLeft = 0;
    bool closeBoxPlaced = false; // only when the close box is shown
    double closeBoxLeft = 0;     // ControlBoxUp.Left; 0 when not placed
    // Set when the message is taller than the capped dialog allows: the text
    // is shown through an area of textViewHeight below textTop and scrolls,
    // and the text is placed with room for the scroll bar on its right.
    bool textScrolls = false;
    double textViewHeight = 0; // the visible height of the text; 0 when it does not scroll
    BodyRect verticalBar;      // beside the text area, at the body's visible right edge; set when textScrolls
    // Set when a line of the message is wider than the widest dialog: the
    // text is shown through an area of textViewWidth right of textLeft and
    // scrolls across, with a scroll bar under the area.
    bool textScrollsAcross = false;
    double textViewWidth = 0; // the visible width of the text; 0 when it does not scroll across
    BodyRect horizontalBar;   // under the text area; set when textScrollsAcross
};

LayoutResult layoutDialog(const LayoutInput& in);

// The width every button takes for captions whose widest is `widestCaption`
// twips: the design's 1095, or the caption with room on both sides when it
// needs more.
double buttonWidthFor(double widestCaption);

} // namespace quillnote
