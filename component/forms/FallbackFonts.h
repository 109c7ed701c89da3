#pragma once
// The design font of a label and the faces tried, in order, for the
// characters it lacks. Each fallback font has the design font's height and
// weight; it is created on first use and kept only when the face itself is
// installed (the font mapper would otherwise hand back some other face
// under the asked name, with coverage nobody chose).

#include "Gdi.h"

#include <usp10.h>

#include <string>
#include <vector>

namespace quillnote::forms {

class FallbackFonts {
public:
    explicit FallbackFonts(HFONT design);
    ~FallbackFonts();
    FallbackFonts(const FallbackFonts&) = delete;
    FallbackFonts& operator=(const FallbackFonts&) = delete;

    // The design font (index 0) and every fallback face after it.
    int count() const { return static_cast<int>(entries_.size()); }
    // The font at `index`; null when its face is not installed here.
    HFONT font(HDC dc, int index);
    // The face's Uniscribe cache, kept as long as the font.
    SCRIPT_CACHE* cache(int index) { return &entries_[static_cast<std::size_t>(index)].cache; }
    // Whether the font at `index` has a glyph for `c` (a code point).
    bool has(HDC dc, int index, char32_t c);

    // The faces tried after the design font, in order.
    static const std::vector<std::wstring>& faces();

private:
    struct Entry {
        std::wstring face;
        UniqueFont owned;
        HFONT font = nullptr;
        bool tried = false;
        bool trueType = false;
        SCRIPT_CACHE cache = nullptr;
    };
    void realize(HDC dc, Entry& entry);
    bool hasSupplementary(HDC dc, Entry& entry, char32_t c);

    LOGFONTW design_ = {};
    std::vector<Entry> entries_;
};

} // namespace quillnote::forms
