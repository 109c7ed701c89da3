#include "CopiedText.h"

namespace quillnote {

namespace {
constexpr char16_t Rule[] = u"---------------------------\r\n";
} // namespace

std::u16string withoutAccessMarkers(const std::u16string& caption)
{
    std::u16string out;
    out.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&') {
            out += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == u'&') {
            // "&&" stands for one '&'; a lone '&' only marks the next letter.
            out += u'&';
            ++i;
        }
    }
    return out;
}

std::u16string copiedText(const std::u16string& heading, const std::u16string& message,
                          const std::vector<std::u16string>& buttonCaptions,
                          const std::optional<CopiedCheckBox>& checkBox)
{
    std::u16string text = Rule;
    text += heading;
    text += u"\r\n";
    text += Rule;
    text += message;
    text += u"\r\n";
    if (checkBox) {
        text += checkBox->checked ? u"[x] " : u"[ ] ";
        text += withoutAccessMarkers(checkBox->caption);
        text += u"\r\n";
    }
    text += Rule;
    for (const std::u16string& caption : buttonCaptions) {
        text += withoutAccessMarkers(caption);
        text += u"   ";
    }
    text += u"\r\n";
    text += Rule;
    return text;
}

} // namespace quillnote
