#pragma once
// The component's value types: colours in the platform's numbering and the
// 16-bit automation Boolean.

#include <cstdint>

namespace quillnote {

// A colour: 0 or more is an RGB value with red in bits 0 to 7, green in 8 to
// 15 and blue in 16 to 23; a negative value is a system-colour reference,
// 0x80000000 plus an index for GetSysColor. -1 stands for "no colour".
using Colour = std::int32_t;

constexpr Colour NoColour = -1;

constexpr Colour systemColour(int index)
{
    return static_cast<Colour>(0x80000000u | static_cast<std::uint32_t>(index));
}

namespace SysColour {
constexpr int ActiveCaption = 2;
constexpr int InactiveCaption = 3;
constexpr int WindowText = 8;
constexpr int HighlightText = 14;
constexpr int ButtonFace = 15;
constexpr int ButtonText = 18;
} // namespace SysColour

constexpr bool isSystemColour(Colour c) { return c < 0; }
constexpr int systemColourIndex(Colour c) { return static_cast<int>(static_cast<std::uint32_t>(c) & 0xFFFFFFu); }

// The automation Boolean: False 0, True -1. Values are stored as given and
// every reader treats any non-zero value as True.
using Flag = std::int16_t;
constexpr Flag FlagTrue = -1;
constexpr Flag FlagFalse = 0;
constexpr bool isSet(Flag f) { return f != 0; }

} // namespace quillnote
