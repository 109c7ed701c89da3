#include "AlignedTextBox.h"

#include "Text.h"
#include "forms/Gdi.h"

#include <algorithm>

namespace quillnote::demo {

namespace {

int firstLineWidth(HWND edit)
{
    std::u16string text = textOf(edit);
    const size_t end = text.find_first_of(u"\r\n");
    if (end != std::u16string::npos)
        text.resize(end);
    if (text.empty())
        return 0;
    forms::WindowDc dc(edit);
    if (!dc.get())
        return 0;
    forms::SelectGuard font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(edit, WM_GETFONT, 0, 0)));
    SIZE size = {};
    const std::wstring wide = toWide(text);
    GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return size.cx;
}

} // namespace

void AlignedTextBox::attach(HWND edit, bool rightAligned)
{
    edit_ = edit;
    right_ = rightAligned;
    refresh();
}

void AlignedTextBox::setRightAligned(bool right)
{
    if (right == right_)
        return;
    right_ = right;
    refresh();
}

void AlignedTextBox::refresh()
{
    if (!edit_)
        return;
    SendMessageW(edit_, EM_SETMARGINS, EC_LEFTMARGIN, MAKELPARAM(0, 0));
    if (right_) {
        RECT format = {};
        SendMessageW(edit_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        const int margin = std::max(0, static_cast<int>(format.right - format.left) - firstLineWidth(edit_));
        SendMessageW(edit_, EM_SETMARGINS, EC_LEFTMARGIN, MAKELPARAM(margin, 0));
    }
    InvalidateRect(edit_, nullptr, TRUE);
}

} // namespace quillnote::demo
