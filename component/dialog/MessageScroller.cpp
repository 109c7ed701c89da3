#include "MessageScroller.h"

#include "DialogControlIds.h"
#include "forms/Form.h"

#include <algorithm>

namespace quillnote {

namespace {

constexpr int ControlHeld = 2;

// The scroll bar's request codes in the arithmetic's terms (SB_LINELEFT and
// the others across share the values of their vertical twins).
bool requestOfCode(int code, ScrollRequest& request)
{
    switch (code) {
    case SB_LINEUP:
        request = ScrollRequest::StepBack;
        return true;
    case SB_LINEDOWN:
        request = ScrollRequest::StepForward;
        return true;
    case SB_PAGEUP:
        request = ScrollRequest::PageBack;
        return true;
    case SB_PAGEDOWN:
        request = ScrollRequest::PageForward;
        return true;
    case SB_TOP:
        request = ScrollRequest::Start;
        return true;
    case SB_BOTTOM:
        request = ScrollRequest::End;
        return true;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        request = ScrollRequest::To;
        return true;
    default:
        return false;
    }
}

} // namespace

MessageScroller::MessageScroller(forms::Form& form, forms::PictureBox& body, forms::Label& text)
    : body_(body), text_(text), downBar_(form, forms::ScrollBar::Direction::Vertical),
      acrossBar_(form, forms::ScrollBar::Direction::Horizontal)
{
    downBar_.onScroll = [this](int code, int thumb) { request(down_, code, thumb); };
    acrossBar_.onScroll = [this](int code, int thumb) { request(across_, code, thumb); };
}

// One line of the message: its height over its number of lines. A step
// across is as long, a few characters.
int MessageScroller::linePixels() const
{
    const auto& text = text_.caption();
    const int lines = 1 + static_cast<int>(std::count(text.begin(), text.end(), u'\n'));
    return std::max(1, body_.form().units().yPixels(text_.bounds().height) / lines);
}

void MessageScroller::show(const View& view)
{
    const forms::Units& u = body_.form().units();
    area_ = view.area;
    const int step = linePixels();
    down_ = ScrollAxis{u.yPixels(text_.bounds().height), area_.height > 0 ? u.yPixels(area_.height) : 0, step, 0};
    across_ = ScrollAxis{u.xPixels(text_.bounds().width), area_.width > 0 ? u.xPixels(area_.width) : 0, step, 0};
    text_.setView(area_, 0, 0);
    place(downBar_, down_, view.downBar);
    place(acrossBar_, across_, view.acrossBar);
    body_.invalidateAll();
}

// A bar is made when its direction first scrolls; one that no longer
// scrolls is hidden.
void MessageScroller::place(forms::ScrollBar& bar, const ScrollAxis& axis, const forms::TwipsRect& where)
{
    if (!axis.scrolls()) {
        if (bar.alive())
            ShowWindow(bar.hwnd(), SW_HIDE);
        return;
    }
    if (!bar.alive()) {
        const int id = &bar == &downBar_ ? dialog_ids::DownScrollBar : dialog_ids::AcrossScrollBar;
        if (!bar.create(body_, where, id))
            return;
    } else {
        bar.setPlace(where);
    }
    bar.setRange(axis.content, axis.view);
    bar.setPosition(axis.position);
    ShowWindow(bar.hwnd(), SW_SHOWNA);
}

void MessageScroller::request(ScrollAxis& axis, int code, int thumb)
{
    ScrollRequest request;
    if (axis.scrolls() && requestOfCode(code, request))
        moveTo(axis, axis.target(request, thumb));
}

void MessageScroller::moveTo(ScrollAxis& axis, int position)
{
    position = axis.clamp(position);
    if (position == axis.position)
        return;
    axis.position = position;
    forms::ScrollBar& bar = &axis == &down_ ? downBar_ : acrossBar_;
    bar.setPosition(position);
    const forms::Units& u = body_.form().units();
    text_.setView(area_, u.yTwips(down_.position), u.xTwips(across_.position));
    body_.invalidateAll();
}

bool MessageScroller::handleKey(int keyCode, int shift)
{
    ScrollAxis* axis = nullptr;
    ScrollRequest request = ScrollRequest::Start;
    switch (keyCode) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_UP:
    case VK_DOWN:
        axis = &down_;
        request = keyCode == VK_PRIOR  ? ScrollRequest::PageBack
                  : keyCode == VK_NEXT ? ScrollRequest::PageForward
                  : keyCode == VK_UP   ? ScrollRequest::StepBack
                                       : ScrollRequest::StepForward;
        break;
    case VK_LEFT:
    case VK_RIGHT:
        axis = &across_;
        request = keyCode == VK_LEFT ? ScrollRequest::StepBack : ScrollRequest::StepForward;
        break;
    case VK_HOME:
    case VK_END:
        // Ctrl+Home/End go to the message's start and end, Home/End to the
        // start and end of its lines.
        axis = shift == ControlHeld ? &down_ : shift == 0 ? &across_ : nullptr;
        request = keyCode == VK_HOME ? ScrollRequest::Start : ScrollRequest::End;
        break;
    default:
        break;
    }
    if (!axis || !axis->scrolls())
        return false;
    moveTo(*axis, axis->target(request));
    return true;
}

void MessageScroller::wheel(int delta)
{
    if (down_.scrolls())
        moveTo(down_, down_.wheelTarget(delta, WHEEL_DELTA));
}

void MessageScroller::wheelAcross(int delta)
{
    if (across_.scrolls())
        moveTo(across_, across_.wheelTarget(delta, WHEEL_DELTA));
}

} // namespace quillnote
