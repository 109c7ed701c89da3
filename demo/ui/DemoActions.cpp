// The window's actions and procedures: Show, Reset, Exit, the Message
// field's expand and collapse, and the small operations they share.

#include "DemoWindow.h"

#include "Text.h"
#include "win/Steps.h"

namespace quillnote::demo {

namespace {

constexpr int MessageHeightExpanded = 900;  // twips, over the place of the title
constexpr int MessageHeightCollapsed = 285; // twips, as designed

int checkValue(HWND checkBox) { return SendMessageW(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0; }

} // namespace

void DemoWindow::showMessage()
{
    const HRESULT created = show_.ensureObject();
    if (FAILED(created)) {
        if (services_.report)
            services_.report(hwnd(), creationFailureText(created));
        return;
    }
    // The position clamps: each up-down takes what its text says, within its
    // range, and writes it back (see NumericFields::settle).
    numeric_.settle(PositionField::Left);
    numeric_.settle(PositionField::Top);

    const ControlValues values = readControlValues();
    const ShowConversion conversion = convertForShow(values);
    if (!conversion.values) {
        // Nothing is written to the component and MsgBox is not called: the
        // report names the field, which then gets the focus with its text
        // selected, ready to be corrected.
        const Control field = conversion.failedField;
        const std::optional<int> colour = colours_.fieldOf(field);
        const std::u16string& text = colour ? values.colourTexts[*colour] : values.timerSecondsText;
        if (services_.report)
            services_.report(hwnd(), unconvertibleText(field, text));
        if (IsWindow(controls_[field]))
            giveFocus(field);
        return;
    }
    show_.writeAndCall(*conversion.values, version11_, hwnd(), values.message, values.title);
}

void DemoWindow::reset()
{
    runStep([&] { demo::setText(controls_[Control::Message], u"Test Message"); });
    runStep([&] { demo::setText(controls_[Control::Title], u""); });
    runStep([&] { selectOption(Control::IconOption0); });
    runStep([&] { selectOption(Control::ButtonOption0); });
    runStep([&] { selectOption(Control::DefaultOption0); });
    for (const ColourField& field : colourFields())
        runStep([&] { writeText(field.textBox, field.resetText); });
    runStep([&] { colours_.updateColorTabs(); });
    runStep([&] { setCheck(Control::GradientPaint, false); });
    runStep([&] { numeric_.setSelector(Selector::Direction, 1); });
    runStep([&] { numeric_.setSelector(Selector::HeadingType, 0); });
    runStep([&] { numeric_.setSelector(Selector::Alignment, 0); });
    runStep([&] { setCheck(Control::SolidColorHeading, false); });
    runStep([&] { setCheck(Control::pControlBox, true); });
    runStep([&] { setCheck(Control::KeepOnTop, true); });
    runStep([&] { setCheck(Control::SoundBeep, true); });
    runStep([&] { numeric_.setSelector(Selector::Position, 2); });
    runStep([&] { numeric_.setPosition(PositionField::Left, 0); });
    runStep([&] { numeric_.setPosition(PositionField::Top, 0); });
    runStep([&] { setCheck(Control::pMoveable, false); });
    runStep([&] { setCheck(Control::Modal, true); });
    runStep([&] { writeText(Control::TimerSeconds, u"0"); });
    version11_ = Version11Values();
    // Fails while the window is hidden (at start-up): skipped, and the
    // selection below is made all the same.
    runStep([&] { giveFocus(Control::Message); });
    runStep([&] { selectWholeText(controls_[Control::Message]); });
}

void DemoWindow::exit()
{
    // Unloading the window ends the program (WM_DESTROY).
    destroy();
}

void DemoWindow::expandMessage()
{
    ShowWindow(controls_[Control::Title], SW_HIDE);
    controls_.setHeight(Control::Message, MessageHeightExpanded);
    // Enter in the message now starts a new line instead of showing it.
    setShowDefault(false);
}

void DemoWindow::collapseMessage()
{
    controls_.setHeight(Control::Message, MessageHeightCollapsed);
    ShowWindow(controls_[Control::Title], SW_SHOWNA);
    setShowDefault(true);
}

void DemoWindow::setShowDefault(bool isDefault)
{
    showIsDefault_ = isDefault;
    SendMessageW(controls_[Control::ShowButton], BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void DemoWindow::selectOption(Control option)
{
    for (Control member : optionGroupOf(option))
        SendMessageW(controls_[member], BM_SETCHECK, member == option ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool DemoWindow::isSelected(Control option) const
{
    return SendMessageW(controls_[option], BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void DemoWindow::setCheck(Control checkBox, bool on)
{
    SendMessageW(controls_[checkBox], BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

// SetFocus as the form runtime has it: it fails on a control that cannot be
// seen (a hidden window, or a hidden control).
bool DemoWindow::giveFocus(Control control)
{
    HWND window = controls_[control];
    if (!IsWindowVisible(window) || !IsWindowEnabled(window))
        return false;
    return SetFocus(window) != nullptr || GetFocus() == window;
}

ControlValues DemoWindow::readControlValues() const
{
    ControlValues values;
    for (int i = 0; i < ColourFieldCount; ++i)
        values.colourTexts[i] = textOf(controls_[colourFields()[i].textBox]);
    values.gradientPaint = checkValue(controls_[Control::GradientPaint]);
    values.solidColorHeading = checkValue(controls_[Control::SolidColorHeading]);
    values.controlBox = checkValue(controls_[Control::pControlBox]);
    values.keepOnTop = checkValue(controls_[Control::KeepOnTop]);
    values.soundBeep = checkValue(controls_[Control::SoundBeep]);
    values.moveable = checkValue(controls_[Control::pMoveable]);
    values.modal = checkValue(controls_[Control::Modal]);
    values.gradientDirection = numeric_.selectorValue(Selector::Direction);
    values.headingType = numeric_.selectorValue(Selector::HeadingType);
    values.textAlignment = numeric_.selectorValue(Selector::Alignment);
    values.startUpPosition = numeric_.selectorValue(Selector::Position);
    values.left = numeric_.positionValue(PositionField::Left);
    values.top = numeric_.positionValue(PositionField::Top);
    values.timerSecondsText = textOf(controls_[Control::TimerSeconds]);
    const Control icons[] = {Control::IconOption0, Control::IconOption1, Control::IconOption2, Control::IconOption3,
                             Control::IconOption4};
    const Control sets[] = {Control::ButtonOption0, Control::ButtonOption1, Control::ButtonOption2,
                            Control::ButtonOption3, Control::ButtonOption4, Control::ButtonOption5};
    const Control defaults[] = {Control::DefaultOption0, Control::DefaultOption1, Control::DefaultOption2};
    for (size_t i = 0; i < values.options.icon.size(); ++i)
        values.options.icon[i] = isSelected(icons[i]);
    for (size_t i = 0; i < values.options.buttonSet.size(); ++i)
        values.options.buttonSet[i] = isSelected(sets[i]);
    for (size_t i = 0; i < values.options.defaultButton.size(); ++i)
        values.options.defaultButton[i] = isSelected(defaults[i]);
    values.message = textOf(controls_[Control::Message]);
    values.title = textOf(controls_[Control::Title]);
    return values;
}

} // namespace quillnote::demo
