#include "TestWindows.h"

namespace quillnote::test {

namespace {

constexpr const wchar_t* TestWindowClass = L"QuillnoteTestWindow";

} // namespace

std::wstring clipboardText()
{
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void dispatchQueued()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

namespace {

struct Search {
    const std::wstring* wanted;
    HWND found;
};

BOOL CALLBACK findVisible(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<Search*>(lParam);
    if (IsWindowVisible(window) && className(window) == *search->wanted) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

std::wstring windowText(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(window, text.data(), length + 1);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

std::wstring className(HWND window)
{
    wchar_t name[256] = {};
    const int got = GetClassNameW(window, name, 256);
    return std::wstring(name, got > 0 ? static_cast<size_t>(got) : 0);
}

RECT rectIn(HWND window, HWND other)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, other, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

HWND findVisibleWindow(DWORD thread, const std::wstring& className)
{
    Search search{&className, nullptr};
    EnumThreadWindows(thread, &findVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool pumpUntil(const std::function<bool()>& done, DWORD limitMs)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > limitMs)
            return false;
        dispatchQueued();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

void flushEvents(DWORD ms)
{
    const DWORD start = GetTickCount();
    for (DWORD elapsed = 0; elapsed < ms; elapsed = GetTickCount() - start) {
        dispatchQueued();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed, QS_ALLINPUT);
    }
    dispatchQueued();
}

TestWindow::TestWindow(const wchar_t* caption, int x, int y, int width, int height)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = TestWindowClass;
    RegisterClassW(&wc); // fails harmlessly once the class is there
    hwnd_ = CreateWindowExW(0, TestWindowClass, caption, WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, width, height, nullptr,
                            nullptr, wc.hInstance, nullptr);
}

TestWindow::~TestWindow()
{
    if (hwnd_)
        DestroyWindow(hwnd_);
}

void TestWindow::activate()
{
    SetActiveWindow(hwnd_);
    flushEvents(100);
}

} // namespace quillnote::test
