#include "Module.h"

#include "forms/FormRegistry.h"

namespace quillnote {

namespace {
HINSTANCE g_instance = nullptr;
LONG g_serverLocks = 0;
} // namespace

HINSTANCE moduleInstance() { return g_instance; }
void setModuleInstance(HINSTANCE instance) { g_instance = instance; }

std::wstring modulePath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(g_instance, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

void lockServer() { InterlockedIncrement(&g_serverLocks); }

void unlockServer()
{
    LONG current = InterlockedCompareExchange(&g_serverLocks, 0, 0);
    while (current > 0) {
        const LONG seen = InterlockedCompareExchange(&g_serverLocks, current - 1, current);
        if (seen == current)
            return;
        current = seen;
    }
}

bool moduleInUse()
{
    return win::moduleReferenced() || InterlockedCompareExchange(&g_serverLocks, 0, 0) != 0 ||
           forms::liveFormCount() != 0;
}

} // namespace quillnote
