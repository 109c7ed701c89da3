#pragma once
// The MsgBox call: prepares a dialog from its arguments and the object's
// properties, lays it out, plays the sound and shows it.

#include "core/QuillnoteProperties.h"

#include <cstdint>
#include <string>

namespace quillnote {

// Shows the message and returns the result code: the button's code for a
// modal dialog, 0 for a modeless one or when the dialog cannot be loaded.
std::int16_t showMessage(QuillnoteProperties& properties, const std::u16string& message, std::int16_t buttons,
                         const std::u16string& title);

} // namespace quillnote
