#include "Form.h"

#include "CommandButton.h"
#include "DpiAwareness.h"
#include "FormRegistry.h"
#include "PictureBox.h"
#include "Screen.h"
#include "Timer.h"
#include "core/DpiScaling.h"
#include "win/Text.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>

namespace quillnote::forms {

namespace {

constexpr wchar_t ClassName[] = L"QuillnoteForm";

struct ThreadWindows {
    HWND except;
    std::vector<HWND>* found;
};

BOOL CALLBACK collectEnabledWindow(HWND hwnd, LPARAM lParam)
{
    auto* state = reinterpret_cast<ThreadWindows*>(lParam);
    if (hwnd != state->except && IsWindowEnabled(hwnd) && IsWindowVisible(hwnd))
        state->found->push_back(hwnd);
    return TRUE;
}

} // namespace

Form::Form() : dpi_(screenDpi()), units_(unitsAt(dpi_)), defaultFont_(FontSpec{}, dpi_) { enlistForm(this); }

Form::~Form()
{
    // Unloading re-enables the windows a modal show disabled.
    if (loaded_)
        unload();
    destroy();
    delistForm(this);
}

bool Form::isFormWindow(HWND window)
{
    wchar_t name[64] = {};
    return window && GetClassNameW(window, name, 64) > 0 && wcscmp(name, ClassName) == 0;
}

bool Form::load()
{
    if (loaded_)
        return true;
    if (!registerClass(ClassName, CS_DBLCLKS, nullptr))
        return false;
    // A fixed dialog frame without title bar, system menu or taskbar button.
    const DWORD style = WS_POPUP | WS_DLGFRAME | WS_CLIPCHILDREN;
    const DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT | extraExStyle();
    if (!createWindow(ClassName, exStyle, style, units_.xPixels(left_), units_.yPixels(top_), units_.xPixels(width_),
                      units_.yPixels(height_), owner_, 0, text_.windowSystemCopy().c_str()))
        return false;
    // On a monitor of another resolution than the screen's (the system's),
    // the window has its own.
    const int dpi = windowDpi(hwnd());
    if (dpi != dpi_)
        adoptDpi(dpi);
    if (!createControls()) {
        destroy();
        return false;
    }
    loaded_ = true;
    if (onLoad)
        onLoad();
    return true;
}

void Form::setLeft(double twips)
{
    left_ = twips;
    applyPosition();
}

void Form::setTop(double twips)
{
    top_ = twips;
    applyPosition();
}

void Form::setWidth(double twips)
{
    width_ = twips;
    applyPosition();
}

void Form::setHeight(double twips)
{
    height_ = twips;
    applyPosition();
}

void Form::setPlace(double left, double top, double width, double height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    applyPosition();
}

void Form::setText(const std::u16string& text)
{
    text_.set(win::toWide(text));
    if (alive())
        defaultHandling(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text_.windowSystemCopy().c_str()));
}

