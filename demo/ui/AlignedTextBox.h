#pragma once
// A one-line text box whose text is right- or left-aligned, switchable while
// the program runs.
//
// An edit control fixes its alignment when it is created: the platform
// documents ES_RIGHT as a creation style, and Wine ignores it when it is set
// later. The fields that switch are right-aligned only while they do not have
// the focus, when nobody edits them and no caret shows, so right alignment is
// made with the left margin: the text is pushed to the right edge, and the
// margin is measured again whenever the text changes.

#include <windows.h>

namespace quillnote::demo {

class AlignedTextBox {
public:
    void attach(HWND edit, bool rightAligned);
    HWND hwnd() const { return edit_; }
    bool rightAligned() const { return right_; }
    void setRightAligned(bool right);
    // After the text changed (EN_CHANGE).
    void refresh();

private:
    HWND edit_ = nullptr;
    bool right_ = false;
};

} // namespace quillnote::demo
