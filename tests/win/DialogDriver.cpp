#include "DialogDriver.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace quillnote::test {

namespace {

std::wstring className(HWND hwnd)
{
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

std::wstring windowText(HWND hwnd)
{
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

struct FindState {
    HWND found = nullptr;
};

BOOL CALLBACK findForm(HWND hwnd, LPARAM lParam)
{
    auto* state = reinterpret_cast<FindState*>(lParam);
    if (IsWindowVisible(hwnd) && className(hwnd) == L"QuillnoteForm") {
        state->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK collectChild(HWND hwnd, LPARAM lParam)
{
    auto* view = reinterpret_cast<DialogView*>(lParam);
    const std::wstring cls = className(hwnd);
    if (_wcsicmp(cls.c_str(), L"Button") == 0) {
        if (!IsWindowVisible(hwnd))
            return TRUE;
        ButtonInfo info{hwnd, windowText(hwnd), {}, true, IsWindowEnabled(hwnd) != FALSE};
        GetWindowRect(hwnd, &info.rect);
        view->buttons.push_back(info);
    } else if (cls == L"QuillnotePictureBox") {
        RECT rect = {};
        GetWindowRect(hwnd, &rect);
        // The heading strip is the one at the top of the dialog.
        if (rect.top <= view->rect.top + 4)
            view->heading_strip = hwnd;
        else
            view->body = hwnd;
    }
    return TRUE;
}

LPARAM keyData(UINT key, bool up)
{
    const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
    LPARAM data = 1 | (static_cast<LPARAM>(scan) << 16);
    if (up)
        data |= (1u << 30) | (1u << 31);
    return data;
}

} // namespace

const ButtonInfo* DialogView::button(const std::wstring& caption) const
{
    for (const auto& b : buttons)
        if (b.caption == caption)
            return &b;
    return nullptr;
}

HWND findDialog(DWORD thread)
{
    FindState state;
    EnumThreadWindows(thread, &findForm, reinterpret_cast<LPARAM>(&state));
    return state.found;
}

DialogView viewOf(HWND dialog)
{
    DialogView view;
    view.dialog = dialog;
    GetWindowRect(dialog, &view.rect);
    view.heading = windowText(dialog);
    view.thread = GetWindowThreadProcessId(dialog, nullptr);
    EnumChildWindows(dialog, &collectChild, reinterpret_cast<LPARAM>(&view));
    if (view.body)
        view.message = windowText(view.body);
    std::sort(view.buttons.begin(), view.buttons.end(),
              [](const ButtonInfo& a, const ButtonInfo& b) { return a.rect.left < b.rect.left; });
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    if (GetGUIThreadInfo(view.thread, &info))
        view.focus = info.hwndFocus;
    return view;
}

void pressKey(HWND target, UINT key)
{
    PostMessageW(target, WM_KEYDOWN, key, keyData(key, false));
    PostMessageW(target, WM_KEYUP, key, keyData(key, true));
}

void releaseKey(HWND target, UINT key) { PostMessageW(target, WM_KEYUP, key, keyData(key, true)); }

void typeChar(HWND target, wchar_t ch, bool alt)
{
    LPARAM data = 1;
    if (alt)
        data |= 1u << 29;
    PostMessageW(target, alt ? WM_SYSCHAR : WM_CHAR, ch, data);
}

void clickButton(const ButtonInfo& button) { PostMessageW(button.hwnd, BM_CLICK, 0, 0); }

void pressAt(HWND window, int x, int y) { PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
void releaseAt(HWND window, int x, int y) { PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }

void clickAt(HWND window, int x, int y)
{
    pressAt(window, x, y);
    releaseAt(window, x, y);
}

DialogDriver::DialogDriver(Action action, DWORD limitMs, DWORD thread)
    : watcher_([this, action, limitMs, thread] { watch(action, limitMs, thread); })
{
}

DialogDriver::~DialogDriver() { join(); }

void DialogDriver::join()
{
    if (watcher_.joinable())
        watcher_.join();
}

void DialogDriver::watch(Action action, DWORD limitMs, DWORD thread)
{
    const DWORD start = GetTickCount();
    HWND dialog = nullptr;
    while (!dialog && GetTickCount() - start < limitMs) {
        dialog = findDialog(thread);
        if (!dialog)
            Sleep(10);
    }
    if (!dialog)
        return;
    // Let the activation run (focus, timers) before acting.
    Sleep(150);
    saw_ = true;
    if (action)
        action(viewOf(dialog));
    while (IsWindow(dialog) && GetTickCount() - start < limitMs)
        Sleep(10);
    if (!IsWindow(dialog))
        return;
    // Watchdog: Esc closes every dialog; if even that fails, end the run
    // rather than hang the suite.
    timedOut_ = true;
    const DialogView view = viewOf(dialog);
    releaseKey(view.focus ? view.focus : dialog, VK_ESCAPE);
    for (int i = 0; i < 300 && IsWindow(dialog); ++i)
        Sleep(10);
    if (IsWindow(dialog)) {
        std::fprintf(stderr, "watchdog: the dialog did not close; ending the test program\n");
        std::fflush(stderr);
        std::_Exit(3);
    }
}

bool pumpUntil(const std::function<bool()>& done, DWORD limitMs)
{
    const DWORD start = GetTickCount();
    MSG message;
    while (!done()) {
        if (GetTickCount() - start > limitMs)
            return false;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

} // namespace quillnote::test
