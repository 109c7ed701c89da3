#include "PictureBox.h"

#include "Colours.h"
#include "CommandButton.h"
#include "Form.h"
#include "ScrollBar.h"
#include "Units.h"
#include "win/Text.h"

#include <algorithm>
#include <utility>

#include <windowsx.h>

namespace quillnote::forms {

namespace {

constexpr wchar_t ClassName[] = L"QuillnotePictureBox";

void fill(HDC dc, int width, int height, Colour colour)
{
    UniqueBrush brush(CreateSolidBrush(toColorRef(colour)));
    RECT rect = {0, 0, width, height};
    FillRect(dc, &rect, brush.get());
}

int buttonOfMessage(UINT message)
{
    switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        return 2;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return 4;
    default:
        return 1;
    }
}

} // namespace

PictureBox::PictureBox(Form& form) : FormChild(form) {}

PictureBox::~PictureBox() { destroy(); }

bool PictureBox::create(HWND parent, const TwipsRect& bounds, int controlId)
{
    registerClass(ClassName, 0, nullptr);
    setBounds(bounds);
    const Units& u = form().units();
    scale_ = SurfaceScale(u.xPixels(bounds.width), u.yPixels(bounds.height), u.twipsPerPixelX, u.twipsPerPixelY);
    if (!createWindow(ClassName, 0, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, u.xPixels(bounds.left),
                      u.yPixels(bounds.top), u.xPixels(bounds.width), u.yPixels(bounds.height), parent,
                      static_cast<UINT_PTR>(controlId)))
        return false;
    if (parent == form().hwnd() && !registered_) {
        registered_ = true;
        form().registerPictureBox(this);
    }
    return true;
}

void PictureBox::boundsChanged()
{
    // A change of resolution re-places the box: its twips follow.
    const Units& u = form().units();
    scale_.setTwipsPerPixel(u.twipsPerPixelX, u.twipsPerPixelY);
    if (autoRedraw_)
        ensurePersistent();
}

SIZE PictureBox::clientSize() const
{
    RECT rect = {};
    if (alive())
        GetClientRect(hwnd(), &rect);
    return SIZE{rect.right, rect.bottom};
}

void PictureBox::setBackColor(Colour c)
{
    backColor_ = c;
    // A new back colour clears the picture, as Cls does.
    cls();
}

void PictureBox::setAutoRedraw(bool on)
{
    if (on == autoRedraw_)
        return;
    autoRedraw_ = on;
    if (on)
        ensurePersistent();
    invalidateAll();
}

void PictureBox::ensurePersistent()
{
    // The picture is made with the window (at its first WM_SIZE).
    if (!alive())
        return;
    const SIZE size = clientSize();
    if (persistent_.valid() && persistent_.width() == size.cx && persistent_.height() == size.cy)
        return;
    Canvas fresh;
    if (!fresh.create(nullptr, size.cx, size.cy))
        return;
    fill(fresh.dc(), fresh.width(), fresh.height(), backColor_);
    // Keep what was drawn where the new picture overlaps the old one.
    if (persistent_.valid())
        BitBlt(fresh.dc(), 0, 0, persistent_.width(), persistent_.height(), persistent_.dc(), 0, 0, SRCCOPY);
    persistent_ = std::move(fresh);
}

void PictureBox::cls()
{
    if (autoRedraw_) {
        ensurePersistent();
        if (persistent_.valid())
            fill(persistent_.dc(), persistent_.width(), persistent_.height(), backColor_);
    }
    invalidateAll();
}

HDC PictureBox::hdc()
{
    if (autoRedraw_) {
        ensurePersistent();
        return persistent_.dc();
    }
    return paintDc_;
}

PixelRaster PictureBox::persistentRaster()
{
    if (!autoRedraw_)
        return PixelRaster(nullptr, 0, 0, PixelOrder::Rgb);
    ensurePersistent();
    if (!persistent_.valid())
        return PixelRaster(nullptr, 0, 0, PixelOrder::Rgb);
    GdiFlush();
    return PixelRaster(persistent_.bits(), persistent_.width(), persistent_.height(), PixelOrder::Rgb,
                       persistent_.stride());
}

void PictureBox::add(WindowlessControl& control)
{
    control.attach(this);
    children_.push_back(&control);
}

void PictureBox::addButton(CommandButton& button) { buttons_.push_back(&button); }

void PictureBox::addScrollBar(ScrollBar& bar) { scrollBars_.push_back(&bar); }

void PictureBox::removeScrollBar(const ScrollBar& bar)
{
    scrollBars_.erase(std::remove(scrollBars_.begin(), scrollBars_.end(), &bar), scrollBars_.end());
}

