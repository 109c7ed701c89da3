#pragma once
// The resolution of a form's windows. A library cannot choose the awareness
// of the program that loads it, but it can make its own windows aware of
// their monitor's resolution: windows take the awareness of the thread that
// creates them, so the thread is switched for the time the form is made and
// switched back afterwards. The functions are looked up at run time, since
// older systems lack them.

#include <windows.h>

namespace quillnote::forms {

// Switches this thread to per-monitor awareness (version 2 where the system
// has it, else version 1) and back to what it was when the scope ends.
// Where the system has neither, it changes nothing.
class PerMonitorDpiScope {
public:
    PerMonitorDpiScope();
    ~PerMonitorDpiScope();
    PerMonitorDpiScope(const PerMonitorDpiScope&) = delete;
    PerMonitorDpiScope& operator=(const PerMonitorDpiScope&) = delete;

    // Whether the thread was switched (and will be switched back).
    bool switched() const { return previous_ != nullptr; }

private:
    DPI_AWARENESS_CONTEXT previous_ = nullptr;
};

// The resolution a window is shown at: its own where the system says
// (GetDpiForWindow), else the screen's.
int windowDpi(HWND window);

// The size of a large icon at a resolution (SM_CXICON there): from the
// system where it can say, else in proportion to 32 pixels at 96 DPI.
int iconPixelsAt(int dpi);

} // namespace quillnote::forms
