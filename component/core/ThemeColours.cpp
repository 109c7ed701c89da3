#include "ThemeColours.h"

#include "PropertyDefaults.h"

#include <cmath>

namespace quillnote {

namespace {

constexpr Colour ButtonTextColour = systemColour(SysColour::ButtonText);
constexpr Colour InactiveCaptionColour = systemColour(SysColour::InactiveCaption);
constexpr int CaptionText = 9;

// Under high contrast: the system's colours for every part.
DialogColours highContrast()
{
    DialogColours c;
    c.headingBack = systemColour(SysColour::ActiveCaption);
    c.headingFore = systemColour(CaptionText);
    c.inactiveHeadingBack = InactiveCaptionColour;
    c.bodyBack = systemColour(SysColour::ButtonFace);
    c.bodyFore = systemColour(SysColour::ButtonText);
    c.buttonsBack = systemColour(SysColour::ButtonFace);
    c.buttonsFore = ButtonTextColour;
    c.headingGradient = false;
    c.bodyShading = false;
    return c;
}

Colour darkUnlessSet(Colour set, Colour byDefault, Colour dark) { return set == byDefault ? dark : set; }

// A channel's share of the light, as the guidelines weigh it.
double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const Rgb& c) { return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b); }

} // namespace

DialogColours colourChoice(Colour headingBack, Colour headingFore, Colour bodyBack, Colour bodyFore, Colour buttonsBack,
                           bool solidHeading, bool gradientPaint)
{
    DialogColours c;
    c.headingBack = headingBack;
    c.headingFore = headingFore;
    c.bodyBack = bodyBack;
    c.bodyFore = bodyFore;
    c.buttonsBack = buttonsBack;
    c.buttonsFore = ButtonTextColour;
    c.inactiveHeadingBack = InactiveCaptionColour;
    c.headingGradient = !solidHeading;
    c.bodyShading = gradientPaint;
    return c;
}

DialogColours themedColours(const DialogColours& set, std::int16_t theme, SystemLook look)
{
    if (look == SystemLook::HighContrast)
        return highContrast();
    const bool dark = theme == 2 || (theme == 1 && look == SystemLook::Dark);
    if (!dark)
        return set;
    DialogColours c = set;
    c.headingBack = darkUnlessSet(set.headingBack, Default::BackColorHeading, DarkPalette::HeadingBack);
    c.headingFore = darkUnlessSet(set.headingFore, Default::ForeColorHeading, DarkPalette::HeadingFore);
    c.bodyBack = darkUnlessSet(set.bodyBack, Default::BackColorBody, DarkPalette::BodyBack);
    c.bodyFore = darkUnlessSet(set.bodyFore, Default::ForeColorBody, DarkPalette::BodyFore);
    c.buttonsBack = darkUnlessSet(set.buttonsBack, Default::BackColorButtons, DarkPalette::ButtonsBack);
    // The buttons' text and the inactive heading go with the dark buttons
    // and heading; against colours of the caller's they stay the system's.
    if (c.buttonsBack == DarkPalette::ButtonsBack)
        c.buttonsFore = DarkPalette::ButtonsFore;
    if (c.headingBack == DarkPalette::HeadingBack) {
        c.inactiveHeadingBack = DarkPalette::InactiveHeading;
        // A gradient lightens the heading to the right, towards its light
        // text: a dark heading stays one colour, so the text keeps its
        // contrast along the whole strip.
        c.headingGradient = false;
    }
    return c;
}

double contrastRatio(const Rgb& a, const Rgb& b)
{
    const double la = luminance(a), lb = luminance(b);
    const double lighter = la > lb ? la : lb, darker = la > lb ? lb : la;
    return (lighter + 0.05) / (darker + 0.05);
}

} // namespace quillnote
