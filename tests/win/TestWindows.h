#pragma once
// The test thread's own windows and message loop: reading a window's text,
// class and place, a plain top-level window of the test's own, and pumping the
// thread's messages while a test waits.

#include <windows.h>

#include <functional>
#include <string>

namespace quillnote::test {

std::wstring windowText(HWND window);
std::wstring className(HWND window);
// A window's rectangle in the client pixels of another window (its parent,
// say).
RECT rectIn(HWND window, HWND other);
// A visible top-level window of `className` on `thread`; null when none.
HWND findVisibleWindow(DWORD thread, const std::wstring& className);

// The clipboard's Unicode text; empty when there is none.
std::wstring clipboardText();

// Dispatches every message already queued for the calling thread, and
// returns once none is left: what posted input does has been done.
void dispatchQueued();
// Pumps the calling thread's messages until `done` or the time runs out;
// false when the time ran out first.
bool pumpUntil(const std::function<bool()>& done, DWORD limitMs);
// Pumps the calling thread's messages for `ms` milliseconds: lets posted
// input, timers (a dialog's poll ticks) and repaints run.
void flushEvents(DWORD ms);

// A hook procedure on the calling thread for the owner's lifetime.
class ThreadHook {
public:
    ThreadHook(int kind, HOOKPROC procedure) : hook_(SetWindowsHookExW(kind, procedure, nullptr, GetCurrentThreadId()))
    {}
    ~ThreadHook()
    {
        if (hook_)
            UnhookWindowsHookEx(hook_);
    }
    ThreadHook(const ThreadHook&) = delete;
    ThreadHook& operator=(const ThreadHook&) = delete;
    bool active() const { return hook_ != nullptr; }

private:
    HHOOK hook_;
};

// A plain visible top-level window of the test's own: the active window a
// dialog takes its owner from, or one that takes the activation away.
class TestWindow {
public:
    TestWindow(const wchar_t* caption, int x, int y, int width, int height);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND hwnd() const { return hwnd_; }
    // Makes it the active window and lets the activation run.
    void activate();

private:
    HWND hwnd_ = nullptr;
};

} // namespace quillnote::test
