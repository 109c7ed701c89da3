#pragma once
// Text of windows as the portable core sees it (UTF-16), and the small text
// box operations that the window's procedures share.

#include "win/Text.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace quillnote::demo {

std::u16string textOf(HWND window);
void setText(HWND window, std::u16string_view text);

using win::toWide;

// SelectWholeText: selection start 0, then the length of the text.
void selectWholeText(HWND textBox);

} // namespace quillnote::demo
