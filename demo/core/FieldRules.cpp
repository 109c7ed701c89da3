#include "FieldRules.h"

namespace quillnote::demo {

std::u16string decimalText(std::int32_t value)
{
    const std::string ascii = std::to_string(value);
    return std::u16string(ascii.begin(), ascii.end());
}

} // namespace quillnote::demo
