#include "Screen.h"

#include "Gdi.h"

#include <windows.h>

namespace quillnote::forms {

namespace {

int screenDpi(int axis)
{
    WindowDc screen(nullptr);
    const int dpi = screen.get() ? GetDeviceCaps(screen.get(), axis) : 0;
    return dpi > 0 ? dpi : 96;
}

} // namespace

// Twips per pixel are whole numbers at every standard resolution (15 at
// 96 DPI); the integer division keeps them whole as the form layer expects.
double Screen::twipsPerPixelX() { return static_cast<double>(1440 / screenDpi(LOGPIXELSX)); }
double Screen::twipsPerPixelY() { return static_cast<double>(1440 / screenDpi(LOGPIXELSY)); }
double Screen::width() { return GetSystemMetrics(SM_CXSCREEN) * twipsPerPixelX(); }
double Screen::height() { return GetSystemMetrics(SM_CYSCREEN) * twipsPerPixelY(); }

Units screenUnits() { return Units{Screen::twipsPerPixelX(), Screen::twipsPerPixelY()}; }

} // namespace quillnote::forms
