#pragma once
// Drives the component's dialog while the test's own thread is inside
// MsgBox: a modal watcher on the dialog's class hands each step a view of
// the dialog, found by its control IDs, and the watchdog presses Esc on a
// dialog that outlives its limit.

#include "ModalWatcher.h"
#include "TestWindows.h"
#include "WindowInput.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace quillnote::test {

struct ButtonInfo {
    HWND hwnd;
    std::wstring caption;
    RECT rect; // screen pixels
    bool visible;
    bool enabled;
};

// What a test can see of a shown dialog.
struct DialogView {
    HWND dialog = nullptr;
    RECT rect = {};       // screen pixels, frame included
    std::wstring heading; // the dialog's window text
    std::wstring message; // the body's window text
    HWND body = nullptr;  // the body picture box
    HWND headingStrip = nullptr;
    std::vector<ButtonInfo> buttons; // visible buttons, left to right
    HWND focus = nullptr;            // focused window of the dialog's thread
    DWORD thread = 0;

    const ButtonInfo* button(const std::wstring& caption) const;
    // The visible buttons' captions, left to right.
    std::vector<std::wstring> captions() const;
    // The caption of the button that has the focus; empty when none has.
    std::wstring focusedCaption() const;
};

// Finds the visible dialog of a thread; null when there is none.
HWND findDialog(DWORD thread);
DialogView viewOf(HWND dialog);

void clickButton(const ButtonInfo& button);

class DialogDriver {
public:
    using Action = std::function<void(const DialogView&)>;

    // Watches the calling thread for the dialog and runs `first` on it once
    // it is active (no action: only watch it). The watchdog presses Esc,
    // and in the end ends the program, if the dialog outlives `limitMs`.
    explicit DialogDriver(Action first, DWORD limitMs = 15000);

    // Adds a step, run on a fresh view `delayMs` after the step before it
    // while the dialog is open: how a test lets the dialog's poll run.
    DialogDriver& then(DWORD delayMs, Action step);

    bool sawDialog() const { return watcher_.saw(); }
    bool timedOut() const { return watcher_.timedOut(); }

private:
    ModalWatcher watcher_;
};

} // namespace quillnote::test
