#include "Screen.h"

#include "Gdi.h"
#include "core/DpiScaling.h"

#include <windows.h>

namespace quillnote::forms {

namespace {

int screenDpiOf(int axis)
{
    // A memory DC has the screen's resolution, and asks the window system
    // for nothing.
    const UniqueMemoryDc screen(CreateCompatibleDC(nullptr));
    const int dpi = screen.get() ? GetDeviceCaps(screen.get(), axis) : 0;
    return usableDpi(dpi);
}

} // namespace

// 15 twips per pixel at 96 DPI, 10 at 144; 7.5 at 192, where a whole
// number would make every twips size a fifteenth too large.
double Screen::twipsPerPixelX() { return twipsPerPixelAt(screenDpiOf(LOGPIXELSX)); }
double Screen::twipsPerPixelY() { return twipsPerPixelAt(screenDpiOf(LOGPIXELSY)); }
double Screen::width() { return GetSystemMetrics(SM_CXSCREEN) * twipsPerPixelX(); }
double Screen::height() { return GetSystemMetrics(SM_CYSCREEN) * twipsPerPixelY(); }

Units screenUnits() { return Units{Screen::twipsPerPixelX(), Screen::twipsPerPixelY()}; }

int screenDpi() { return screenDpiOf(LOGPIXELSY); }

Units unitsAt(int dpi) { return Units{twipsPerPixelAt(dpi), twipsPerPixelAt(dpi)}; }

} // namespace quillnote::forms
