#pragma once
// The system's message icons at the sizes the dialogs show them, loaded once
// per process. Loading one asks the window system for a resource and makes a
// new icon each time, while every dialog at a size shows the same image; one
// icon may be drawn by dialogs of any thread.

#include <windows.h>

namespace quillnote {

// The icon `iconId` (IDI_...) at `size` pixels square; none when the system
// has no such icon. The cache keeps it; callers never destroy it.
HICON systemIcon(int iconId, int size);

// Destroys the icons this library made, for a library that is being
// unloaded while its process goes on.
void releaseSystemIcons();

} // namespace quillnote
