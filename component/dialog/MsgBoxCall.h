#pragma once
// The MsgBox call: prepares a dialog from its arguments and the object's
// properties, lays it out, plays the sound and shows it.

#include "core/QuillnoteProperties.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace quillnote {

// What a call came to. A code is an answer: the button the user pressed (or
// 0 when the countdown closed the dialog) for a modal dialog, 0 for a
// modeless one that is showing. A call that could not show its dialog, or
// whose dialog closed without an answer, fails instead, with a description
// for the caller.
struct MsgBoxOutcome {
    HRESULT status = S_OK;
    std::int16_t code = 0;
    std::wstring failure; // what went wrong, when status is a failure
};

// The outcome of a call that ran out of memory.
MsgBoxOutcome outOfMemory();

MsgBoxOutcome showMessage(QuillnoteProperties& properties, const std::u16string& message, std::int16_t buttons,
                          const std::u16string& title);

} // namespace quillnote
