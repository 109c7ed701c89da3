#include "Layout.h"

#include <algorithm>

namespace quillnote::demo {

namespace {

using C = Control;
using K = ControlKind;
using namespace ControlOption;

// The containers, by short names that keep the table's rows readable.
constexpr C W = C::Window;
constexpr C Icons = C::IconFrame;
constexpr C Sets = C::ButtonFrame;
constexpr C Defaults = C::DefaultFrame;
constexpr C Appearance = C::AppearanceFrame;
constexpr C Presentation = C::PresentationFrame;
constexpr C Behavior = C::BehaviorFrame;

// Heights that the design gives per kind of control.
constexpr int LabelHeight = 255;
constexpr int TextHeight = 285;
constexpr int ButtonHeight = 375;
constexpr int OptionHeight = 255;
constexpr int CheckHeight = 255;
constexpr int SwatchHeight = 285;
constexpr int SelectorHeight = 240;  // value boxes and their up-downs
constexpr int DirectionHeight = 255; // GradientDirection's value box and up-down

constexpr ControlRow Table[] = {
    // On the window.
    {C::MessageLabel, K::Label, W, u"Message:", 120, 150, 735, LabelHeight, NoTabIndex, 0},
    {C::Message, K::TextBox, W, u"", 960, 120, 5640, TextHeight, 0, MultiLine | VerticalScrollBar},
    {C::TitleLabel, K::Label, W, u"Title:", 120, 495, 495, LabelHeight, NoTabIndex, 0},
    {C::Title, K::TextBox, W, u"", 960, 465, 5640, TextHeight, 1, 0},
    {C::IconFrame, K::Frame, W, u"Icon Selection", 120, 795, 1560, 1590, NoTabIndex, 0},
    {C::ButtonFrame, K::Frame, W, u"Button Selection", 2280, 795, 1920, 1830, NoTabIndex, 0},
    {C::DefaultFrame, K::Frame, W, u"Default Button", 4800, 795, 1800, 1110, NoTabIndex, 0},
    {C::AppearanceFrame, K::Frame, W, u"Appearance Properties", 120, 2670, 6495, 1815, NoTabIndex, 0},
    {C::PresentationFrame, K::Frame, W, u"Presentation Properties", 120, 4545, 3765, 1260, NoTabIndex, 0},
    {C::BehaviorFrame, K::Frame, W, u"Behavior Properties", 4830, 4545, 1785, 1260, NoTabIndex, 0},
    {C::ShowButton, K::CommandButton, W, u"&Show Message", 480, 5910, 1335, ButtonHeight, 43, DefaultButton},
    {C::ResetButton, K::CommandButton, W, u"&Reset", 2700, 5910, 1335, ButtonHeight, 44, 0},
    {C::ExitButton, K::CommandButton, W, u"Exit", 4920, 5910, 1335, ButtonHeight, 45, 0},

    // Icon Selection.
    {C::IconOption0, K::OptionButton, Icons, u"None", 120, 270, 735, OptionHeight, 2, 0},
    {C::IconOption1, K::OptionButton, Icons, u"vbCritical", 120, 510, 975, OptionHeight, 3, 0},
    {C::IconOption2, K::OptionButton, Icons, u"vbQuestion", 120, 750, 1125, OptionHeight, 4, 0},
    {C::IconOption3, K::OptionButton, Icons, u"vbExclamation", 120, 990, 1335, OptionHeight, 5, 0},
    {C::IconOption4, K::OptionButton, Icons, u"vbInformation", 120, 1230, 1305, OptionHeight, 6, 0},
    // Button Selection.
    {C::ButtonOption0, K::OptionButton, Sets, u"vbOkOnly", 120, 270, 1035, OptionHeight, 7, 0},
    {C::ButtonOption1, K::OptionButton, Sets, u"vbOkCancel", 120, 510, 1215, OptionHeight, 8, 0},
    {C::ButtonOption2, K::OptionButton, Sets, u"vbAbortRetryIgnore", 120, 750, 1695, OptionHeight, 9, 0},
    {C::ButtonOption3, K::OptionButton, Sets, u"vbYesNoCancel", 120, 990, 1470, OptionHeight, 10, 0},
    {C::ButtonOption4, K::OptionButton, Sets, u"vbYesNo", 120, 1230, 975, OptionHeight, 11, 0},
    {C::ButtonOption5, K::OptionButton, Sets, u"vbRetryCancel", 120, 1470, 1365, OptionHeight, 12, 0},
    // Default Button (the first one is 270 high).
    {C::DefaultOption0, K::OptionButton, Defaults, u"vbDefaultButton1", 120, 240, 1575, 270, 13, 0},
    {C::DefaultOption1, K::OptionButton, Defaults, u"vbDefaultButton2", 120, 510, 1575, OptionHeight, 14, 0},
    {C::DefaultOption2, K::OptionButton, Defaults, u"vbDefaultButton3", 120, 750, 1575, OptionHeight, 15, 0},

    // Appearance Properties: the five colour rows.
    {C::BackColorHeadingLabel, K::Label, Appearance, u"BackColorHeading:", 120, 270, 1410, LabelHeight, NoTabIndex, 0},
    {C::BackColorHeading, K::TextBox, Appearance, u"", 1560, 240, 1050, TextHeight, 16, MultiLine},
    {C::ColorTab0, K::ColourSwatch, Appearance, u"", 2610, 240, 195, SwatchHeight, NoTabIndex, 0},
    {C::DownArrow0, K::ArrowButton, Appearance, u"", 2820, 240, 285, SwatchHeight, 17, NoTabStop},
    {C::ForeColorHeadingLabel, K::Label, Appearance, u"ForeColorHeading:", 3450, 270, 1335, LabelHeight, NoTabIndex, 0},
    {C::ForeColorHeading, K::TextBox, Appearance, u"", 4830, 240, 1050, TextHeight, 18, MultiLine},
    {C::ColorTab3, K::ColourSwatch, Appearance, u"", 5880, 240, 195, SwatchHeight, NoTabIndex, 0},
    {C::DownArrow3, K::ArrowButton, Appearance, u"", 6090, 240, 285, SwatchHeight, 19, NoTabStop},
    {C::BackColorBodyLabel, K::Label, Appearance, u"BackColorBody:", 120, 570, 1215, LabelHeight, NoTabIndex, 0},
    {C::BackColorBody, K::TextBox, Appearance, u"", 1560, 540, 1050, TextHeight, 20, MultiLine},
    {C::ColorTab1, K::ColourSwatch, Appearance, u"", 2610, 540, 195, SwatchHeight, NoTabIndex, 0},
    {C::DownArrow1, K::ArrowButton, Appearance, u"", 2820, 540, 285, SwatchHeight, 21, NoTabStop},
    {C::ForeColorBodyLabel, K::Label, Appearance, u"ForeColorBody:", 3450, 570, 1095, LabelHeight, NoTabIndex, 0},
    {C::ForeColorBody, K::TextBox, Appearance, u"", 4830, 540, 1050, TextHeight, 22, MultiLine},
    {C::ColorTab4, K::ColourSwatch, Appearance, u"", 5880, 540, 195, SwatchHeight, NoTabIndex, 0},
    {C::DownArrow4, K::ArrowButton, Appearance, u"", 6090, 540, 285, SwatchHeight, 23, NoTabStop},
    {C::BackColorButtonsLabel, K::Label, Appearance, u"BackColorButtons:", 120, 870, 1335, LabelHeight, NoTabIndex, 0},
    {C::BackColorButtons, K::TextBox, Appearance, u"", 1560, 840, 1050, TextHeight, 24, MultiLine},
    {C::ColorTab2, K::ColourSwatch, Appearance, u"", 2610, 840, 195, SwatchHeight, NoTabIndex, 0},
    {C::DownArrow2, K::ArrowButton, Appearance, u"", 2820, 840, 285, SwatchHeight, 25, NoTabStop},
    // Appearance Properties: selectors and check boxes.
    {C::HeadingTypeLabel, K::Label, Appearance, u"HeadingType:", 3450, 870, 1020, LabelHeight, NoTabIndex, 0},
    {C::HeadingType, K::ValueBox, Appearance, u"0", 4515, 870, 180, SelectorHeight, NoTabIndex, 0},
    {C::TypeUpDown, K::UpDown, Appearance, u"", 4695, 870, 240, SelectorHeight, 26, 0},
    {C::TypeDesc, K::Label, Appearance, u"Flat (Default)", 5025, 870, 930, LabelHeight, NoTabIndex, 0},
    {C::TextAlignmentLabel, K::Label, Appearance, u"TextAlignment:", 120, 1155, 1050, LabelHeight, NoTabIndex, 0},
    {C::TextAlignment, K::ValueBox, Appearance, u"0", 1230, 1155, 180, SelectorHeight, NoTabIndex, 0},
    {C::AlignUpDown, K::UpDown, Appearance, u"", 1410, 1155, 240, SelectorHeight, 28, 0},
    {C::AlignDesc, K::Label, Appearance, u"Left Justify (Default)", 1740, 1155, 1440, LabelHeight, NoTabIndex, 0},
    {C::SolidColorHeading, K::CheckBox, Appearance, u"SolidColorHeading", 3420, 1155, 1620, CheckHeight, 29, 0},
    {C::pControlBox, K::CheckBox, Appearance, u"ControlBox", 5325, 1155, 1080, CheckHeight, 30, 0},
    {C::GradientPaint, K::CheckBox, Appearance, u"GradientPaint", 120, 1440, 1335, CheckHeight, 31, 0},
    {C::GradientDirectionLabel, K::Label, Appearance, u"GradientDirection:", 1740, 1440, 1275, LabelHeight, NoTabIndex,
     0},
    {C::GradientDirection, K::ValueBox, Appearance, u"1", 3090, 1440, 270, DirectionHeight, NoTabIndex, 0},
    {C::DirectionUpDown, K::UpDown, Appearance, u"", 3360, 1440, 240, DirectionHeight, 32, 0},
    {C::DirectionDesc, K::Label, Appearance, u"Top to Bottom (Default)", 3675, 1440, 2400, LabelHeight, NoTabIndex, 0},

    // Presentation Properties.
    {C::KeepOnTop, K::CheckBox, Presentation, u"KeepOnTop", 120, 270, 1215, CheckHeight, 33, 0},
    {C::SoundBeep, K::CheckBox, Presentation, u"SoundBeep", 1950, 270, 1155, CheckHeight, 34, 0},
    {C::StartUpPositionLabel, K::Label, Presentation, u"StartUpPosition:", 120, 570, 1215, LabelHeight, NoTabIndex, 0},
    {C::SPosition, K::ValueBox, Presentation, u"2", 1335, 570, 180, SelectorHeight, NoTabIndex, 0},
    {C::PositionUpDown, K::UpDown, Presentation, u"", 1515, 570, 240, SelectorHeight, 35, 0},
    {C::PositionDesc, K::Label, Presentation, u"Center of screen (default)", 1830, 570, 1815, LabelHeight, NoTabIndex,
     0},
    {C::LeftLabel, K::Label, Presentation, u"Left:", 120, 870, 375, LabelHeight, NoTabIndex, 0},
    {C::LeftPos, K::TextBox, Presentation, u"0", 510, 840, 555, TextHeight, 36, MultiLine | RightAligned},
    // The position up-downs are no Tab stops: their text boxes, just before
    // them in the order, step them with the arrow keys already. The four
    // selector up-downs are, so that the selectors can be set from the
    // keyboard at all.
    {C::LeftUpDown, K::UpDown, Presentation, u"", 1065, 840, 240, TextHeight, 37, NoTabStop},
    {C::TopLabel, K::Label, Presentation, u"Top:", 1950, 870, 375, LabelHeight, NoTabIndex, 0},
    {C::TopPos, K::TextBox, Presentation, u"0", 2370, 840, 555, TextHeight, 38, MultiLine | RightAligned},
    {C::TopUpDown, K::UpDown, Presentation, u"", 2925, 840, 240, TextHeight, 39, NoTabStop},

    // Behavior Properties.
    {C::pMoveable, K::CheckBox, Behavior, u"Moveable", 120, 270, 1035, CheckHeight, 40, 0},
    {C::Modal, K::CheckBox, Behavior, u"Modal", 120, 570, 1095, CheckHeight, 41, 0},
    {C::TimerSecondsLabel, K::Label, Behavior, u"TimerSeconds:", 120, 870, 1095, LabelHeight, NoTabIndex, 0},
    {C::TimerSeconds, K::TextBox, Behavior, u"0", 1275, 840, 390, TextHeight, 42, MultiLine | RightAligned},
};

static_assert(sizeof(Table) / sizeof(Table[0]) == ControlCount, "one row per control");

std::array<ControlRow, ControlCount> byControl()
{
    std::array<ControlRow, ControlCount> sorted{};
    for (const ControlRow& row : Table)
        sorted[static_cast<std::size_t>(row.control)] = row;
    return sorted;
}

} // namespace

const std::array<ControlRow, ControlCount>& controlTable()
{
    static const std::array<ControlRow, ControlCount> table = byControl();
    return table;
}

const ControlRow& rowOf(Control control) { return controlTable()[static_cast<std::size_t>(control)]; }

TwipsRect clientRectOf(Control control)
{
    const ControlRow& row = rowOf(control);
    TwipsRect rect{row.left, row.top, row.width, row.height};
    // Controls in a frame are placed relative to the frame's outer corner.
    if (row.container != Control::Window) {
        const ControlRow& frame = rowOf(row.container);
        rect.left += frame.left;
        rect.top += frame.top;
    }
    return rect;
}

std::vector<Control> tabOrder()
{
    std::vector<Control> order;
    for (const ControlRow& row : controlTable())
        if (row.tabIndex != NoTabIndex)
            order.push_back(row.control);
    std::stable_sort(order.begin(), order.end(),
                     [](Control a, Control b) { return rowOf(a).tabIndex < rowOf(b).tabIndex; });
    return order;
}

std::vector<Control> optionGroupOf(Control option)
{
    std::vector<Control> group;
    const ControlRow& row = rowOf(option);
    if (row.kind != ControlKind::OptionButton)
        return group;
    for (const ControlRow& other : controlTable())
        if (other.kind == ControlKind::OptionButton && other.container == row.container)
            group.push_back(other.control);
    return group;
}

const std::array<ColourField, ColourFieldCount>& colourFields()
{
    static const std::array<ColourField, ColourFieldCount> fields = {{
        {C::BackColorHeading, C::ColorTab0, C::DownArrow0, u"&H80000002"},
        {C::BackColorBody, C::ColorTab1, C::DownArrow1, u"&H8000000F"},
        {C::BackColorButtons, C::ColorTab2, C::DownArrow2, u"&H8000000F"},
        {C::ForeColorHeading, C::ColorTab3, C::DownArrow3, u"&H8000000E"},
        {C::ForeColorBody, C::ColorTab4, C::DownArrow4, u"&H80000012"},
    }};
    return fields;
}

} // namespace quillnote::demo
