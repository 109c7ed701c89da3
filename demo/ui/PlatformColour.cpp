#include "PlatformColour.h"

namespace quillnote::demo {

std::optional<COLORREF> platformColour(Colour colour)
{
    const auto bits = static_cast<std::uint32_t>(colour);
    if (bits <= 0xFFFFFFu)
        return static_cast<COLORREF>(bits);
    if (isSystemColour(colour) && (bits & 0x7F000000u) == 0) {
        const int index = systemColourIndex(colour);
        // GetSysColor answers 0 for an index that does not exist; the brush
        // tells the two apart.
        if (GetSysColorBrush(index) != nullptr)
            return GetSysColor(index);
    }
    return std::nullopt;
}

} // namespace quillnote::demo
