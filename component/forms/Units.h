#pragma once
// Twips and pixels. The form layer keeps every position and size in twips,
// as the dialog's code sets them, and converts at the window system's edge.

#include "core/Rounding.h"

namespace quillnote::forms {

struct Units {
    double twipsPerPixelX = 15.0;
    double twipsPerPixelY = 15.0;

    int xPixels(double twips) const { return whole(twips / twipsPerPixelX); }
    int yPixels(double twips) const { return whole(twips / twipsPerPixelY); }
    double xTwips(int pixels) const { return pixels * twipsPerPixelX; }
    double yTwips(int pixels) const { return pixels * twipsPerPixelY; }
};

} // namespace quillnote::forms
