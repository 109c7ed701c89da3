#pragma once
// Small rules of the demonstration window's text fields that need no window:
// the key filter of the colour fields, their alignment at rest, and the text
// that the colour chooser writes.

#include <cstdint>
#include <string>
#include <string_view>

namespace quillnote::demo {

// Every key typed into a colour field goes through this: the letters a to z
// become capitals, so that "&h8000000f" reads as "&H8000000F". Nothing is
// refused; other characters pass unchanged.
constexpr char16_t upperCaseKey(char16_t key)
{
    return (key >= 97 && key <= 122) ? static_cast<char16_t>(key - 32) : key;
}

// A colour field that loses the focus is right-aligned only when its text
// starts with a decimal digit (a plain number); "&H..." texts, negative
// numbers and anything else stay left-aligned.
constexpr bool alignsRightAtRest(std::u16string_view text)
{
    return !text.empty() && text.front() >= u'0' && text.front() <= u'9';
}

// A colour written back as a decimal integer: a minus sign for negative
// values, no leading zeros, no thousands separators.
std::u16string decimalText(std::int32_t value);

} // namespace quillnote::demo
