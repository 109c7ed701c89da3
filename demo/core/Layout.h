#pragma once
// The demonstration window as designed: every control with its kind, caption
// or initial text, position and size in twips, and place in the tab order.
// The Win32 side creates the controls from this table; the native tests
// check it for overlaps, containment and the tab order.

#include <array>
#include <string_view>
#include <vector>

namespace quillnote::demo {

constexpr std::u16string_view WindowCaption = u" Quillnote Demonstration";
constexpr int ClientWidth = 6750;  // twips
constexpr int ClientHeight = 6405; // twips

enum class Control : int {
    // Directly on the window.
    MessageLabel,
    Message,
    TitleLabel,
    Title,
    IconFrame,
    ButtonFrame,
    DefaultFrame,
    AppearanceFrame,
    PresentationFrame,
    BehaviorFrame,
    ShowButton,
    ResetButton,
    ExitButton,
    // "Icon Selection", "Button Selection", "Default Button".
    IconOption0,
    IconOption1,
    IconOption2,
    IconOption3,
    IconOption4,
    ButtonOption0,
    ButtonOption1,
    ButtonOption2,
    ButtonOption3,
    ButtonOption4,
    ButtonOption5,
    DefaultOption0,
    DefaultOption1,
    DefaultOption2,
    // "Appearance Properties".
    BackColorHeadingLabel,
    BackColorHeading,
    ColorTab0,
    DownArrow0,
    ForeColorHeadingLabel,
    ForeColorHeading,
    ColorTab3,
    DownArrow3,
    BackColorBodyLabel,
    BackColorBody,
    ColorTab1,
    DownArrow1,
    ForeColorBodyLabel,
    ForeColorBody,
    ColorTab4,
    DownArrow4,
    BackColorButtonsLabel,
    BackColorButtons,
    ColorTab2,
    DownArrow2,
    HeadingTypeLabel,
    HeadingType,
    TypeUpDown,
    TypeDesc,
    TextAlignmentLabel,
    TextAlignment,
    AlignUpDown,
    AlignDesc,
    SolidColorHeading,
    pControlBox,
    GradientPaint,
    GradientDirectionLabel,
    GradientDirection,
    DirectionUpDown,
    DirectionDesc,
    // "Presentation Properties".
    KeepOnTop,
    SoundBeep,
    StartUpPositionLabel,
    SPosition,
    PositionUpDown,
    PositionDesc,
    LeftLabel,
    LeftPos,
    LeftUpDown,
    TopLabel,
    TopPos,
    TopUpDown,
    // "Behavior Properties".
    pMoveable,
    Modal,
    TimerSecondsLabel,
    TimerSeconds,
    Count,
    // Not a control: the container of the controls placed on the window.
    Window = Count,
};

constexpr int ControlCount = static_cast<int>(Control::Count);

enum class ControlKind {
    Label,
    TextBox,
    Frame,
    CommandButton,
    OptionButton,
    CheckBox,
    ColourSwatch, // a label with a single flat border that shows a colour
    ArrowButton,  // a graphical command button with the down-arrow picture
    ValueBox,     // a label with a single flat border and centred text
    UpDown,
};

// Options of a control, beyond its kind.
namespace ControlOption {
constexpr unsigned MultiLine = 1u << 0;
constexpr unsigned VerticalScrollBar = 1u << 1;
constexpr unsigned RightAligned = 1u << 2; // at rest, as designed
constexpr unsigned NoTabStop = 1u << 3;
constexpr unsigned DefaultButton = 1u << 4;
} // namespace ControlOption

constexpr int NoTabIndex = -1;

struct ControlRow {
    Control control;
    ControlKind kind;
    Control container; // Control::Window or a frame
    std::u16string_view caption;
    int left, top, width, height; // twips, relative to the container
    int tabIndex;                 // NoTabIndex for labels and frames
    unsigned options;

    bool has(unsigned option) const { return (options & option) != 0; }
};

struct TwipsRect {
    int left, top, width, height;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
};

// All controls, in the order of the enumeration.
const std::array<ControlRow, ControlCount>& controlTable();
const ControlRow& rowOf(Control control);

// The control's rectangle in the window's client area, in twips.
TwipsRect clientRectOf(Control control);

// The controls that take the focus, in tab order.
std::vector<Control> tabOrder();

// The option buttons of the frame that holds `option`, in index order: the
// group of which exactly one is selected.
std::vector<Control> optionGroupOf(Control option);

// The five colour fields, by the index that ties a text box to its swatch
// ColorTab(i) and its arrow button DownArrow(i).
struct ColourField {
    Control textBox;
    Control swatch;
    Control arrow;
    std::u16string_view resetText;
};
constexpr int ColourFieldCount = 5;
const std::array<ColourField, ColourFieldCount>& colourFields();

} // namespace quillnote::demo
