#pragma once
// Drives the component's dialog from a test thread while the test's own
// thread is inside MsgBox: waits for the dialog to appear, lets the test
// inspect it and act on it with window messages, and keeps a watchdog so that
// a dialog that never closes cannot hang the suite.

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
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
    RECT rect = {};            // screen pixels, frame included
    std::wstring heading;      // the dialog's window text
    std::wstring message;      // the body's window text
    HWND body = nullptr;       // the body picture box
    HWND heading_strip = nullptr;
    std::vector<ButtonInfo> buttons; // visible buttons, left to right
    HWND focus = nullptr;      // focused window of the dialog's thread
    DWORD thread = 0;

    const ButtonInfo* button(const std::wstring& caption) const;
};

// Finds the visible dialog of a thread; null when there is none.
HWND findDialog(DWORD thread);
DialogView viewOf(HWND dialog);

// Input as the window system would deliver it, posted to the right window.
void pressKey(HWND target, UINT key);          // key down and up
void releaseKey(HWND target, UINT key);        // key up only
void typeChar(HWND target, wchar_t ch, bool alt = false);
void clickButton(const ButtonInfo& button);
void clickAt(HWND window, int x, int y);        // client pixels
void pressAt(HWND window, int x, int y);        // mouse down only
void releaseAt(HWND window, int x, int y);      // mouse up only

class DialogDriver {
public:
    using Action = std::function<void(const DialogView&)>;

    // Starts watching `thread` (default: the calling thread) for a dialog and
    // runs `action` on it once it shows. The watchdog presses Esc, and in the
    // end aborts the program, if the dialog outlives `limitMs`.
    explicit DialogDriver(Action action, DWORD limitMs = 15000, DWORD thread = GetCurrentThreadId());
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    bool sawDialog() const { return saw_; }
    bool timedOut() const { return timedOut_; }
    // Waits for the watcher to finish (the dialog closed or timed out).
    void join();

private:
    void watch(Action action, DWORD limitMs, DWORD thread);
    std::atomic<bool> saw_{false};
    std::atomic<bool> timedOut_{false};
    std::thread watcher_;
};

// Pumps the calling thread's messages until `done` or the time runs out.
bool pumpUntil(const std::function<bool()>& done, DWORD limitMs);

} // namespace quillnote::test
