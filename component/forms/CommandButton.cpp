#include "CommandButton.h"

#include "Colours.h"
#include "Form.h"
#include "Gdi.h"
#include "PictureBox.h"
#include "core/CopiedText.h"
#include "core/DpiScaling.h"
#include "win/Text.h"

#include <cwctype>

namespace quillnote::forms {

CommandButton::CommandButton(Form& form) : FormChild(form) {}

CommandButton::~CommandButton() { destroy(); }

bool CommandButton::create(PictureBox& container, const TwipsRect& bounds, int tabIndex, int controlId)
{
    place(container, bounds, tabIndex, controlId);
    return makeWindow();
}

void CommandButton::place(PictureBox& container, const TwipsRect& bounds, int tabIndex, int controlId)
{
    setBounds(bounds);
    tabIndex_ = tabIndex;
    controlId_ = controlId;
    if (container_ != &container) {
        container_ = &container;
        container.addButton(*this);
        form().registerButton(this);
    }
}

bool CommandButton::makeWindow(bool shownNow)
{
    if (!container_ || !container_->alive())
        return false;
    const TwipsRect& bounds = this->bounds();
    const Units& u = form().units();
    DWORD style = WS_CHILD | BS_OWNERDRAW | WS_CLIPSIBLINGS;
    if (visible_ && shownNow)
        style |= WS_VISIBLE;
    if (!enabled_)
        style |= WS_DISABLED;
    HWND button =
        CreateWindowExW(0, L"BUTTON", win::toWide(caption_).c_str(), style, u.xPixels(bounds.left),
                        u.yPixels(bounds.top), u.xPixels(bounds.width), u.yPixels(bounds.height), container_->hwnd(),
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId_)), thisModule(), nullptr);
    if (!subclass(button)) {
        if (button)
            DestroyWindow(button);
        return false;
    }
    return true;
}

bool CommandButton::showing() const { return visible_ && container_ && container_->alive(); }

bool CommandButton::waitsForWindow() const { return showing() && !alive(); }

bool CommandButton::ensureWindow()
{
    if (waitsForWindow())
        makeWindow();
    return alive();
}

void CommandButton::makeWindowOverDrawnPicture()
{
    if (!waitsForWindow() || !makeWindow(false))
        return;
    // Shown without a paint: the container's picture under it is already
    // the button's, so neither an erase nor a paint of its own is wanted.
    SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOREDRAW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_VALIDATE | RDW_NOERASE | RDW_NOFRAME | RDW_NOCHILDREN);
    markPainted();
}

RECT CommandButton::placeInContainer() const
{
    RECT place = {};
    if (alive()) {
        GetClientRect(hwnd(), &place);
        if (container_)
            MapWindowPoints(hwnd(), container_->hwnd(), reinterpret_cast<POINT*>(&place), 2);
        return place;
    }
    // Where its window will be made.
    const TwipsRect& bounds = this->bounds();
    const Units& u = form().units();
    place.left = u.xPixels(bounds.left);
    place.top = u.yPixels(bounds.top);
    place.right = place.left + u.xPixels(bounds.width);
    place.bottom = place.top + u.yPixels(bounds.height);
    return place;
}

void CommandButton::repaintFace()
{
    if (alive())
        requestRepaint();
    else if (container_)
        container_->invalidateTwips(bounds());
}

void CommandButton::boundsChanged()
{
    // Without a window, the container draws the button: at its old place
    // and at its new one, the container's picture changes.
    if (!alive() && container_)
        container_->invalidateAll();
}

void CommandButton::setCaption(std::u16string caption)
{
    caption_ = std::move(caption);
    shownCaption_.reset();
    if (alive())
        SetWindowTextW(hwnd(), win::toWide(caption_).c_str());
    else
        repaintFace();
}

const LabelText& CommandButton::shownCaption() const
{
    const HFONT font = form().defaultFont();
    if (!shownCaption_ || shownCaptionFont_ != font) {
        shownCaption_ = std::make_unique<LabelText>(font, win::toWide(withoutAccessMarkers(caption_)));
        shownCaptionFont_ = font;
    }
    return *shownCaption_;
}

double CommandButton::captionWidth() const { return form().units().xTwips(shownCaption().size().cx); }

double CommandButton::captionWidth(const std::u16string& caption) const
{
    const LabelText text(form().defaultFont(), win::toWide(withoutAccessMarkers(caption)));
    return form().units().xTwips(text.size().cx);
}

void CommandButton::setBackColor(Colour c)
{
    backColor_ = c;
    repaintFace();
}

void CommandButton::setForeColor(Colour c)
{
    foreColor_ = c;
    repaintFace();
}

void CommandButton::setEnabled(bool on)
{
    enabled_ = on;
    if (alive())
        EnableWindow(hwnd(), on);
    else
        repaintFace();
}

void CommandButton::setVisible(bool on)
{
    const bool wasWaiting = waitsForWindow();
    visible_ = on;
    if (alive())
        ShowWindow(hwnd(), on ? SW_SHOWNA : SW_HIDE);
    else if (on)
        makeWindow();
    else if (wasWaiting)
        repaintFace();
}

void CommandButton::setDefault(bool on)
{
    default_ = on;
    repaintFace();
}

bool CommandButton::setFocus()
{
    if (!ensureWindow() || !visible_ || !enabled_ || !IsWindowVisible(hwnd()))
        return false;
    // Setting the focus where it is already changes nothing.
    SetFocus(hwnd());
    return GetFocus() == hwnd();
}

