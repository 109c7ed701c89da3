#pragma once
// An exported function of a loaded module, typed: null when the module does
// not export it.

#include <windows.h>

namespace quillnote::win {

template <typename Function>
Function procAddress(HMODULE module, const char* name)
{
    // FARPROC is a placeholder type; the export's real type is the caller's.
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace quillnote::win
