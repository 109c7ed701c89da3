#pragma once
// The Buttons argument of a MsgBox call, composed from the window's three
// option groups: an icon, a button set and a default button.

#include <array>
#include <cstdint>

namespace quillnote::demo {

// The values of the platform's message-box constants that the option
// buttons are captioned with, by index in their group.
constexpr std::array<std::int16_t, 5> IconValues = {0, 16, 32, 48, 64};     // None, vbCritical ... vbInformation
constexpr std::array<std::int16_t, 6> ButtonSetValues = {0, 1, 2, 3, 4, 5}; // vbOkOnly ... vbRetryCancel
constexpr std::array<std::int16_t, 3> DefaultButtonValues = {0, 256, 512};  // vbDefaultButton1 ... 3

struct OptionGroups {
    std::array<bool, 5> icon{};
    std::array<bool, 6> buttonSet{};
    std::array<bool, 3> defaultButton{};
};

// The sum of the value of the first selected member of each group, tested
// from index 0 upward; a group without a selection adds nothing. Between 0
// and 581.
std::int16_t composeButtons(const OptionGroups& groups);

} // namespace quillnote::demo
