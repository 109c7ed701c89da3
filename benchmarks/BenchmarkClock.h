#pragma once
// What both benchmark programs need to time a dialog: a millisecond clock,
// medians, a message loop that runs for a while, and the test for the
// moment a dialog is on the screen whole (no window of its tree waits for a
// paint).

#include <windows.h>

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

} // namespace quillnote::benchmark
