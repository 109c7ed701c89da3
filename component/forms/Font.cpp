#include "Font.h"

#include "LabelText.h"
#include "Screen.h"

#include <cmath>

namespace quillnote::forms {

Font::Font(const FontSpec& description) : font_(createFont(description)) {}
Font::Font(const FontSpec& description, int dpi) : font_(createFont(description, dpi)) {}

UniqueFont createFont(const FontSpec& description) { return createFont(description, screenDpi()); }

UniqueFont createFont(const FontSpec& description, int dpi)
{
    LOGFONTW lf = {};
    lf.lfHeight = -static_cast<LONG>(std::lround(description.points * dpi / 72.0));
    lf.lfWeight = description.weight;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(lf.lfFaceName, description.face.c_str(), LF_FACESIZE);
    return UniqueFont(CreateFontIndirectW(&lf));
}

SIZE measureText(HFONT font, const std::wstring& text) { return LabelText(font, text).size(); }

} // namespace quillnote::forms
