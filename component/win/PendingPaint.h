#pragma once
// Whether a window or any window of its tree waits for a paint: what the
// benchmarks and the tests take for "the dialog is painted".

#include <windows.h>

namespace quillnote::win {

namespace detail {
inline BOOL CALLBACK noteChildThatWaits(HWND child, LPARAM waits)
{
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE))
        *reinterpret_cast<bool*>(waits) = true;
    return TRUE;
}
} // namespace detail

inline bool treeWaitsForPaint(HWND root)
{
    bool waits = GetUpdateRect(root, nullptr, FALSE) != FALSE;
    EnumChildWindows(root, &detail::noteChildThatWaits, reinterpret_cast<LPARAM>(&waits));
    return waits;
}

} // namespace quillnote::win
