#pragma once
// The colours a dialog shows, from the colours the caller set, the Theme
// property and how the user's system looks: under high contrast every colour
// is the system's and nothing is shaded (the platform's accessibility rule,
// whatever the theme); with a dark theme (Theme 2, or Theme 1 while the
// user's apps are dark) the colours the caller left at their defaults take
// the dark palette, and the caller's own colours stay.

#include "DrawingSurface.h"
#include "Values.h"

#include <cstdint>

namespace quillnote {

// How the user's system looks.
enum class SystemLook { Light, Dark, HighContrast };

// The five colours of the dialog and whether it may shade: as the caller set
// them, or as the dialog shows them.
struct DialogColours {
    Colour headingBack = 0;
    Colour headingFore = 0;
    Colour bodyBack = 0;
    Colour bodyFore = 0;
    Colour buttonsBack = 0;
    // The buttons' and the inactive heading's colours have no property: the
    // system's unless a theme gives them.
    Colour buttonsFore = 0;
    Colour inactiveHeadingBack = 0;
    // The heading may be a gradient (SolidColorHeading off) and the body may
    // be shaded (GradientPaint on), as the caller set them.
    bool headingGradient = true;
    bool bodyShading = false;
};

// The caller's choice: the properties' colours and shading, the rest as the
// system's.
DialogColours colourChoice(Colour headingBack, Colour headingFore, Colour bodyBack, Colour bodyFore, Colour buttonsBack,
                           bool solidHeading, bool gradientPaint);

// What the dialog shows for `set` with `theme` (the Theme property) on a
// system that looks `look`.
DialogColours themedColours(const DialogColours& set, std::int16_t theme, SystemLook look);

// The dark palette's colours, as RGB (0x00BBGGRR).
namespace DarkPalette {
constexpr Colour HeadingBack = 0x00302D2D;     // RGB(45, 45, 48)
constexpr Colour HeadingFore = 0x00FFFFFF;     // white
constexpr Colour InactiveHeading = 0x002B2B2B; // RGB(43, 43, 43)
constexpr Colour BodyBack = 0x00202020;        // RGB(32, 32, 32)
constexpr Colour BodyFore = 0x00F0F0F0;        // RGB(240, 240, 240)
constexpr Colour ButtonsBack = 0x003C3C3C;     // RGB(60, 60, 60)
constexpr Colour ButtonsFore = 0x00F0F0F0;
} // namespace DarkPalette

// The contrast ratio of two colours as the accessibility guidelines define
// it, from 1 (equal) to 21 (black on white).
double contrastRatio(const Rgb& a, const Rgb& b);

} // namespace quillnote
