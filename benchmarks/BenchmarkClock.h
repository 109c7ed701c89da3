#pragma once
// What both benchmark programs need to time a dialog: a millisecond clock,
// medians, a message loop that runs for a while, and the test for the
// moment a dialog is on the screen whole (no window of its tree waits for a
// paint).

#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace quillnote::benchmark {

double nowMs();
double median(std::vector<double> values);

// Runs the message loop for a while, sleeping whenever there is nothing to
// do, as a program's own loop would.
void pump(double forMs);

// The first visible top-level window of `thread` of the window class, or
// null.
HWND findVisibleWindow(DWORD thread, const wchar_t* className);

// No window of the dialog's tree waits for a paint.
bool fullyPainted(HWND dialog);

// Watches `thread`, from a thread of its own started before the constructor
// returns, for a visible window of `className` whose whole tree is painted;
// notes that moment and hands the window to `close`. Gives up after 10 s.
class FirstPaintWatch {
public:
    FirstPaintWatch(DWORD thread, const wchar_t* className, std::function<void(HWND)> close);
    ~FirstPaintWatch();
    FirstPaintWatch(const FirstPaintWatch&) = delete;
    FirstPaintWatch& operator=(const FirstPaintWatch&) = delete;

    // Waits for the watch to end; the moment of the first complete paint
    // (nowMs), or 0 when none came.
    double paintedAt();

private:
    std::atomic<bool> watching_{false};
    std::atomic<double> paintedAt_{0};
    std::thread watcher_;
};

} // namespace quillnote::benchmark
