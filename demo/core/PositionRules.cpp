#include "PositionRules.h"

#include "NumberReading.h"
#include "core/Rounding.h"

namespace quillnote::demo {

std::int32_t arrowKeyStep(std::int32_t value, const UpDownRange& range, ArrowKey key)
{
    if (key == ArrowKey::Up)
        return value < range.max ? (value > range.max - range.increment ? range.max : value + range.increment) : value;
    return range.min < value ? (value < range.min + range.increment ? range.min : value - range.increment) : value;
}

std::int32_t settledValue(std::u16string_view text, const UpDownRange& range, std::int32_t current)
{
    const std::optional<double> number = readNumber(text);
    if (!number)
        return current;
    if (*number < range.min)
        return range.min;
    if (*number > range.max)
        return range.max;
    return whole(*number);
}

} // namespace quillnote::demo
