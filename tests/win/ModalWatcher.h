#pragma once
// Drives a modal window of the test thread from that thread itself: a WH_CBT
// hook sees the window's first activation, and the test's steps run from
// thread timers, which the window's modal message loop dispatches while the
// test is inside the call that shows it. No second thread, no sleeping.
//
// Each step runs a given delay after the one before it (the first at once
// after the activation), once the window is shown and only while it is
// open. A watchdog cancels a window still open once the limit has passed
// since the watcher was made, and ends the program if even that does not
// close it or the thread stops dispatching its messages, so that a hang
// never stalls the suite.

#include "Watchdog.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

namespace quillnote::test {

class ModalWatcher {
public:
    using Step = std::function<void(HWND)>;
    // How the watchdog asks the window to close.
    using Cancel = std::function<void(HWND)>;

    // Cancels the way a dialog's Cancel button or Esc does.
    static void postCancelCommand(HWND window);

    // Watches the calling thread for a top-level window of `className`. One
    // watcher at a time on a thread; it unhooks when it goes.
    ModalWatcher(std::wstring className, Step first, DWORD limitMs = 10000, Cancel cancel = &postCancelCommand);
    ~ModalWatcher();
    ModalWatcher(const ModalWatcher&) = delete;
    ModalWatcher& operator=(const ModalWatcher&) = delete;

    // Adds a step that runs `delayMs` after the one before it: how a test
    // waits for what the window does on its own (its timers), without
    // leaving the window's message loop.
    ModalWatcher& then(DWORD delayMs, Step step);

    bool saw() const { return window_ != nullptr; }
    bool timedOut() const { return timedOut_; }
    HWND window() const { return window_; }

private:
    struct Scheduled {
        DWORD delayMs;
        Step step;
    };

    static LRESULT CALLBACK onCbt(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR id, DWORD);
    void activated(HWND window);
    void runStep();
    void limitReached();
    void checkCancelled();

    std::wstring className_;
    Cancel cancel_;
    std::vector<Scheduled> steps_;
    size_t next_ = 0;
    std::atomic<HWND> window_{nullptr};
    bool timedOut_ = false;
    HHOOK hook_ = nullptr;
    UINT_PTR stepTimer_ = 0;
    UINT_PTR limitTimer_ = 0;
    UINT_PTR checkTimer_ = 0;
    Watchdog lastResort_;
};

} // namespace quillnote::test
