#pragma once
// The flags argument of MsgBox in the platform message box's numbering:
// button set in the lowest four bits, icon in the next four, default button
// from bit 8 on. The decoding below reproduces the component's own integer
// arithmetic (not a plain bit mask), because that arithmetic decides what
// odd values such as negative flags or 4096 and above produce.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillnote {

struct DecodedButtons {
    int defaultButton; // d: index of the default button (0 or more; 16 or more for flags >= 4096)
    int iconNumber;    // k: 1 critical, 2 question, 3 exclamation, 4 information; 0 or less none
    int buttonSet;     // r: 0..15, the row of the button-set table
};

// Splits Buttons into default button, icon number and button set with
// 16-bit signed arithmetic and division truncating toward zero. IconIndex is
// iconNumber - 1. A negative value gives d 0, k 0 or less and set 0.
DecodedButtons decodeButtons(std::int16_t buttons);

// Captions of MsgButton(0), MsgButton(1), MsgButton(2) for a button set, as
// many as the set has buttons (its button count n). Sets 6 to 15, and any
// other number, have no buttons.
std::vector<std::u16string> buttonCaptions(int buttonSet);

// The code the dialog returns when the button with this caption is pressed.
// The comparison is exact and case-sensitive: only the seven captions that
// buttonCaptions produces have a code.
std::optional<std::int16_t> resultCodeForCaption(const std::u16string& caption);

namespace ResultCodes {
constexpr std::int16_t None = 0; // countdown ran out, modeless show, load failure
constexpr std::int16_t Ok = 1;
constexpr std::int16_t Cancel = 2; // also Esc and the close box
constexpr std::int16_t Abort = 3;
constexpr std::int16_t Retry = 4;
constexpr std::int16_t Ignore = 5;
constexpr std::int16_t Yes = 6;
constexpr std::int16_t No = 7;
} // namespace ResultCodes

} // namespace quillnote
