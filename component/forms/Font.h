#pragma once
// Fonts of the form layer, described by face, size in points and weight.

#include "Gdi.h"

#include <string>

namespace quillnote::forms {

// The form layer's font is MS Sans Serif at 8.25 points, regular: what a
// default FontSpec describes.
struct FontSpec {
    std::wstring face = L"MS Sans Serif";
    double points = 8.25;
    int weight = FW_NORMAL;
};

// A font as described, its height in pixels from the screen's resolution
// (8.25 points at 96 DPI are 11 pixels), or from the resolution given.
UniqueFont createFont(const FontSpec& description);
UniqueFont createFont(const FontSpec& description, int dpi);

class Font {
public:
    explicit Font(const FontSpec& description);
    Font(const FontSpec& description, int dpi);
    HFONT get() const { return font_.get(); }

private:
    UniqueFont font_;
};

// Size of text drawn in font as a label draws it (LabelText): the widest
// line and all lines. Lines break at CR LF, CR or LF; '&' is shown as it is.
SIZE measureText(HFONT font, const std::wstring& text);

// Text flags shared by measuring and drawing: multi-line, tabs expanded,
// no prefix processing, no clipping.
constexpr UINT LabelTextFlags = DT_NOPREFIX | DT_EXPANDTABS | DT_NOCLIP;

} // namespace quillnote::forms
