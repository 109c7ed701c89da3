#include "FallbackFonts.h"

namespace quillnote::forms {

// Where the design face (MS Sans Serif, a bitmap font of one code page)
// lacks a character, the text takes the first of these faces that has it.
// First the faces a Windows desktop has for its own dialogs and links to
// MS Sans Serif: Tahoma and Microsoft Sans Serif (Greek, Cyrillic, Hebrew,
// Arabic, Thai), Segoe UI, then the Chinese, Japanese and Korean UI faces
// and the symbol and emoji faces. Then the free faces a Linux desktop
// running Wine has: Wine 8 falls back from none of its fonts to them (it
// draws a box instead), so the dialog asks for them by name. DejaVu Sans
// covers Greek, Cyrillic, Hebrew, Arabic and many symbols and emoji; Droid
// Sans Fallback Chinese and Japanese; LexiGulim every Hangul syllable
// (Droid Sans Fallback has only some). Measured under Wine 8: Tahoma has
// Cyrillic and Arabic but no Greek or Hebrew; the Windows faces that are
// missing come back as Liberation Sans and are skipped.
const std::vector<std::wstring>& FallbackFonts::faces()
{
    static const std::vector<std::wstring> list = {
        L"Tahoma",
        L"Microsoft Sans Serif",
        L"Segoe UI",
        L"Microsoft YaHei",
        L"SimSun",
        L"Meiryo",
        L"MS UI Gothic",
        L"Malgun Gothic",
        L"Gulim",
        L"Segoe UI Symbol",
        L"Segoe UI Emoji",
        L"DejaVu Sans",
        L"Droid Sans Fallback",
        L"LexiGulim",
    };
    return list;
}

FallbackFonts::FallbackFonts(HFONT design)
{
    GetObjectW(design, sizeof design_, &design_);
    Entry first;
    first.font = design;
    entries_.push_back(std::move(first));
    for (const std::wstring& face : faces()) {
        Entry entry;
        entry.face = face;
        entries_.push_back(std::move(entry));
    }
}

FallbackFonts::~FallbackFonts()
{
    for (Entry& entry : entries_)
        ScriptFreeCache(&entry.cache);
}

void FallbackFonts::realize(HDC dc, Entry& entry)
{
    if (entry.tried)
        return;
    entry.tried = true;
    if (!entry.face.empty()) {
        LOGFONTW lf = design_;
        lf.lfCharSet = DEFAULT_CHARSET;
        lstrcpynW(lf.lfFaceName, entry.face.c_str(), LF_FACESIZE);
        entry.owned = UniqueFont(CreateFontIndirectW(&lf));
        entry.font = entry.owned.get();
    }
    if (!entry.font)
        return;
    SelectGuard select(dc, entry.font);
    wchar_t realized[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, realized);
    if (!entry.face.empty() && lstrcmpiW(realized, entry.face.c_str()) != 0) {
        entry.owned = UniqueFont();
        entry.font = nullptr;
        return;
    }
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    entry.trueType = (metrics.tmPitchAndFamily & (TMPF_TRUETYPE | TMPF_VECTOR)) != 0;
}

HFONT FallbackFonts::font(HDC dc, int index)
{
    Entry& entry = entries_[static_cast<std::size_t>(index)];
    realize(dc, entry);
    return entry.font;
}

bool FallbackFonts::has(HDC dc, int index, char32_t c)
{
    Entry& entry = entries_[static_cast<std::size_t>(index)];
    realize(dc, entry);
    if (!entry.font)
        return false;
    if (c >= 0x10000)
        return hasSupplementary(dc, entry, c);
    SelectGuard select(dc, entry.font);
    const wchar_t unit = static_cast<wchar_t>(c);
    WORD glyph = 0xFFFF;
    return GetGlyphIndicesW(dc, &unit, 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS) == 1 && glyph != 0xFFFF;
}

// GetGlyphIndicesW sees only UTF-16 units: a character beyond the Basic
// Multilingual Plane is shaped as its surrogate pair and present when it
// becomes one glyph other than the face's default glyph. A bitmap font has
// only the 256 characters of its code page (Wine's Uniscribe hands back the
// two units as glyphs there), so it has none of them.
bool FallbackFonts::hasSupplementary(HDC dc, Entry& entry, char32_t c)
{
    if (!entry.trueType)
        return false;
    const char32_t offset = c - 0x10000;
    const wchar_t pair[2] = {static_cast<wchar_t>(0xD800 + (offset >> 10)),
                             static_cast<wchar_t>(0xDC00 + (offset & 0x3FF))};
    SCRIPT_ITEM items[3] = {};
    int itemCount = 0;
    if (FAILED(ScriptItemize(pair, 2, 2, nullptr, nullptr, items, &itemCount)))
        return false;
    SelectGuard select(dc, entry.font);
    WORD glyphs[4] = {};
    WORD clusters[2] = {};
    SCRIPT_VISATTR attributes[4] = {};
    int glyphCount = 0;
    if (FAILED(ScriptShape(dc, &entry.cache, pair, 2, 4, &items[0].a, glyphs, clusters, attributes, &glyphCount)))
        return false;
    SCRIPT_FONTPROPERTIES properties = {};
    properties.cBytes = sizeof properties;
    if (FAILED(ScriptGetFontProperties(dc, &entry.cache, &properties)))
        return false;
    return glyphCount == 1 && glyphs[0] != properties.wgDefault && glyphs[0] != 0;
}

} // namespace quillnote::forms
