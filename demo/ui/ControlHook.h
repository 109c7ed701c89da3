#pragma once
// Every control that takes the focus is subclassed so that the window sees
// its keys before the control does: the window's key preview, the Tab order,
// Enter for the default button, the colour fields' key filter and the arrow
// keys of the position fields.

#include "Layout.h"
#include "forms/Window.h"

namespace quillnote::demo {

class ControlHook;

class ControlEvents {
public:
    // A message for a hooked control. Returns the result; the handler calls
    // hook.forward for what the control should handle itself.
    virtual LRESULT controlMessage(ControlHook& hook, UINT message, WPARAM wParam, LPARAM lParam) = 0;

protected:
    ~ControlEvents() = default;
};

class ControlHook : public forms::Window {
public:
    ControlHook(ControlEvents& events, Control control) : events_(events), control_(control) {}

    bool attach(HWND control) { return subclass(control); }
    Control control() const { return control_; }
    // The control's own handling of a message.
    LRESULT forward(UINT message, WPARAM wParam, LPARAM lParam) { return defaultHandling(message, wParam, lParam); }

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        return events_.controlMessage(*this, message, wParam, lParam);
    }

    ControlEvents& events_;
    Control control_;
};

} // namespace quillnote::demo
