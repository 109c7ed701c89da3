#include "CustomCaptions.h"

namespace quillnote {

namespace {

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

std::vector<std::u16string> split(const std::u16string& text, char16_t separator)
{
    std::vector<std::u16string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::u16string::npos ? std::u16string::npos : end - start));
        if (end == std::u16string::npos)
            return parts;
        start = end + 1;
    }
}

} // namespace

std::vector<std::u16string> captionsOfButtons(const std::u16string& given, const std::vector<std::u16string>& standard)
{
    std::vector<std::u16string> captions = standard;
    if (given.empty())
        return captions;
    const std::vector<std::u16string> entries = split(given, u'|');
    for (std::size_t i = 0; i < captions.size() && i < entries.size(); ++i)
        if (!entries[i].empty())
            captions[i] = cutCaption(entries[i]);
    return captions;
}

std::u16string cutCaption(const std::u16string& caption)
{
    if (caption.size() <= MaxCaptionLength)
        return caption;
    std::size_t keep = MaxCaptionLength - 1;
    if (isHighSurrogate(caption[keep - 1]))
        --keep;
    // A trailing "&" would underline the ellipsis; "&&" is a literal "&".
    std::size_t ampersands = 0;
    while (ampersands < keep && caption[keep - 1 - ampersands] == u'&')
        ++ampersands;
    if (ampersands % 2 == 1)
        --keep;
    return caption.substr(0, keep) + u'\u2026';
}

std::u16string countdownCaption(const std::u16string& caption, int secondsLeft)
{
    std::u16string seconds;
    const std::string digits = std::to_string(secondsLeft);
    seconds.assign(digits.begin(), digits.end());
    return caption + u" (" + seconds + u")";
}

} // namespace quillnote
