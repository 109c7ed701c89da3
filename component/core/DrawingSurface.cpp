#include "DrawingSurface.h"

namespace quillnote {

namespace {
int clampChannel(int v) { return v < 0 ? 0 : v > 255 ? 255 : v; }
} // namespace

std::uint32_t composeRgb(const Rgb& c)
{
    return static_cast<std::uint32_t>(clampChannel(c.r)) | (static_cast<std::uint32_t>(clampChannel(c.g)) << 8) |
           (static_cast<std::uint32_t>(clampChannel(c.b)) << 16);
}

Rgb splitRgb(std::uint32_t bgr)
{
    return Rgb{static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF), static_cast<int>((bgr >> 16) & 0xFF)};
}

std::uint32_t resolveColour(Colour colour, const SystemColourLookup& lookup)
{
    if (isSystemColour(colour))
        return lookup ? (lookup(systemColourIndex(colour)) & 0xFFFFFFu) : 0u;
    return static_cast<std::uint32_t>(colour) & 0xFFFFFFu;
}

} // namespace quillnote
