#pragma once
// The position fields LeftPos and TopPos: text boxes that are the buddies of
// the up-downs LeftUpDown and TopUpDown. What their arrow keys do, and which
// value the up-down takes from a text that the user typed.

#include "Selectors.h"

#include <cstdint>
#include <string_view>

namespace quillnote::demo {

enum class ArrowKey { Up, Down };

// Up adds the increment, Down subtracts it, never beyond the range; at a
// limit the value stays.
std::int32_t arrowKeyStep(std::int32_t value, const UpDownRange& range, ArrowKey key);

// The value that the up-down takes from its buddy's text whenever the program
// needs it (an arrow key, leaving the field, the Show action). The text is
// read with the number-reading rule, so the up-down holds what the text says:
// below the range gives the minimum (0), above it the maximum, and a number in
// range its nearest integer, halves to even ("100.5" gives 100, "abc" and an
// empty text give 0). A number too large to be read at all keeps `current`.
std::int32_t settledValue(std::u16string_view text, const UpDownRange& range, std::int32_t current);

} // namespace quillnote::demo