bool CommandButton::hasFocus() const { return alive() && GetFocus() == hwnd(); }

wchar_t CommandButton::accessKey() const
{
    for (size_t i = 0; i + 1 < caption_.size(); ++i) {
        if (caption_[i] == u'&') {
            if (caption_[i + 1] == u'&') {
                ++i; // "&&" is a literal ampersand
                continue;
            }
            return static_cast<wchar_t>(std::towupper(static_cast<wint_t>(caption_[i + 1])));
        }
    }
    return 0;
}

void CommandButton::click()
{
    if (enabled_ && visible_ && onClick)
        onClick();
}

void CommandButton::drawItem(const DRAWITEMSTRUCT& item) const
{
    // The button draws itself outside its paint when its focus or pressed
    // state changes. Before its first paint (the focus given as the dialog
    // activates) that drawing would be painted over at once: the first
    // paint draws the button whole, in the state it has then.
    if (!paintedSinceMade())
        return;
    draw(item);
}

void CommandButton::draw(const DRAWITEMSTRUCT& item) const
{
    HDC dc = item.hDC;
    RECT rect = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;

    // A default or focused button carries a dark outer frame.
    if (default_ || focused) {
        UniqueBrush frame(CreateSolidBrush(GetSysColor(COLOR_WINDOWFRAME)));
        FrameRect(dc, &rect, frame.get());
        InflateRect(&rect, -1, -1);
    }
    UniqueBrush face(CreateSolidBrush(toColorRef(backColor_)));
    FillRect(dc, &rect, face.get());
    DrawEdge(dc, &rect, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    RECT text = rect;
    if (pressed)
        OffsetRect(&text, 1, 1);
    SavedDc saved(dc);
    SelectObject(dc, form().defaultFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : toColorRef(foreColor_));
    const LabelText& shown = shownCaption();
    if (shown.plain()) {
        // The design font has it all: drawn with its access key underlined.
        const std::wstring caption = win::toWide(caption_);
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    } else {
        // Characters the font lacks take fallback faces, as a label's do;
        // the access key still works, without its underline.
        const int top = text.top + (text.bottom - text.top - shown.size().cy) / 2;
        const RECT line = {text.left, top, text.right, top + shown.size().cy};
        shown.draw(dc, line, DT_CENTER);
    }

    if (focused) {
        RECT focus = rect;
        const int inset = scaledPixels(4, form().dpi());
        InflateRect(&focus, -inset, -inset);
        DrawFocusRect(dc, &focus);
    }
}

void CommandButton::paintInto(HDC dc, bool overItsBox)
{
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(controlId_);
    item.itemAction = ODA_DRAWENTIRE;
    item.hDC = dc;
    if (alive()) {
        // The state an owner-drawn button's own paint hands to its drawing.
        const LRESULT state = SendMessageW(hwnd(), BM_GETSTATE, 0, 0);
        item.itemState = ((state & BST_FOCUS) ? ODS_FOCUS : 0) | ((state & BST_PUSHED) ? ODS_SELECTED : 0) |
                         (IsWindowEnabled(hwnd()) ? 0 : ODS_DISABLED);
        item.hwndItem = hwnd();
        GetClientRect(hwnd(), &item.rcItem);
    } else {
        // Without a window it has neither the focus nor a press.
        item.itemState = enabled_ ? 0 : ODS_DISABLED;
        const RECT place = placeInContainer();
        item.rcItem = RECT{0, 0, place.right - place.left, place.bottom - place.top};
    }
    drawnOverItsBox_ = overItsBox;
    draw(item);
    drawnOverItsBox_ = false;
    if (alive())
        markPainted();
}

LRESULT CommandButton::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        if (form().paintChildrenTogether())
            return 0;
        // Its own paint draws it whole, through its drawing request.
        markPainted();
        break;
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS | defaultHandling(message, wParam, lParam);
    case WM_GETFONT:
        // The button is drawn in the form's font, and says so. (Giving it
        // the font with WM_SETFONT would store it with the window system,
        // a request for each button made.)
        return reinterpret_cast<LRESULT>(form().defaultFont());
    case WM_KEYDOWN:
        // Key preview: the form sees the key before the button does.
        form().keyDown(static_cast<int>(wParam));
        if (!alive())
            return 0;
        if (wParam == VK_TAB) {
            form().moveFocus(this, GetKeyState(VK_SHIFT) < 0);
            return 0;
        }
        if (wParam == VK_RETURN) {
            enterPressed();
            return 0;
        }
        break;
    case WM_KEYUP:
        form().keyUp(static_cast<int>(wParam));
        if (!alive())
            return 0;
        break;
    case WM_CHAR:
        // Enter and Tab were handled on key-down; keep the button from beeping.
        if (wParam == L'\r' || wParam == L'\t' || wParam == 27)
            return 0;
        if (form().pressAccessKey(static_cast<wchar_t>(wParam)))
            return 0;
        break;
    case WM_SYSCHAR:
        if (form().pressAccessKey(static_cast<wchar_t>(wParam)))
            return 0;
        break;
    case WM_MOUSEHWHEEL:
        // The horizontal wheel goes to the container, as the vertical one
        // does through the default handling.
        return SendMessageW(GetParent(hwnd()), message, wParam, lParam);
    case WM_SETFOCUS: {
        const LRESULT result = defaultHandling(message, wParam, lParam);
        if (onGotFocus)
            onGotFocus();
        return result;
    }
    default:
        break;
    }
    return defaultHandling(message, wParam, lParam);
}

} // namespace quillnote::forms
