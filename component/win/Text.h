#pragma once
// Text between the portable code (UTF-16 in std::u16string) and the
// platform's wide strings, which are UTF-16 too: every conversion copies the
// code units one for one, so no text is ever lost or changed. Also the
// window text, read and written whole.

#include <windows.h>

#include <string>
#include <string_view>

namespace quillnote::win {

inline std::wstring toWide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

inline std::u16string toU16(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }

// The same characters seen as a wide string, without a copy; valid while
// `text` lives and is not changed.
inline const wchar_t* wideView(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

inline std::u16string windowText(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(window, text.data(), length + 1);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return toU16(text);
}

inline void setWindowText(HWND window, std::u16string_view text) { SetWindowTextW(window, toWide(text).c_str()); }

} // namespace quillnote::win
