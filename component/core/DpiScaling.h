#pragma once
// Sizes at the resolution a window is shown at. The dialog is designed at
// 96 dots per inch (15 twips to the pixel); at another resolution its twips
// turn into more or fewer pixels, and the few sizes given in pixels (the
// close box's pictures, a button's focus inset) grow in proportion.

namespace quillnote {

constexpr int DesignDpi = 96;

// The resolution to work with: a value no window system reports (zero,
// negative or beyond 100 times the design) is taken as the design's 96.
int usableDpi(int dpi);

// Twips per pixel at a resolution: 15 at 96, 12 at 120, 10 at 144, 7.5 at
// 192 (1440 twips to the inch).
double twipsPerPixelAt(int dpi);

// A size designed in pixels at 96 DPI, at dpi: to the nearest pixel (halves
// to even), never below 1 for a positive size. 14 is 21 at 144 and 28 at 192.
int scaledPixels(int designPixels, int dpi);

} // namespace quillnote
