#pragma once
// Input as the window system delivers it, posted to the window that would
// receive it: keys, characters and mouse buttons. Posted input is handled
// when the thread's message loop next runs.

#include <windows.h>

namespace quillnote::test {

// The lParam of a key message: one repeat, the key's scan code, and for a
// key up the previous-state and transition bits.
LPARAM keyData(UINT key, bool up);

void pressKey(HWND target, UINT key);   // key down and up
void releaseKey(HWND target, UINT key); // key up only
void typeChar(HWND target, wchar_t ch, bool alt = false);
// A key pressed with Ctrl held: the thread's keyboard state says Ctrl is
// down while the posted key is handled (it is dispatched at once, with
// whatever else is queued), as it would for a real press.
void pressKeyWithControl(HWND target, UINT key);
void clickAt(HWND window, int x, int y);   // client pixels
void pressAt(HWND window, int x, int y);   // mouse down only
void releaseAt(HWND window, int x, int y); // mouse up only

// Real mouse input, as a user's, through the system's input queue: one
// event (a move, a press or a release, MOUSEEVENTF_*) at a screen point.
// False when the system did not take it.
bool sendMouseAt(POINT screen, DWORD flags);

} // namespace quillnote::test
