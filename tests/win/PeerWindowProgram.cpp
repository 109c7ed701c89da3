// A second program for the tests: it shows one top-level window of class
// "QuillnoteTestPeer" and runs until the window is closed, or for at most
// 60 seconds, so that a test that fails cannot leave it behind.

#include <windows.h>

namespace {

LRESULT CALLBACK peerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

int main()
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &peerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"QuillnoteTestPeer";
    if (!RegisterClassW(&wc))
        return 1;
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"Another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 400,
                                  240, 160, nullptr, nullptr, wc.hInstance, nullptr);
    if (!window)
        return 1;
    SetTimer(window, 1, 60000, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == window)
            DestroyWindow(window);
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
