#include "SystemIcons.h"

#include "win/ProcAddress.h"
#include "win/SrwGuard.h"
#include "win/UniqueHandle.h"

#include <vector>

namespace quillnote {

namespace {

struct CachedIcon {
    int iconId;
    int size;
    HICON icon;
    bool owned; // made for this library, rather than the system's shared icon
};

SRWLOCK g_lock = SRWLOCK_INIT;
std::vector<CachedIcon>* g_icons = nullptr;

// LoadIconWithScaleDown (common controls 6 and later) scales a larger image
// down rather than a smaller one up; the icon it makes is this library's
// own. The common controls are used where the program has them loaded
// already, and loaded for the call only where the size is not the system's
// own (a monitor of another resolution): loading them costs more than the
// rest of the dialog's first paint. Otherwise, and where they lack the
// function, the system's shared icon of that size, which at the system's own
// size is the very icon LoadIconW gives.
CachedIcon loadIcon(int iconId, int size)
{
    using LoadIconWithScaleDownFunction = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);
    HMODULE loaded = nullptr;
    GetModuleHandleExW(0, L"comctl32.dll", &loaded);
    win::UniqueModule commonControls(loaded);
    if (!commonControls && size != GetSystemMetrics(SM_CXICON))
        commonControls = win::UniqueModule(LoadLibraryW(L"comctl32.dll"));
    const auto loadScaledDown =
        win::procAddress<LoadIconWithScaleDownFunction>(commonControls.get(), "LoadIconWithScaleDown");
    HICON icon = nullptr;
    if (loadScaledDown && SUCCEEDED(loadScaledDown(nullptr, MAKEINTRESOURCEW(iconId), size, size, &icon)) && icon)
        return CachedIcon{iconId, size, icon, true};
    icon = static_cast<HICON>(LoadImageW(nullptr, MAKEINTRESOURCEW(iconId), IMAGE_ICON, size, size, LR_SHARED));
    return CachedIcon{iconId, size, icon, false};
}

HICON cachedIcon(int iconId, int size)
{
    if (g_icons)
        for (const CachedIcon& entry : *g_icons)
            if (entry.iconId == iconId && entry.size == size)
                return entry.icon;
    return nullptr;
}

} // namespace

HICON systemIcon(int iconId, int size)
{
    {
        win::SharedGuard reading(g_lock);
        if (HICON icon = cachedIcon(iconId, size))
            return icon;
    }
    // Loaded outside the lock: another thread may load the same icon
    // meanwhile, and then the first one stored is kept.
    CachedIcon fresh = loadIcon(iconId, size);
    if (!fresh.icon)
        return nullptr;
    win::ExclusiveGuard writing(g_lock);
    if (HICON icon = cachedIcon(iconId, size)) {
        if (fresh.owned)
            DestroyIcon(fresh.icon);
        return icon;
    }
    if (!g_icons)
        g_icons = new std::vector<CachedIcon>;
    g_icons->push_back(fresh);
    return fresh.icon;
}

void releaseSystemIcons()
{
    win::ExclusiveGuard writing(g_lock);
    if (!g_icons)
        return;
    for (const CachedIcon& entry : *g_icons)
        if (entry.owned)
            DestroyIcon(entry.icon);
    delete g_icons;
    g_icons = nullptr;
}

} // namespace quillnote
