#pragma once
// The demonstration window QuillnoteDemo: a Message and a Title field, the
// three option groups of a MsgBox call, every property of the component in
// colour fields, selectors, position fields and check boxes, and the buttons
// Show Message, Reset and Exit. The members of version 1.1 are edited in a
// window of their own, from the system menu's "Version 1.1 Properties...".
//
// The controls' values are the window's state; the Show action reads them
// when it runs. Every control that takes the focus is hooked, so that the
// window sees each key before the control does (its key preview).

#include "ColourFields.h"
#include "ControlHook.h"
#include "ControlSet.h"
#include "DemoServices.h"
#include "NumericFields.h"
#include "ShowAction.h"
#include "Version11Values.h"
#include "forms/Gdi.h"
#include "forms/Window.h"

#include <windows.h>

#include <string_view>

namespace quillnote::demo {

class DemoWindow : public forms::Window, private ControlEvents {
public:
    explicit DemoWindow(DemoServices services);
    ~DemoWindow() override;

    // Window load: creates the window, still hidden, with its controls in
    // their design state, and runs the start-up (Reset, then the message
    // text "Test Message").
    bool create();
    // Shows the window centred on the screen and gives the focus to the first
    // control in tab order, Message.
    void show();

    // The window's actions, as its buttons and keys run them.
    void showMessage();
    void reset();
    void exit();
    // Opens the "Version 1.1 Properties" window (modal).
    void editVersion11();

    HWND control(Control c) const { return controls_[c]; }
    // What the window keeps beyond the controls' own state.
    bool showIsDefault() const { return showIsDefault_; }
    bool rightAligned(Control textBox) const;
    const Version11Values& version11() const { return version11_; }
    COLORREF swatchColour(int field) const { return colours_.swatchColour(field); }

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT controlMessage(ControlHook& hook, UINT message, WPARAM wParam, LPARAM lParam) override;

    // Routing (DemoWindow.cpp).
    void command(Control control, WORD code);
    void textBoxFocus(Control control, bool gained);
    void textBoxChanged(Control control);
    // The program writes a text box's text: the box then shows it aligned
    // as its rule says (the edit control does not report a change that a
    // program makes, so the program says so itself).
    void writeText(Control textBox, std::u16string_view text);
    bool activate(bool active);

    // Keys (DemoKeyboard.cpp).
    bool keyDown(Control control, UINT key);
    bool keyUp(Control control, UINT key);
    bool swallowsChar(Control control, wchar_t ch) const;
    bool accessKey(wchar_t ch);
    void pressButton(Control button);
    void moveFocus(Control from, bool backward);
    bool canTabTo(Control control) const;
    bool stepOptionGroup(Control option, int direction);

    // Procedures of the window (DemoActions.cpp).
    void expandMessage();
    void collapseMessage();
    void setShowDefault(bool isDefault);
    void selectOption(Control option);
    bool isSelected(Control option) const;
    void setCheck(Control checkBox, bool on);
    bool giveFocus(Control control);
    ControlValues readControlValues() const;

    DemoServices services_;
    ControlSet controls_;
    ColourFields colours_;
    NumericFields numeric_;
    ShowAction show_;
    forms::UniqueIcon bigIcon_;
    forms::UniqueIcon smallIcon_;
    Version11Values version11_;
    bool showIsDefault_ = true;
    bool closing_ = false;
    HWND focusBeforeDeactivation_ = nullptr;
};

} // namespace quillnote::demo
