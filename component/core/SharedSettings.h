#pragma once
// The per-thread settings shared by every Quillnote object of a thread and by
// that thread's dialog: ten property values plus the values that pass between
// MsgBox and the dialog. One copy per thread (per apartment); nothing locks.

#include "PropertyDefaults.h"
#include "Values.h"

#include <cstdint>

namespace quillnote {

struct SharedSettings {
    std::int16_t resultCode = 0; // result of the dialog
    std::int16_t timerSeconds = Default::TimerSeconds;
    std::int16_t gradientDirection = Default::GradientDirection; // the painter's direction code
    Flag moveable = Default::Moveable;
    Flag keepOnTop = Default::KeepOnTop;
    Flag gradientPaint = Default::GradientPaint;
    Flag modal = Default::Modal;
    Colour backColorBody = Default::BackColorBody;
    Colour backColorHeading = Default::BackColorHeading;
    std::uintptr_t iconHandle = 0; // icon loaded by MsgBox
    std::int16_t headingType = Default::HeadingType;
    std::int16_t iconIndex = -1; // icon number minus 1, negative for none
    Flag solidColorHeading = Default::SolidColorHeading;
};

// The calling thread's copy.
SharedSettings& threadSharedSettings();

} // namespace quillnote
