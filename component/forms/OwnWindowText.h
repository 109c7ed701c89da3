#pragma once
// The text of a window that keeps it itself and answers WM_GETTEXT and
// WM_GETTEXTLENGTH from it: every reader in the process, accessibility
// tools included, gets the whole text, however long. The window system is
// given only the text's start (what it shows of a window's name, and what
// other processes read through GetWindowText): copying a long text there
// costs a request per call (20 ms for a message of 10,000 lines), and one of
// some megabytes makes the window system fail to create the window at all.

#include <windows.h>

#include <cstddef>
#include <string>

namespace quillnote::forms {

class OwnWindowText {
public:
    // The most characters the window system is given.
    static constexpr std::size_t WindowSystemLength = 32767;

    const std::wstring& text() const { return text_; }
    void set(std::wstring text) { text_ = std::move(text); }
    // The start of the text, for the window system.
    std::wstring windowSystemCopy() const { return text_.substr(0, WindowSystemLength); }

    // WM_GETTEXT and WM_GETTEXTLENGTH answered from the kept text, and
    // WM_SETTEXT kept (the caller passes the window system its copy). True
    // when `message` is one of them, with its answer in `result`.
    bool answer(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    std::wstring text_;
};

} // namespace quillnote::forms
