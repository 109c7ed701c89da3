#include "Text.h"

namespace quillnote::demo {

std::u16string textOf(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(window, text.data(), length + 1);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return std::u16string(text.begin(), text.end());
}

std::wstring toWide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

void setText(HWND window, std::u16string_view text) { SetWindowTextW(window, toWide(text).c_str()); }

void selectWholeText(HWND textBox)
{
    // Two steps, as the procedure is described: the start first, then the
    // length from there.
    SendMessageW(textBox, EM_SETSEL, 0, 0);
    SendMessageW(textBox, EM_SETSEL, 0, GetWindowTextLengthW(textBox));
}

} // namespace quillnote::demo