void PictureBox::invalidateTwips(const TwipsRect& r)
{
    if (!alive())
        return;
    const Units& u = form().units();
    RECT rect = {u.xPixels(r.left) - 1, u.yPixels(r.top) - 1, u.xPixels(r.left + r.width) + 1,
                 u.yPixels(r.top + r.height) + 1};
    requestRepaint(&rect);
}

void PictureBox::invalidateAll() { requestRepaint(); }

void PictureBox::paintWhole(HDC target, bool withButtons)
{
    const SIZE size = clientSize();
    // The back buffer lives as long as the box keeps its size: repaints
    // come often (the heading's poll), and making a bitmap each time
    // would cost more than the painting.
    if (!backBuffer_.valid() || backBuffer_.width() != size.cx || backBuffer_.height() != size.cy)
        backBuffer_.create(target, size.cx, size.cy);
    const HDC dc = backBuffer_.valid() ? backBuffer_.dc() : target;
    paintInto(dc, size.cx, size.cy);
    // A button that waits for its window has none to paint it: the box
    // draws it, whatever the paint. The others only when asked.
    for (CommandButton* button : buttons_) {
        const bool drawn =
            button->waitsForWindow() || (withButtons && button->alive() && IsWindowVisible(button->hwnd()));
        if (drawn) {
            const RECT place = button->placeInContainer();
            SavedDc saved(dc);
            SetViewportOrgEx(dc, place.left, place.top, nullptr);
            IntersectClipRect(dc, 0, 0, place.right - place.left, place.bottom - place.top);
            button->paintInto(dc, true);
        }
    }
    if (dc != target)
        BitBlt(target, 0, 0, size.cx, size.cy, dc, 0, 0, SRCCOPY);
}

void PictureBox::paintNow()
{
    if (!alive() || !IsWindowVisible(hwnd()))
        return;
    // Not clipped by the buttons: they are drawn into the same picture.
    WindowDc dc(hwnd(), DCX_CACHE | DCX_CLIPSIBLINGS);
    if (!dc.get())
        return;
    paintWhole(dc.get(), true);
    markPainted();
}

namespace {
// The box's own message that makes the windows of the buttons it has drawn.
constexpr UINT MakeButtonWindows = WM_USER + 0x100;
} // namespace

void PictureBox::makeWaitingButtonWindowsSoon()
{
    if (buttonWindowsPosted_ || !alive())
        return;
    const bool waiting =
        std::any_of(buttons_.begin(), buttons_.end(), [](const CommandButton* b) { return b->waitsForWindow(); });
    if (waiting && PostMessageW(hwnd(), MakeButtonWindows, 0, 0))
        buttonWindowsPosted_ = true;
    else if (waiting)
        makeWaitingButtonWindows(); // the queue is full: at once, then
}

void PictureBox::makeWaitingButtonWindows()
{
    buttonWindowsPosted_ = false;
    for (CommandButton* button : buttons_)
        button->makeWindowOverDrawnPicture();
}

void PictureBox::paintUnder(HDC dc, const RECT& area)
{
    const SIZE size = clientSize();
    SavedDc saved(dc);
    IntersectClipRect(dc, 0, 0, area.right - area.left, area.bottom - area.top);
    OffsetViewportOrgEx(dc, -area.left, -area.top, nullptr);
    paintInto(dc, size.cx, size.cy);
}

void PictureBox::paintScrollBarsNow()
{
    for (const ScrollBar* bar : scrollBars_)
        if (bar->alive() && IsWindowVisible(bar->hwnd()))
            UpdateWindow(bar->hwnd());
}

void PictureBox::paintInto(HDC dc, int width, int height)
{
    if (autoRedraw_ && persistent_.valid()) {
        fill(dc, width, height, backColor_);
        BitBlt(dc, 0, 0, persistent_.width(), persistent_.height(), persistent_.dc(), 0, 0, SRCCOPY);
    } else {
        fill(dc, width, height, backColor_);
        if (onPaint && !autoRedraw_) {
            paintDc_ = dc;
            onPaint();
            paintDc_ = nullptr;
        }
    }
    for (const WindowlessControl* child : children_)
        child->paint(dc, form().units());
}

CommandButton* PictureBox::buttonOf(HWND hwnd) const
{
    for (CommandButton* button : buttons_)
        if (button->hwnd() == hwnd)
            return button;
    return nullptr;
}

ScrollBar* PictureBox::scrollBarOf(HWND hwnd) const
{
    for (ScrollBar* bar : scrollBars_)
        if (bar->hwnd() == hwnd)
            return bar;
    return nullptr;
}

