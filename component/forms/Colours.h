#pragma once
// Colours of the component (RGB or system-colour references) as GDI colours.

#include "core/Values.h"

#include <windows.h>

namespace quillnote::forms {

// A system-colour reference resolves through GetSysColor; an RGB value keeps
// its low 24 bits.
inline COLORREF toColorRef(Colour colour)
{
    if (isSystemColour(colour))
        return GetSysColor(systemColourIndex(colour));
    return static_cast<COLORREF>(colour) & 0xFFFFFFu;
}

} // namespace quillnote::forms
