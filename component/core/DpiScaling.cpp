#include "DpiScaling.h"

#include "Rounding.h"

namespace quillnote {

int usableDpi(int dpi) { return dpi > 0 && dpi <= 100 * DesignDpi ? dpi : DesignDpi; }

double twipsPerPixelAt(int dpi) { return 1440.0 / usableDpi(dpi); }

int scaledPixels(int designPixels, int dpi)
{
    const int scaled = whole(static_cast<double>(designPixels) * usableDpi(dpi) / DesignDpi);
    return designPixels > 0 && scaled < 1 ? 1 : scaled;
}

} // namespace quillnote