void PictureBox::mouseDown(UINT message, WPARAM wParam, LPARAM lParam)
{
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    const Units& u = form().units();
    MouseEvent event;
    event.button = buttonOfMessage(message);
    event.shift = ((wParam & MK_SHIFT) ? 1 : 0) | ((wParam & MK_CONTROL) ? 2 : 0);
    // The topmost windowless control under the mouse gets the press; the box
    // itself only where there is none. The mouse is captured until release,
    // so that the release goes to the control the press began on.
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        WindowlessControl* child = *it;
        if (child->visible() && child->enabled() && child->hitTest(x, y, u)) {
            pressedChild_ = child;
            pressedSelf_ = false;
            SetCapture(hwnd());
            event.x = u.xTwips(x) - child->bounds().left;
            event.y = u.yTwips(y) - child->bounds().top;
            if (child->onMouseDown)
                child->onMouseDown(event);
            return;
        }
    }
    pressedChild_ = nullptr;
    pressedSelf_ = true;
    SetCapture(hwnd());
    event.x = u.xTwips(x);
    event.y = u.yTwips(y);
    if (onMouseDown)
        onMouseDown(event);
}

void PictureBox::mouseUp(UINT message, WPARAM wParam, LPARAM lParam)
{
    WindowlessControl* child = pressedChild_;
    const bool self = pressedSelf_;
    pressedChild_ = nullptr;
    pressedSelf_ = false;
    if (GetCapture() == hwnd())
        ReleaseCapture();
    MouseEvent event;
    event.button = buttonOfMessage(message);
    event.shift = ((wParam & MK_SHIFT) ? 1 : 0) | ((wParam & MK_CONTROL) ? 2 : 0);
    const Units& u = form().units();
    event.x = u.xTwips(GET_X_LPARAM(lParam));
    event.y = u.yTwips(GET_Y_LPARAM(lParam));
    if (child && child->onMouseUp) {
        event.x -= child->bounds().left;
        event.y -= child->bounds().top;
        child->onMouseUp(event);
    } else if (self && onMouseUp) {
        onMouseUp(event);
    }
}

void PictureBox::setText(const std::u16string& text) { text_.set(win::toWide(text)); }

LRESULT PictureBox::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE:
        // The default handling would store the window's text with the
        // window system (a request) and set up standard scroll bars; the
        // box keeps its text itself and has no standard scroll bars.
        return TRUE;
    case WM_SETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_GETTEXT: {
        LRESULT result = 0;
        text_.answer(message, wParam, lParam, result);
        return result;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        if (form().paintChildrenTogether())
            return 0;
        {
            PaintDc paint(hwnd());
            paintWhole(paint.get());
        }
        makeWaitingButtonWindowsSoon();
        return 0;
    }
    case MakeButtonWindows:
        makeWaitingButtonWindows();
        return 0;
    case WM_SIZE:
        scale_.resize(LOWORD(lParam), HIWORD(lParam));
        if (autoRedraw_)
            ensurePersistent();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        mouseDown(message, wParam, lParam);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        mouseUp(message, wParam, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        pressedChild_ = nullptr;
        pressedSelf_ = false;
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            if (CommandButton* button = buttonOf(reinterpret_cast<HWND>(lParam)))
                button->click();
            return 0;
        }
        break;
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (CommandButton* button = buttonOf(item->hwndItem)) {
            button->drawItem(*item);
            return TRUE;
        }
        break;
    }
    case WM_VSCROLL:
    case WM_HSCROLL:
        if (ScrollBar* bar = scrollBarOf(reinterpret_cast<HWND>(lParam))) {
            bar->scrolled(LOWORD(wParam));
            return 0;
        }
        break;
    case WM_MOUSEWHEEL: {
        const bool across = (GET_KEYSTATE_WPARAM(wParam) & MK_SHIFT) != 0;
        if (const auto& handler = across ? onMouseWheelAcross : onMouseWheel) {
            handler(GET_WHEEL_DELTA_WPARAM(wParam));
            return 0;
        }
        break;
    }
    case WM_MOUSEHWHEEL:
        if (onMouseWheelAcross) {
            // The horizontal wheel's positive delta goes right.
            onMouseWheelAcross(-GET_WHEEL_DELTA_WPARAM(wParam));
            return 0;
        }
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        form().keyUp(static_cast<int>(wParam));
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        form().keyDown(static_cast<int>(wParam));
        return 0;
    default:
        break;
    }
    return defaultHandling(message, wParam, lParam);
}

} // namespace quillnote::forms
