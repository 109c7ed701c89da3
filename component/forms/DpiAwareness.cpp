#include "DpiAwareness.h"

#include "Screen.h"
#include "core/DpiScaling.h"
#include "win/ProcAddress.h"

namespace quillnote::forms {

namespace {

HMODULE user32() { return GetModuleHandleW(L"user32.dll"); }

using SetThreadContext = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
using DpiForWindow = UINT(WINAPI*)(HWND);
using MetricsForDpi = int(WINAPI*)(int, UINT);

} // namespace

PerMonitorDpiScope::PerMonitorDpiScope()
{
    const auto setContext = win::procAddress<SetThreadContext>(user32(), "SetThreadDpiAwarenessContext");
    if (!setContext)
        return;
    // Version 2 also scales the frame and child windows' non-client parts;
    // systems that do not know it refuse it, and version 1 is what they have.
    previous_ = setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    if (!previous_)
        previous_ = setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
}

PerMonitorDpiScope::~PerMonitorDpiScope()
{
    if (!previous_)
        return;
    if (const auto setContext = win::procAddress<SetThreadContext>(user32(), "SetThreadDpiAwarenessContext"))
        setContext(previous_);
}

int windowDpi(HWND window)
{
    if (window) {
        if (const auto dpiForWindow = win::procAddress<DpiForWindow>(user32(), "GetDpiForWindow")) {
            const UINT dpi = dpiForWindow(window);
            if (dpi > 0)
                return usableDpi(static_cast<int>(dpi));
        }
    }
    return screenDpi();
}

int iconPixelsAt(int dpi)
{
    if (const auto metricsForDpi = win::procAddress<MetricsForDpi>(user32(), "GetSystemMetricsForDpi")) {
        const int pixels = metricsForDpi(SM_CXICON, static_cast<UINT>(usableDpi(dpi)));
        if (pixels > 0)
            return pixels;
    }
    return scaledPixels(32, dpi);
}

} // namespace quillnote::forms
