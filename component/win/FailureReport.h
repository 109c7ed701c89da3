#pragma once
// The one place where failures that the code goes on from are recorded: what
// failed, where, and its HRESULT go to the debugger's output
// (OutputDebugStringW; under Wine, WINEDEBUG=+debugstr shows them). The
// error macros and runStep report through it; behaviour stays the same, a
// failing step is still skipped.

#include <windows.h>

#include <cwchar>

namespace quillnote::win {

inline void reportFailure(const char* what, const char* file, int line, HRESULT hr) noexcept
{
    wchar_t text[512];
    const int written =
        std::swprintf(text, sizeof(text) / sizeof(text[0]), L"Quillnote: %hs failed (0x%08lX) at %hs:%d\n",
                      what ? what : "", static_cast<unsigned long>(hr), file ? file : "", line);
    if (written > 0)
        OutputDebugStringW(text);
}

} // namespace quillnote::win
