#pragma once
// What both benchmark programs need to time a dialog: a millisecond clock,
// medians, a message loop that runs for a while, and the two moments a
// dialog's first paint is complete: when no window of its tree waits for a
// paint any more, and when the screen shows the finished dialog (read back
// from the display, the pixels a person sees).

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

// The moments (nowMs) of a first paint; 0 for one that did not come.
struct FirstPaint {
    double painted = 0;  // no window of the tree waits for a paint
    double onScreen = 0; // the screen first shows the picture it then keeps
};

// Watches `thread`, from a thread of its own started before the constructor
// returns, for a visible window of `className` whose whole tree is painted,
// and notes that moment. Then it reads the window's rectangle from the
// screen until the pixels have not changed for 100 ms (a second at most),
// notes when the screen first showed that final picture (the start of the
// first reading equal to it), and hands the window to `close`. Gives up
// after 10 s.
class FirstPaintWatch {
public:
    FirstPaintWatch(DWORD thread, const wchar_t* className, std::function<void(HWND)> close);
    ~FirstPaintWatch();
    FirstPaintWatch(const FirstPaintWatch&) = delete;
    FirstPaintWatch& operator=(const FirstPaintWatch&) = delete;

    // Waits for the watch to end.
    FirstPaint result();

private:
    std::atomic<bool> watching_{false};
    FirstPaint result_;
    std::thread watcher_;
};

} // namespace quillnote::benchmark
