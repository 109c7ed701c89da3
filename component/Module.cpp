#include "Module.h"

namespace quillnote {

namespace {
HINSTANCE g_instance = nullptr;
LONG g_locks = 0;
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

void lockModule() { InterlockedIncrement(&g_locks); }
void unlockModule() { InterlockedDecrement(&g_locks); }
bool moduleInUse() { return InterlockedCompareExchange(&g_locks, 0, 0) != 0; }

} // namespace quillnote
