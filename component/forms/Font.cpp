#include "Font.h"

#include <cmath>

namespace quillnote::forms {

Font::Font(const FontSpec& description) : font_(createFont(description)) {}
Font::Font(const FontSpec& description, int dpi) : font_(createFont(description, dpi)) {}

UniqueFont createFont(const FontSpec& description)
{
    WindowDc screen(nullptr);
    return createFont(description, screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96);
}

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

SIZE measureText(HFONT font, const std::wstring& text)
{
    SIZE size = {0, 0};
    WindowDc screen(nullptr);
    if (!screen.get())
        return size;
    SelectGuard select(screen.get(), font);
    if (text.empty()) {
        // An empty caption keeps the height of one line, as a label does.
        TEXTMETRICW metrics = {};
        GetTextMetricsW(screen.get(), &metrics);
        size.cy = metrics.tmHeight;
        return size;
    }
    RECT rect = {0, 0, 0, 0};
    DrawTextW(screen.get(), text.c_str(), static_cast<int>(text.size()), &rect, LabelTextFlags | DT_CALCRECT);
    size.cx = rect.right - rect.left;
    size.cy = rect.bottom - rect.top;
    return size;
}

} // namespace quillnote::forms
