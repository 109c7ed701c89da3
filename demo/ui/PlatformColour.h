#pragma once
// Colours in the component's numbering (RGB or system-colour reference) as
// the platform draws them.

#include "core/Values.h"

#include <windows.h>

#include <optional>

namespace quillnote::demo {

// The RGB value that a colour stands for: an RGB value as it is, a reference
// to an existing system colour resolved with GetSysColor. Empty for a value
// that is neither (bits above the RGB ones set, or a system colour index that
// does not exist): no swatch can show it.
std::optional<COLORREF> platformColour(Colour colour);

} // namespace quillnote::demo
