#pragma once
// Number conversions with the rounding rule the component uses everywhere a
// value is stored as a whole number: to the nearest integer, a half going to
// the even neighbour. Out-of-range conversions are reported, never wrapped.

#include <cstdint>
#include <optional>

namespace quillnote {

// Nearest integer to v, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// Independent of the floating-point environment's rounding mode.
double roundHalfEven(double v);

// roundHalfEven(v) as a 16-bit or 32-bit signed integer; empty when the
// rounded value does not fit (an overflow) or v is not a number.
std::optional<std::int16_t> toInt16(double v);
std::optional<std::int32_t> toInt32(double v);

// Whole number of a layout value that is known to fit (twips of a screen).
// Saturates instead of overflowing for values that cannot occur on a screen.
std::int32_t whole(double v);

// The floor and the ceiling of v as an int, for pixel indexes: exact within
// the int range, saturating outside it, and the lowest int for a value that
// is not a number (so that a run from it to anything is empty).
int floorToInt(double v);
int ceilToInt(double v);

} // namespace quillnote
