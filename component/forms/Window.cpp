#include "Window.h"

#include "win/SrwGuard.h"
#include "win/Text.h"

#include <unordered_map>

namespace quillnote::forms {

HINSTANCE thisModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&thisModule), &module);
    return module;
}

namespace {

// The classes registered so far (their names are constants of the form
// layer). A plain array: it is read while the library detaches.
constexpr int MaxClasses = 8;
const wchar_t* g_registeredClasses[MaxClasses] = {};
LONG g_registeredCount = 0;

void rememberClass(const wchar_t* className)
{
    const LONG count = InterlockedCompareExchange(&g_registeredCount, 0, 0);
    for (LONG i = 0; i < count; ++i)
        if (g_registeredClasses[i] == className)
            return;
    const LONG slot = InterlockedIncrement(&g_registeredCount) - 1;
    if (slot < MaxClasses)
        g_registeredClasses[slot] = className;
}

// Which object each window of the form layer belongs to. The process keeps
// this itself rather than in each window's user data: storing that is a
// request to the window system for every window made and destroyed. Windows
// of several threads are listed, so the table has a lock.
class WindowTable {
public:
    void add(HWND hwnd, Window* window)
    {
        win::ExclusiveGuard writing(lock_);
        windows_[hwnd] = window;
    }
    void remove(HWND hwnd)
    {
        win::ExclusiveGuard writing(lock_);
        windows_.erase(hwnd);
    }
    Window* find(HWND hwnd)
    {
        win::SharedGuard reading(lock_);
        const auto found = windows_.find(hwnd);
        return found == windows_.end() ? nullptr : found->second;
    }

private:
    SRWLOCK lock_ = SRWLOCK_INIT;
    std::unordered_map<HWND, Window*> windows_;
};

WindowTable& windowTable()
{
    static WindowTable table;
    return table;
}

} // namespace

void showWhatWasDrawn()
{
    // A wait for input that does not wait: the window system takes it for
    // the thread's idle moment, and that is when it sends the pictures (the
    // zero time-out returns at once, with nothing dispatched).
    MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, 0);
}

void unregisterWindowClasses()
{
    const LONG count = InterlockedExchange(&g_registeredCount, 0);
    for (LONG i = 0; i < count && i < MaxClasses; ++i) {
        if (g_registeredClasses[i])
            UnregisterClassW(g_registeredClasses[i], thisModule());
        g_registeredClasses[i] = nullptr;
    }
}

Window::~Window() { destroy(); }

void Window::destroy()
{
    if (!hwnd_)
        return;
    const HWND window = hwnd_;
    DestroyWindow(window);
    // A window that could not be destroyed here (another thread's) no
    // longer reaches this object.
    if (hwnd_)
        windowTable().remove(window);
    hwnd_ = nullptr;
}

void Window::setText(const std::u16string& text)
{
    if (hwnd_)
        win::setWindowText(hwnd_, text);
}

void Window::requestRepaint(const RECT* rect) const
{
    if (hwnd_ && painted_ && IsWindowVisible(hwnd_))
        InvalidateRect(hwnd_, rect, FALSE);
}

bool Window::registerClass(const wchar_t* className, UINT classStyle, HBRUSH background)
{
    WNDCLASSEXW existing = {};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(thisModule(), className, &existing))
        return true;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = classStyle;
    wc.lpfnWndProc = &Window::windowProc;
    wc.hInstance = thisModule();
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    if (RegisterClassExW(&wc) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return false;
    rememberClass(className);
    return true;
}

bool Window::createWindow(const wchar_t* className, DWORD exStyle, DWORD style, int x, int y, int width, int height,
                          HWND parent, UINT_PTR id, const wchar_t* text)
{
    HWND created = CreateWindowExW(exStyle, className, text, style, x, y, width, height, parent,
                                   reinterpret_cast<HMENU>(id), thisModule(), this);
    return created != nullptr && hwnd_ == created;
}

bool Window::subclass(HWND existing)
{
    if (!existing)
        return false;
    try {
        windowTable().add(existing, this);
    } catch (...) {
        return false;
    }
    hwnd_ = existing;
    // A window already on the screen may have painted: repaints are asked.
    painted_ = IsWindowVisible(existing) != FALSE;
    originalProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(existing, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::windowProc)));
    return originalProc_ != nullptr;
}

LRESULT Window::defaultHandling(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (originalProc_)
        return CallWindowProcW(originalProc_, hwnd_, message, wParam, lParam);
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return defaultHandling(message, wParam, lParam);
}

LRESULT CALLBACK Window::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<Window*>(create->lpCreateParams);
        // Out of memory for the table, the window is not made.
        try {
            windowTable().add(hwnd, self);
        } catch (...) {
            return FALSE;
        }
        self->hwnd_ = hwnd;
    }
    Window* self = windowTable().find(hwnd);
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->dispatch(hwnd, message, wParam, lParam);
}

LRESULT Window::dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    beginDispatch();
    LRESULT result = 0;
    // No exception may cross into the window system.
    try {
        result = handleMessage(message, wParam, lParam);
    } catch (...) {
        result = DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_PAINT)
        painted_ = true;
    if (message == WM_NCDESTROY) {
        if (originalProc_)
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProc_));
        windowTable().remove(hwnd);
        hwnd_ = nullptr;
        painted_ = false;
        onDestroyed();
    }
    // endDispatch may delete this object: nothing may touch it afterwards.
    endDispatch();
    return result;
}

} // namespace quillnote::forms
