#pragma once
// The up-downs of the demonstration window: their ranges and steps, and the
// description tables of the four selectors (start-up position, text
// alignment, heading type, gradient direction).

#include <cstdint>
#include <optional>
#include <string_view>

namespace quillnote::demo {

struct UpDownRange {
    std::int32_t min;
    std::int32_t max;
    std::int32_t increment;
    std::int32_t initial; // the value at start and after Reset
};

// The dialog's position in twips, typed or stepped.
constexpr UpDownRange LeftRange{0, 19200, 15, 0};
constexpr UpDownRange TopRange{0, 12000, 15, 0};

enum class Selector { Position, Alignment, HeadingType, Direction };
constexpr int SelectorCount = 4;

constexpr Selector AllSelectors[SelectorCount] = {Selector::Position, Selector::Alignment, Selector::HeadingType,
                                                  Selector::Direction};

const UpDownRange& selectorRange(Selector selector);

// The description's caption as the window is designed, shown until the value
// first changes. For the start-up position it differs from the table row of
// its own value: "Center of screen (default)" with a lower-case d.
std::u16string_view designCaption(Selector selector);

// The description of a value; empty for a value without a row, which leaves
// the caption as it is.
std::optional<std::u16string_view> describe(Selector selector, std::int32_t value);

} // namespace quillnote::demo
