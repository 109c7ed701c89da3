#include "OwnWindowText.h"

#include <algorithm>

namespace quillnote::forms {

bool OwnWindowText::answer(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_SETTEXT:
        text_ = lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"";
        result = TRUE;
        return true;
    case WM_GETTEXTLENGTH:
        result = static_cast<LRESULT>(text_.size());
        return true;
    case WM_GETTEXT: {
        auto* buffer = reinterpret_cast<wchar_t*>(lParam);
        result = 0;
        if (!buffer || wParam == 0)
            return true;
        const std::size_t count = std::min<std::size_t>(text_.size(), wParam - 1);
        std::copy_n(text_.data(), count, buffer);
        buffer[count] = L'\0';
        result = static_cast<LRESULT>(count);
        return true;
    }
    default:
        return false;
    }
}

} // namespace quillnote::forms
