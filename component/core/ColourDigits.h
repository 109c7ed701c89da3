#pragma once
// The colour-text routines of the fade painter: a colour as decimal or "&H"
// text split into nine digits RRRGGGBBB, and a whole number as hexadecimal.

#include <string>

namespace quillnote {

// Hexadecimal digits of a non-negative whole number, upper case, no prefix,
// no leading zeros; "0" for zero. Negative or fractional input is taken by
// its whole part towards minus infinity, as the division it repeats does;
// a value that is not a number gives "0".
std::string decimalToHex(double value);
// The same for the decimal text of a number; text without a number gives "0".
std::string decimalToHex(const std::string& decimalText);

// RRRGGGBBB (each channel as three decimal digits) of a colour given as
// decimal text or as "&H" text; the empty string for text that is neither.
// A decimal text is rewritten in place as its hexadecimal digits (a negative
// one as FF), as callers of this routine have always seen.
std::string colorToDigits(std::string& text);

// Is the text a number as the form runtime's numeric test sees it: blanks
// around, an optional sign, digits with an optional point and exponent, or
// "&H" / "&O" digits?
bool isNumericText(const std::string& text);

} // namespace quillnote
