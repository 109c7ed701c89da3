#pragma once
// The values of the members that version 1.1 of the component adds, as the
// demonstration program keeps them between Shows: edited in its "Version 1.1
// Properties" window, written by the Show action after the properties of
// 1.0 (to an object that has the interface of 1.1), and reset by Reset.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillnote::demo {

struct Version11Values {
    bool showCountdown = false;
    std::int16_t timeoutResult = 0;
    std::u16string buttonCaptions;
    std::u16string checkBoxText;
    // In and out: the Show action reads back what the user left.
    bool checkBoxValue = false;
    // OwnerWindow is this program's window when set, else 0.
    bool ownedByWindow = false;
    std::int16_t theme = 0;
};

bool operator==(const Version11Values& a, const Version11Values& b);
inline bool operator!=(const Version11Values& a, const Version11Values& b) { return !(a == b); }

// Theme's values in the window's list, in order: 0, 1, 2.
constexpr int ThemeChoiceCount = 3;
std::u16string_view themeChoiceText(int theme);
// The list's position for a value; values outside the list show as 0.
int themeChoiceIndex(std::int16_t theme);

// The TimeoutResult field's text read as the property's Integer (the
// program's number-reading rule): empty when it does not fit 16 bits.
std::optional<std::int16_t> readTimeoutResult(std::u16string_view text);
// The text the field shows for a value.
std::u16string timeoutResultText(std::int16_t value);

} // namespace quillnote::demo
