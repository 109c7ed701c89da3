#pragma once
// What each property setter makes of the value it is given. Setters never
// fail: a value out of range is replaced by the property's fallback.

#include "PropertyDefaults.h"
#include "Values.h"

#include <cstdint>

namespace quillnote {

// Colour properties: the exact value -1 becomes the property's own system
// colour; every other value, other negative ones included, is kept.
constexpr Colour storedColour(Colour written, Colour fallback) { return written == NoColour ? fallback : written; }

// GradientDirection: values outside 1..16 become 1, then 5..16 are swapped
// with their partner (5<->6, 7<->8, ..., 15<->16). The painter works with the
// stored code; the property reads back the stored code.
constexpr std::int16_t gradientDirectionCode(std::int16_t written)
{
    std::int16_t code = (written < 1 || written > 16) ? std::int16_t{1} : written;
    if (code >= 5)
        code = static_cast<std::int16_t>(code % 2 != 0 ? code + 1 : code - 1);
    return code;
}

constexpr std::int16_t inRangeOr(std::int16_t v, std::int16_t low, std::int16_t high, std::int16_t fallback)
{
    return (v < low || v > high) ? fallback : v;
}

constexpr std::int16_t storedHeadingType(std::int16_t v)
{
    return inRangeOr(v, Heading::Flat, Heading::Etched, Default::HeadingType);
}
constexpr std::int16_t storedTextAlignment(std::int16_t v)
{
    return inRangeOr(v, TextAlign::Left, TextAlign::Centre, Default::TextAlignment);
}
constexpr std::int16_t storedStartUpPosition(std::int16_t v)
{
    return inRangeOr(v, StartUp::Manual, StartUp::CenterOfScreen, Default::StartUpPosition);
}
constexpr std::int16_t storedTimerSeconds(std::int16_t v) { return v < 0 ? std::int16_t{0} : v; }
constexpr std::int32_t storedPosition(std::int32_t v) { return v < 0 ? 0 : v; }

} // namespace quillnote
