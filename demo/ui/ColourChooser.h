#pragma once
// The platform's colour dialog (ChooseColorW) as the window's colour chooser:
// opened with its custom-colour part, starting from a given colour.

#include "core/Values.h"

#include <windows.h>

#include <array>

namespace quillnote::demo {

class ColourChooser {
public:
    // Shows the dialog modally. Returns the colour chosen, or `initial`
    // unchanged after Cancel (a cancel is no error).
    Colour choose(HWND owner, Colour initial);

private:
    std::array<COLORREF, 16> customColours_ = {
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    };
};

} // namespace quillnote::demo
