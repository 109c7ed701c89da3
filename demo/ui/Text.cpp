#include "Text.h"

namespace quillnote::demo {

std::u16string textOf(HWND window) { return win::windowText(window); }

void setText(HWND window, std::u16string_view text) { win::setWindowText(window, text); }

void selectWholeText(HWND textBox)
{
    // Two steps, as the procedure is described: the start first, then the
    // length from there.
    SendMessageW(textBox, EM_SETSEL, 0, 0);
    SendMessageW(textBox, EM_SETSEL, 0, GetWindowTextLengthW(textBox));
}

} // namespace quillnote::demo
