#include "GuiObjects.h"

namespace quillnote::test {

namespace {

// Wine keeps every GDI object in one table of 65,536 slots, and a GDI handle
// carries its slot in its low 16 bits. Its GDI answers GetObjectType for a
// slot number alone (a handle without its upper half), and finds the table
// itself in either bitness (a 32-bit process keeps the table's address in
// its 64-bit process block), so probing every slot counts the live objects
// without reading any system structure of one bitness.
constexpr unsigned GdiSlots = 0x10000;

DWORD countGdiSlots()
{
    DWORD used = 0;
    for (unsigned slot = 1; slot < GdiSlots; ++slot)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(static_cast<ULONG_PTR>(slot))) != 0)
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
    return countGdiSlots();
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
