#pragma once
// The fade painter: nested diamonds or circles around the centre or a
// corner, fading from black to a colour (odd codes) or from a colour to black
// (even codes), drawn smallest first with a 12-pixel pen over a 256 x 256 grid
// laid on the surface.

#include "DrawingSurface.h"

#include <cstdint>

namespace quillnote {

enum class FadeShape { Diamond, Circle };

struct FadeLayout {
    FadeShape shape = FadeShape::Circle;
    int centreX = 128, centreY = 128; // grid units
    bool fadeIn = true;               // odd code: black inside, colour outside
};

// Shape and centre of a stored gradient code 5..16; codes outside fall back
// to the circle around the centre.
FadeLayout fadeLayout(int code);

// The colour of the shape of size n (0..255) for the colour's channels.
Rgb fadeColour(const Rgb& colour, int n, bool fadeIn);

// Paints the fade. A system colour is resolved and written back to colour,
// as the caller's variable. Returns false when it stopped early (colour -1).
bool paintFade(DrawingSurface& target, Colour& colour, std::int16_t& code, const SystemColourLookup& lookup);

constexpr int FadeGrid = 256;
constexpr int FadePenWidth = 12;

} // namespace quillnote
