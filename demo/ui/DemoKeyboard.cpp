// The window's keyboard: its key preview (Escape ends the program from any
// control), the Tab order, Enter for the default button, the access keys of
// the command buttons, the arrow keys of the option groups and of the
// position fields, and the colour fields' key filter and Down-arrow chooser.

#include "DemoWindow.h"

#include "FieldRules.h"

#include <algorithm>

namespace quillnote::demo {

namespace {

bool shiftDown() { return (GetKeyState(VK_SHIFT) & 0x8000) != 0; }
bool controlDown() { return (GetKeyState(VK_CONTROL) & 0x8000) != 0; }

std::optional<PositionField> positionFieldOf(Control control)
{
    if (control == Control::LeftPos)
        return PositionField::Left;
    if (control == Control::TopPos)
        return PositionField::Top;
    return std::nullopt;
}

bool isButton(Control control)
{
    const ControlKind kind = rowOf(control).kind;
    return kind == ControlKind::CommandButton || kind == ControlKind::ArrowButton;
}

} // namespace

LRESULT DemoWindow::controlMessage(ControlHook& hook, UINT message, WPARAM wParam, LPARAM lParam)
{
    const Control control = hook.control();
    if (!closing_) {
        switch (message) {
        case WM_KEYDOWN:
            if (keyDown(control, static_cast<UINT>(wParam)))
                return 0;
            break;
        case WM_KEYUP:
            if (keyUp(control, static_cast<UINT>(wParam)))
                return 0;
            break;
        case WM_CHAR:
            if (swallowsChar(control, static_cast<wchar_t>(wParam)))
                return 0;
            if (colours_.isTextBox(control))
                wParam = upperCaseKey(static_cast<char16_t>(wParam));
            break;
        case WM_SYSCHAR:
            if (accessKey(static_cast<wchar_t>(wParam)))
                return 0;
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            if (rowOf(control).kind == ControlKind::UpDown)
                numeric_.upDownFocus(hook.hwnd(), message == WM_SETFOCUS);
            break;
        }
    }
    return hook.forward(message, wParam, lParam);
}

bool DemoWindow::keyDown(Control control, UINT key)
{
    // Key preview: the window sees the key before the control.
    if (key == VK_ESCAPE) {
        exit();
        return true;
    }
    switch (key) {
    case VK_TAB:
        if (controlDown())
            return false;
        moveFocus(control, shiftDown());
        return true;
    case VK_RETURN:
        // Enter presses the focused command button, or else the default
        // button; with none (while Message has the focus) the key is the
        // control's own: a line break in the message.
        if (control != Control::Window && isButton(control)) {
            pressButton(control);
            return true;
        }
        if (showIsDefault_) {
            pressButton(Control::ShowButton);
            return true;
        }
        return false;
    case VK_UP:
    case VK_DOWN:
        if (const std::optional<PositionField> field = positionFieldOf(control)) {
            numeric_.arrowKey(*field, key == VK_UP ? ArrowKey::Up : ArrowKey::Down);
            return true;
        }
        return stepOptionGroup(control, key == VK_UP ? -1 : 1);
    case VK_LEFT:
    case VK_RIGHT:
        return stepOptionGroup(control, key == VK_LEFT ? -1 : 1);
    }
    return false;
}

bool DemoWindow::keyUp(Control control, UINT key)
{
    // The chooser opens when the Down arrow is released, not when pressed.
    if (key == VK_DOWN && colours_.isTextBox(control)) {
        colours_.openFromKeyboard(*colours_.fieldOf(control));
        return true;
    }
    return false;
}

bool DemoWindow::swallowsChar(Control control, wchar_t ch) const
{
    // The characters of keys that the window has handled already: Tab moved
    // the focus, Enter pressed a button. Only the message takes a line break,
    // and only while Enter is not the default button's.
    if (ch == L'\t')
        return true;
    if (ch == L'\r' || ch == L'\n')
        return !(control == Control::Message && !showIsDefault_);
    return false;
}

bool DemoWindow::accessKey(wchar_t ch)
{
    // Alt+S and Alt+R, the underlined letters of "&Show Message" and "&Reset".
    switch (ch) {
    case L's':
    case L'S':
        pressButton(Control::ShowButton);
        return true;
    case L'r':
    case L'R':
        pressButton(Control::ResetButton);
        return true;
    }
    return false;
}

void DemoWindow::pressButton(Control button)
{
    switch (button) {
    case Control::ShowButton:
        showMessage();
        return;
    case Control::ResetButton:
        reset();
        return;
    case Control::ExitButton:
        exit();
        return;
    default:
        break;
    }
    const ControlKind kind = rowOf(button).kind;
    if (kind == ControlKind::ArrowButton)
        colours_.runChooser(*colours_.fieldOf(button));
    else if (kind == ControlKind::OptionButton)
        selectOption(button);
}

bool DemoWindow::canTabTo(Control control) const
{
    const ControlRow& row = rowOf(control);
    HWND window = controls_[control];
    if (row.has(ControlOption::NoTabStop) || !IsWindowVisible(window) || !IsWindowEnabled(window))
        return false;
    if (row.kind != ControlKind::OptionButton)
        return true;
    // Tab reaches an option group at its selected member (the arrow keys
    // move within it), or at its first member when none is selected.
    const std::vector<Control> group = optionGroupOf(control);
    const bool anySelected = std::any_of(group.begin(), group.end(), [&](Control c) { return isSelected(c); });
    return anySelected ? isSelected(control) : control == group.front();
}

void DemoWindow::moveFocus(Control from, bool backward)
{
    const std::vector<Control> order = tabOrder();
    const int count = static_cast<int>(order.size());
    const auto at = std::find(order.begin(), order.end(), from);
    // From outside the order, forward starts at the first control and
    // backward at the last.
    int position = at == order.end() ? (backward ? count : -1) : static_cast<int>(at - order.begin());
    for (int step = 0; step < count; ++step) {
        position = (position + (backward ? count - 1 : 1)) % count;
        if (canTabTo(order[static_cast<size_t>(position)])) {
            SetFocus(controls_[order[static_cast<size_t>(position)]]);
            return;
        }
    }
}

bool DemoWindow::stepOptionGroup(Control option, int direction)
{
    if (option == Control::Window)
        return false;
    const std::vector<Control> group = optionGroupOf(option);
    if (group.empty())
        return false;
    const auto at = std::find(group.begin(), group.end(), option);
    const int count = static_cast<int>(group.size());
    const int next = (static_cast<int>(at - group.begin()) + direction + count) % count;
    selectOption(group[static_cast<size_t>(next)]);
    SetFocus(controls_[group[static_cast<size_t>(next)]]);
    return true;
}

} // namespace quillnote::demo