void Form::applyPosition()
{
    if (!alive())
        return;
    SetWindowPos(hwnd(), nullptr, units_.xPixels(left_), units_.yPixels(top_), units_.xPixels(width_),
                 units_.yPixels(height_), SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::adoptDpi(int dpi)
{
    dpi_ = dpi;
    units_ = unitsAt(dpi);
    // The buttons get the new font before the old one goes.
    Font font(FontSpec{}, dpi);
    for (CommandButton* button : buttons_) {
        if (button->alive())
            SendMessageW(button->hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        button->placeAgain();
    }
    defaultFont_ = std::move(font);
    applyPosition();
    dpiChanged();
}

// The suggested rectangle is the old one scaled by the ratio of the
// resolutions. The form's text does not scale exactly so (a font has only
// whole pixel sizes, a bitmap font only a few), so the form keeps the size
// its new layout gives and takes the suggested rectangle's corner: taking
// its size as well would cut off text that came out wider than in
// proportion.
void Form::followDpiChange(int dpi, const RECT& suggested)
{
    if (dpi != dpi_)
        adoptDpi(dpi);
    left_ = units_.xTwips(suggested.left);
    top_ = units_.yTwips(suggested.top);
    applyPosition();
}

SIZE Form::frameSize() const
{
    RECT rect = {};
    if (alive())
        GetClientRect(hwnd(), &rect);
    return SIZE{rect.right, rect.bottom};
}

void Form::show(bool modal)
{
    if (!loaded_ || !alive())
        return;
    activeBeforeShow_ = GetActiveWindow();
    activatedSinceShow_ = false;
    if (modal) {
        modal_ = true;
        ThreadWindows state{hwnd(), &disabledWindows_};
        EnumThreadWindows(GetCurrentThreadId(), &collectEnabledWindow, reinterpret_cast<LPARAM>(&state));
        // An owner of another thread, as the platform's box does with one.
        if (owner_ && IsWindow(owner_) && IsWindowEnabled(owner_) &&
            std::find(disabledWindows_.begin(), disabledWindows_.end(), owner_) == disabledWindows_.end())
            disabledWindows_.push_back(owner_);
        for (HWND window : disabledWindows_)
            EnableWindow(window, FALSE);
    }
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    SetActiveWindow(hwnd());
    shown();
    if (!modal)
        return;

    MSG message;
    while (loaded_) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // WM_QUIT belongs to the caller's loop: end ours and pass it on.
            PostQuitMessage(static_cast<int>(message.wParam));
            unload();
            break;
        }
        if (got == -1)
            break;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // A window destroyed by someone else ends the loop without an unload:
    // the windows the show disabled get their input back all the same.
    if (modal_)
        restoreAfterModal();
}

void Form::restoreAfterModal()
{
    for (HWND window : disabledWindows_)
        if (IsWindow(window))
            EnableWindow(window, TRUE);
    disabledWindows_.clear();
    modal_ = false;
}

void Form::unload()
{
    if (!loaded_ || unloading_)
        return;
    unloading_ = true;
    for (Timer* timer : timers_) {
        if (alive())
            KillTimer(hwnd(), timer->id());
        timer->stop();
    }
    // Give the disabled windows back their input before this window goes, so
    // that activation returns to the caller's window and not to another
    // program.

    restoreAfterModal();
    const HWND previous = activeBeforeShow_;
    const bool wasActive = alive() && GetActiveWindow() == hwnd();
    if (wasActive && previous && IsWindow(previous) && previous != hwnd())
        SetActiveWindow(previous);
    loaded_ = false;
    destroy();
    unloading_ = false;
}

void Form::unloadNow()
{
    enter();
    unload();
    leave(); // may free this form
}

void Form::deleteWhenUnloaded()
{
    deleteWhenUnloaded_ = true;
    if (!loaded_ && depth_ == 0)
        delete this;
}

void Form::leave()
{
    if (--depth_ == 0 && deleteWhenUnloaded_ && !loaded_)
        delete this;
}

void Form::onDestroyed()
{
    loaded_ = false;
    childrenPainted_ = false;
    for (Timer* timer : timers_)
        timer->stop();
}

void Form::registerButton(CommandButton* button) { buttons_.push_back(button); }
void Form::registerPictureBox(PictureBox* box) { pictureBoxes_.push_back(box); }

void Form::registerTimer(Timer* timer) { timers_.push_back(timer); }

void Form::unregisterTimer(Timer* timer)
{
    timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

bool Form::paintChildrenTogether()
{
    if (!paintsChildrenTogether_ || childrenPainted_ || !IsWindowVisible(hwnd()))
        return false;
    // Once per window: later repaints go window by window, as asked.
    childrenPainted_ = true;
    // Each box's device context clips it to what siblings above it leave,
    // so the order of painting does not matter. A box's scroll bars (the
    // window system's control) paint themselves over it, before anything is
    // validated. The frame is drawn here too, by the default handling of a
    // WM_NCPAINT of the whole window: the window system's own frame paint
    // takes the frame's pending paint away before it draws. The whole tree,
    // the frame and the form's own client area with it (it paints nothing of
    // its own), is validated after the picture is on the screen, not before
    // as BeginPaint does: a window without a pending paint then never shows
    // less than its picture.
    for (PictureBox* box : pictureBoxes_) {
        box->paintNow();
        box->paintScrollBarsNow();
    }
    SendMessageW(hwnd(), WM_NCPAINT, 1, 0);
    showWhatWasDrawn();
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_VALIDATE | RDW_NOFRAME | RDW_ALLCHILDREN);
    // The frame is on the screen: the controls that did not need a window
    // for it get theirs next, before any input is read.
    for (PictureBox* box : pictureBoxes_)
        box->makeWaitingButtonWindowsSoon();
    return true;
}

int Form::shiftState()
{
    return (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
           (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

void Form::keyUp(int keyCode)
{
    if (onKeyUp)
        onKeyUp(keyCode, shiftState());
}

void Form::keyDown(int keyCode)
{
    if (onKeyDown)
        onKeyDown(keyCode, shiftState());
}

void Form::moveFocus(CommandButton* from, bool backwards)
{
    std::vector<CommandButton*> order;
    for (CommandButton* b : buttons_)
        if (b->tabStop() && b->visible() && b->enabled())
            order.push_back(b);
    if (order.empty())
        return;
    std::sort(order.begin(), order.end(),
              [](const CommandButton* a, const CommandButton* b) { return a->tabIndex() < b->tabIndex(); });
    auto it = std::find(order.begin(), order.end(), from);
    size_t index = it == order.end() ? 0 : static_cast<size_t>(it - order.begin());
    const size_t count = order.size();
    index = backwards ? (index + count - 1) % count : (index + 1) % count;
    order[index]->setFocus();
}

bool Form::pressAccessKey(wchar_t key)
{
    const wchar_t upper = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(key)));
    for (CommandButton* b : buttons_) {
        if (b->visible() && b->enabled() && b->accessKey() != 0 && b->accessKey() == upper) {
            b->setFocus();
            b->click();
            return true;
        }
    }
    return false;
}

bool Form::pressDefaultButton()
{
    for (CommandButton* b : buttons_) {
        if (b->isDefault() && b->visible() && b->enabled()) {
            b->click();
            return true;
        }
    }
    return false;
}

bool Form::holdsFocus() const
{
    HWND focus = GetFocus();
    return focus && (focus == hwnd() || IsChild(hwnd(), focus));
}

LRESULT Form::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        if (paintChildrenTogether())
            return 0;
        break;
    case WM_ACTIVATE:
        // The form becomes the active form: on the first activation after
        // show, and whenever a window of this program hands the activation
        // back. A window of another program (or none, which is how such an
        // activation arrives) does not make it the active form again.
        if (LOWORD(wParam) != WA_INACTIVE && loaded_) {
            HWND other = reinterpret_cast<HWND>(lParam);
            DWORD otherProcess = 0;
            if (other)
                GetWindowThreadProcessId(other, &otherProcess);
            const bool fromThisProgram = other && otherProcess == GetCurrentProcessId();
            if (!activatedSinceShow_ || fromThisProgram) {
                activatedSinceShow_ = true;
                if (onActivate)
                    onActivate();
                // The default handling gives the focus to the form itself.
                // Where Activate has put it on a control of the form, it
                // stays there: moving it to the form first would be a focus
                // change of its own, announced to accessibility tools.
                if (alive() && !holdsFocus())
                    defaultHandling(message, wParam, lParam);
                // Shown, activated and ready: painted now, the window system
                // then has nothing left to erase or paint after the show.
                if (alive())
                    paintChildrenTogether();
                return 0;
            }
            return defaultHandling(message, wParam, lParam);
        }
        break;
    case WM_TIMER:
        for (Timer* timer : timers_) {
            if (timer->id() == wParam) {
                timer->tick();
                return 0;
            }
        }
        return 0;
    case WM_KEYDOWN:
        keyDown(static_cast<int>(wParam));
        return 0;
    case WM_KEYUP:
        keyUp(static_cast<int>(wParam));
        return 0;
    case WM_CHAR:
    case WM_SYSCHAR:
        if (pressAccessKey(static_cast<wchar_t>(wParam)))
            return 0;
        break;
    case WM_CLOSE:
        // Only the form's own code closes it.
        return 0;
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
        if (loaded_)
            systemLookChanged();
        return defaultHandling(message, wParam, lParam);
    case WM_DPICHANGED:
        if (loaded_ && lParam) {
            followDpiChange(usableDpi(HIWORD(wParam)), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        }
        break;
    case WM_SETTEXT: {
        // Kept whole; the window system gets its copy.
        LRESULT result = 0;
        text_.answer(message, wParam, lParam, result);
        return defaultHandling(message, wParam, reinterpret_cast<LPARAM>(text_.windowSystemCopy().c_str()));
    }
    case WM_GETTEXTLENGTH:
    case WM_GETTEXT: {
        LRESULT result = 0;
        text_.answer(message, wParam, lParam, result);
        return result;
    }
    case WM_GETOBJECT:
        if (loaded_) {
            if (const LRESULT answer = accessibleObject(wParam, lParam))
                return answer;
        }
        break;
    default:
        break;
    }
    return defaultHandling(message, wParam, lParam);
}

} // namespace quillnote::forms
