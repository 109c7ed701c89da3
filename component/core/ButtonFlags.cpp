#include "ButtonFlags.h"

#include <array>

namespace quillnote {

namespace {

// All arithmetic of the decoding stays in 16-bit signed values, as the
// component declares them. C++ integer division already truncates toward
// zero; no intermediate value can leave the 16-bit range (|d| <= 128,
// 256 * 127 = 32512, and 16 * k is only formed for 16 <= r <= 255).
using Int16 = std::int16_t;

Int16 defaultButtonNumber(Int16 buttons)
{
    const Int16 d = static_cast<Int16>(buttons / 256);
    // A negative quotient would point before the first button.
    return d < 0 ? Int16{0} : d;
}

Int16 buttonSetNumber(Int16 remainder, Int16 iconNumber)
{
    Int16 r = remainder;
    if (r > 15) {
        // Strip the icon nibble: 16 * (max(k - 1, 0) + 1), which is 16 * k
        // because k >= 1 whenever r > 15.
        const Int16 iconPart = static_cast<Int16>(iconNumber - 1 > 0 ? iconNumber - 1 : 0);
        r = static_cast<Int16>(r - 16 * (iconPart + 1));
    }
    // A negative flags value leaves a negative remainder; it falls back to
    // the first set (one OK button).
    return r < 0 ? Int16{0} : r;
}

struct CaptionCode {
    const char16_t* caption;
    std::int16_t code;
};

// Captions in the order in which they are compared, with their codes.
constexpr std::array<CaptionCode, 7> CaptionCodes{{
    {u"&OK", ResultCodes::Ok},
    {u"Cancel", ResultCodes::Cancel},
    {u"&Abort", ResultCodes::Abort},
    {u"&Retry", ResultCodes::Retry},
    {u"&Ignore", ResultCodes::Ignore},
    {u"&Yes", ResultCodes::Yes},
    {u"&No", ResultCodes::No},
}};

} // namespace

DecodedButtons decodeButtons(std::int16_t buttons)
{
    const Int16 d = defaultButtonNumber(buttons);
    const Int16 remainder = static_cast<Int16>(buttons - 256 * d);
    const Int16 k = static_cast<Int16>(remainder / 16);
    return DecodedButtons{d, k, buttonSetNumber(remainder, k)};
}

std::vector<std::u16string> buttonCaptions(int buttonSet)
{
    switch (buttonSet) {
    case 0:
        return {u"&OK"};
    case 1:
        return {u"&OK", u"Cancel"};
    case 2:
        return {u"&Abort", u"&Retry", u"&Ignore"};
    case 3:
        return {u"&Yes", u"&No", u"Cancel"};
    case 4:
        return {u"&Yes", u"&No"};
    case 5:
        return {u"&Retry", u"Cancel"};
    default:
        return {}; // 6 to 15: a dialog without buttons
    }
}

std::optional<std::int16_t> resultCodeForCaption(const std::u16string& caption)
{
    for (const CaptionCode& entry : CaptionCodes) {
        if (caption == entry.caption)
            return entry.code;
    }
    return std::nullopt;
}

} // namespace quillnote
