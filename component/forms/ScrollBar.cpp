#include "ScrollBar.h"

#include "Form.h"
#include "PictureBox.h"

namespace quillnote::forms {

ScrollBar::ScrollBar(Form& form, Direction direction) : FormChild(form), direction_(direction) {}

ScrollBar::~ScrollBar()
{
    if (container_)
        container_->removeScrollBar(*this);
    destroy();
}

bool ScrollBar::create(PictureBox& container, const TwipsRect& bounds, int controlId)
{
    setBounds(bounds);
    const Units& u = form().units();
    const DWORD style =
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | (direction_ == Direction::Vertical ? SBS_VERT : SBS_HORZ);
    HWND bar = CreateWindowExW(0, L"SCROLLBAR", nullptr, style, u.xPixels(bounds.left), u.yPixels(bounds.top),
                               u.xPixels(bounds.width), u.yPixels(bounds.height), container.hwnd(),
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(controlId)), thisModule(), nullptr);
    if (!subclass(bar)) {
        if (bar)
            DestroyWindow(bar);
        return false;
    }
    container.addScrollBar(*this);
    container_ = &container;
    return true;
}

void ScrollBar::setRange(int content, int view)
{
    if (!alive())
        return;
    SCROLLINFO info = {sizeof info,
                       SIF_RANGE | SIF_PAGE,
                       0,
                       content > 0 ? content - 1 : 0,
                       static_cast<UINT>(view > 0 ? view : 0),
                       0,
                       0};
    SetScrollInfo(hwnd(), SB_CTL, &info, TRUE);
}

void ScrollBar::setPosition(int position)
{
    if (!alive())
        return;
    SCROLLINFO info = {sizeof info, SIF_POS, 0, 0, 0, position, 0};
    SetScrollInfo(hwnd(), SB_CTL, &info, TRUE);
}

int ScrollBar::position() const
{
    SCROLLINFO info = {sizeof info, SIF_POS, 0, 0, 0, 0, 0};
    return alive() && GetScrollInfo(hwnd(), SB_CTL, &info) ? info.nPos : 0;
}

void ScrollBar::scrolled(int code)
{
    if (!onScroll)
        return;
    SCROLLINFO info = {sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
    GetScrollInfo(hwnd(), SB_CTL, &info);
    onScroll(code, info.nTrackPos);
}

LRESULT ScrollBar::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_SETFOCUS:
        // A click on the bar does not take the focus from the button that
        // has it, so the dialog's keys keep working.
        if (HWND previous = reinterpret_cast<HWND>(wParam); previous && IsWindow(previous))
            SetFocus(previous);
        return 0;
    default:
        break;
    }
    return defaultHandling(message, wParam, lParam);
}

} // namespace quillnote::forms
