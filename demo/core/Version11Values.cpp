#include "Version11Values.h"

#include "NumberReading.h"

namespace quillnote::demo {

bool operator==(const Version11Values& a, const Version11Values& b)
{
    return a.showCountdown == b.showCountdown && a.timeoutResult == b.timeoutResult &&
           a.buttonCaptions == b.buttonCaptions && a.checkBoxText == b.checkBoxText &&
           a.checkBoxValue == b.checkBoxValue && a.ownedByWindow == b.ownedByWindow && a.theme == b.theme;
}

std::u16string_view themeChoiceText(int theme)
{
    switch (theme) {
    case 1:
        return u"1 - Follow the user's light or dark mode";
    case 2:
        return u"2 - Dark always";
    default:
        return u"0 - The colours as set";
    }
}

int themeChoiceIndex(std::int16_t theme) { return theme >= 0 && theme < ThemeChoiceCount ? theme : 0; }

std::optional<std::int16_t> readTimeoutResult(std::u16string_view text) { return readInt16(text); }

std::u16string timeoutResultText(std::int16_t value)
{
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

} // namespace quillnote::demo
