#include "ColourChooser.h"

#include "PlatformColour.h"

#include <commdlg.h>

namespace quillnote::demo {

Colour ColourChooser::choose(HWND owner, Colour initial)
{
    CHOOSECOLORW dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    // The dialog knows only RGB values: a system-colour reference starts it
    // on the colour the reference stands for, a value that is no colour on
    // black. The caller's value comes back unchanged on Cancel either way.
    dialog.rgbResult = platformColour(initial).value_or(RGB(0, 0, 0));
    dialog.lpCustColors = customColours_.data();
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorW(&dialog))
        return initial;
    return static_cast<Colour>(dialog.rgbResult & 0xFFFFFFu);
}

} // namespace quillnote::demo
