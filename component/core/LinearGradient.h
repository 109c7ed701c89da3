#pragma once
// The linear gradient painter: 85 bands from a start colour, each a little
// darker (the body) or lighter (the heading) than the one before, top to
// bottom, bottom to top, left to right or right to left.

#include "DrawingSurface.h"

#include <cstdint>
#include <vector>

namespace quillnote {

namespace Direction {
constexpr std::int16_t TopToBottom = 1;
constexpr std::int16_t BottomToTop = 2;
constexpr std::int16_t LeftToRight = 3;
constexpr std::int16_t RightToLeft = 4;
} // namespace Direction

constexpr int GradientBandCount = 85;

struct GradientBand {
    int x1, y1, x2, y2; // in the surface's scale
    Rgb colour;
};

struct GradientPlan {
    std::vector<GradientBand> bands;
    // The band edges are 16-bit: a surface more than 32767 units wide or high
    // overflows, and the bands stop where that happens.
    bool overflowed = false;
};

// Where a gradient that runs left to right or top to bottom ends: where its
// 85 equal steps end (each step rounded, so the last band may stop up to 42
// units short of the far edge), or at the far edge itself. The reversed
// directions always stretch their last band to the near edge.
enum class BandReach { Steps, FarEdge };

// The bands for a surface of width x height units, starting at the colour
// 0x00BBGGRR. A direction outside 1..4 paints as 1.
GradientPlan linearGradientBands(double width, double height, std::uint32_t startBgr, int direction, bool lighten,
                                 bool fast, BandReach reach = BandReach::Steps);

// Clears the surface, switches its persistent picture on and draws the bands.
// Colour -1 draws nothing and changes nothing; system colours resolve through
// lookup.
void paintLinearGradient(DrawingSurface& target, Colour colour, std::int16_t direction, bool lighten, bool fast,
                         const SystemColourLookup& lookup, BandReach reach = BandReach::Steps);

} // namespace quillnote
