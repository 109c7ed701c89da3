#pragma once
// The MsgBox call: prepares a dialog from its arguments and the object's
// properties, lays it out, plays the sound and shows it.

#include "DialogLink.h"
#include "core/ExtendedProperties.h"
#include "core/QuillnoteProperties.h"

#include <windows.h>

#include <cstdint>
#include <memory>
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

// The properties of version 1.1 (`extended`) default to version 1.0's
// behaviour; the object that shows the dialog learns through `link` when it
// closes (none: no one is told).
MsgBoxOutcome showMessage(QuillnoteProperties& properties, const std::u16string& message, std::int16_t buttons,
                          const std::u16string& title, const ExtendedProperties& extended = ExtendedProperties{},
                          const std::shared_ptr<DialogLink>& link = nullptr);

} // namespace quillnote
