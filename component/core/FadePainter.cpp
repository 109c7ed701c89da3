#include "FadePainter.h"

#include "ColourDigits.h"
#include "Rounding.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace quillnote {

FadeLayout fadeLayout(int code)
{
    FadeLayout layout;
    layout.fadeIn = code % 2 != 0;
    const int half = whole(FadeGrid / 2.0);
    switch (code) {
    case 5:
    case 6:
        layout.shape = FadeShape::Diamond;
        layout.centreX = half;
        layout.centreY = half;
        break;
    case 9:
    case 10:
        layout.centreX = 0;
        layout.centreY = 0;
        break;
    case 11:
    case 12:
        layout.centreX = FadeGrid;
        layout.centreY = 0;
        break;
    case 13:
    case 14:
        layout.centreX = 0;
        layout.centreY = FadeGrid;
        break;
    case 15:
    case 16:
        layout.centreX = FadeGrid;
        layout.centreY = FadeGrid;
        break;
    default: // 7, 8 and anything else: the centre
        layout.centreX = half;
        layout.centreY = half;
        break;
    }
    return layout;
}

Rgb fadeColour(const Rgb& colour, int n, bool fadeIn)
{
    // Fading in, the loop value rises with the size; fading out, it falls.
    const int i = fadeIn ? n : 255 - n;
    return Rgb{std::min(i, colour.r), std::min(i, colour.g), std::min(i, colour.b)};
}

namespace {

// The channels through the colour's digit text, RRRGGGBBB.
Rgb channelsOf(std::uint32_t bgr)
{
    std::string text = std::to_string(bgr);
    const std::string digits = colorToDigits(text);
    if (digits.size() != 9)
        return Rgb{};
    return Rgb{std::atoi(digits.substr(0, 3).c_str()), std::atoi(digits.substr(3, 3).c_str()),
               std::atoi(digits.substr(6, 3).c_str())};
}

} // namespace

bool paintFade(DrawingSurface& target, Colour& colour, std::int16_t& code, const SystemColourLookup& lookup)
{
    if (colour == NoColour)
        return false;
    target.setAutoRedraw(true);
    if (isSystemColour(colour))
        colour = static_cast<Colour>(resolveColour(colour, lookup));
    const Rgb channels = channelsOf(static_cast<std::uint32_t>(colour) & 0xFFFFFFu);

    const int savedHeight = whole(target.scaleHeight());
    const int savedWidth = whole(target.scaleWidth());
    const int savedMode = target.scaleMode();

    target.setDrawMode(DrawModeCopyPen);
    target.setDrawWidth(FadePenWidth);
    target.setScaleMode(ScalePixels);
    target.setScaleHeight(FadeGrid);
    target.setScaleWidth(FadeGrid);

    const FadeLayout layout = fadeLayout(code);
    target.setBackColor(layout.fadeIn ? colour : 0);
    target.cls();

    // The shapes grow with n and each covers part of the ones before it.
    // Drawn from the largest down, each under those already drawn, they give
    // the same picture with every pixel written once.
    const bool under = target.beginDrawingUnder();
    const double x = layout.centreX, y = layout.centreY;
    for (int k = 0; k < FadeGrid; ++k) {
        const int n = under ? FadeGrid - 1 - k : k;
        const Rgb c = fadeColour(channels, n, layout.fadeIn);
        if (layout.shape == FadeShape::Diamond) {
            const float f = static_cast<float>(n) / 255.0f;
            target.line((1 - f) * x, y, x, (1 - f) * y, c);
            target.lineTo((1 + f) * x, y, c);
            target.lineTo(x, (1 + f) * y, c);
            target.lineTo((1 - f) * x, y, c);
        } else {
            target.circle(x, y, n, c);
        }
    }
    if (under)
        target.endDrawingUnder();

    target.setScaleHeight(savedHeight);
    target.setScaleWidth(savedWidth);
    target.setScaleMode(savedMode);
    return true;
}

} // namespace quillnote
