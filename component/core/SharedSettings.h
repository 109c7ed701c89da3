#pragma once
// The per-thread settings shared by every Quillnote object of a thread and by
// that thread's dialog: ten property values plus the values that pass between
// MsgBox and the dialog. One copy per thread (per apartment); nothing locks.

#include "Values.h"

#include <cstdint>

namespace quillnote {

struct SharedSettings {
    std::int16_t resultCode = 0;        // result of the dialog
    std::int16_t timerSeconds = 0;
    std::int16_t gradientDirection = 1; // the painter's direction code
    Flag moveable = FlagFalse;
    Flag keepOnTop = FlagTrue;
    Flag gradientPaint = FlagFalse;
    Flag modal = FlagTrue;
    Colour backColorBody = systemColour(SysColour::ButtonFace);
    Colour backColorHeading = systemColour(SysColour::ActiveCaption);
    std::uintptr_t iconHandle = 0;      // icon loaded by MsgBox
    std::int16_t headingType = 0;
    std::int16_t iconIndex = -1;        // icon number minus 1, negative for none
    Flag solidColorHeading = FlagFalse;
};

// The calling thread's copy.
SharedSettings& threadSharedSettings();

} // namespace quillnote
