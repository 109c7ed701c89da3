#pragma once
// Tells accessibility tools that a dialog has appeared, so that a screen
// reader reads it out: a dialog start for every dialog, and an alert as
// well when the dialog shows an icon (a warning, a question, an error).

#include <windows.h>

namespace quillnote {

void announceDialog(HWND dialog, bool alert);

} // namespace quillnote
