#pragma once
// Puts Unicode text on the clipboard (CF_UNICODETEXT), the clipboard opened
// and closed, the memory handed over only when the clipboard takes it.

#include <windows.h>

#include <cstring>
#include <string_view>

namespace quillnote::win {

class OpenClipboardGuard {
public:
    explicit OpenClipboardGuard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenClipboardGuard()
    {
        if (open_)
            CloseClipboard();
    }
    OpenClipboardGuard(const OpenClipboardGuard&) = delete;
    OpenClipboardGuard& operator=(const OpenClipboardGuard&) = delete;
    bool open() const { return open_; }

private:
    bool open_;
};

inline bool putClipboardText(HWND owner, std::u16string_view text)
{
    OpenClipboardGuard clipboard(owner);
    if (!clipboard.open() || !EmptyClipboard())
        return false;
    const SIZE_T bytes = (text.size() + 1) * sizeof(char16_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory)
        return false;
    if (void* target = GlobalLock(memory)) {
        std::memcpy(target, text.data(), text.size() * sizeof(char16_t));
        static_cast<char16_t*>(target)[text.size()] = u'\0';
        GlobalUnlock(memory);
        // The clipboard owns the memory from here on.
        if (SetClipboardData(CF_UNICODETEXT, memory))
            return true;
    }
    GlobalFree(memory);
    return false;
}

} // namespace quillnote::win
