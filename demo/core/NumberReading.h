#pragma once
// The number-reading rule of the demonstration program: what the runtime's
// Val makes of the text of a colour field, a position field or TimerSeconds.
//
// 1. Blanks, tabs and line feeds are ignored wherever they stand. A carriage
//    return is not: it ends the number like any other character that cannot
//    continue it.
// 2. "&H" or "&O" (either case) reads the hexadecimal or octal digits that
//    follow. Up to 0xFFFF the value is a 16-bit two's-complement number, above
//    it (up to 0xFFFFFFFF) a 32-bit one: "&HFFFF" is -1, "&H8000000F" is
//    -2147483633, the pattern of a system-colour reference.
// 3. Otherwise the longest beginning that is a decimal number: a sign, digits,
//    a point and digits, an exponent (E or D, either case, a sign, digits).
// 4. A text without a number at its start reads 0.

#include <cstdint>
#include <optional>
#include <string_view>

namespace quillnote::demo {

// The number at the start of text. Empty only when the number is too large to
// be read at all: hexadecimal or octal digits worth more than 32 bits, or a
// decimal number beyond the range of a double (where the runtime reports an
// overflow).
std::optional<double> readNumber(std::u16string_view text);

// The number read, converted to the nearest integer (halves to the even
// neighbour). Empty when the text's number cannot be read or the integer does
// not fit the type.
std::optional<std::int32_t> readInt32(std::u16string_view text);
std::optional<std::int16_t> readInt16(std::u16string_view text);

} // namespace quillnote::demo
