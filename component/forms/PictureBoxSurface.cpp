#include "PictureBoxSurface.h"

namespace quillnote::forms {

SystemColourLookup systemColours()
{
    return [](int index) { return static_cast<std::uint32_t>(GetSysColor(index)); };
}

} // namespace quillnote::forms
