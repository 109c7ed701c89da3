#include "GuiObjects.h"

#include <winternl.h>

#include <cstdint>

namespace quillnote::test {

namespace {

// One entry of the process's GDI handle table, as the PEB publishes it.
struct GdiHandleEntry {
    std::uint64_t object;
    std::uint16_t processId;
    std::uint16_t count;
    std::uint16_t unique;
    std::uint8_t type;
    std::uint8_t flags;
    std::uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24, "layout of the GDI handle table entry");

constexpr int GdiHandleTableSize = 0x10000;

DWORD countGdiHandleTable()
{
    auto* peb = reinterpret_cast<const unsigned char*>(NtCurrentTeb()->ProcessEnvironmentBlock);
    const size_t offset = sizeof(void*) == 8 ? 0xF8 : 0x94;
    const auto* table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + offset);
    if (!table)
        return 0;
    DWORD used = 0;
    for (int i = 0; i < GdiHandleTableSize; ++i)
        if (table[i].type != 0)
            ++used;
    return used;
}

BOOL CALLBACK countChild(HWND, LPARAM lParam)
{
    ++*reinterpret_cast<DWORD*>(lParam);
    return TRUE;
}

BOOL CALLBACK countTopLevel(HWND hwnd, LPARAM lParam)
{
    ++*reinterpret_cast<DWORD*>(lParam);
    EnumChildWindows(hwnd, &countChild, lParam);
    return TRUE;
}

} // namespace

DWORD gdiObjectCount()
{
    SetLastError(0);
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED)
        return counted;
    return countGdiHandleTable();
}

DWORD userObjectCount()
{
    SetLastError(0);
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    if (counted != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED)
        return counted;
    DWORD windows = 0;
    EnumThreadWindows(GetCurrentThreadId(), &countTopLevel, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

} // namespace quillnote::test
