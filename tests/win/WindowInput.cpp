#include "WindowInput.h"

#include "TestWindows.h"

#include <array>

namespace quillnote::test {

LPARAM keyData(UINT key, bool up)
{
    const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
    LPARAM data = 1 | (static_cast<LPARAM>(scan) << 16);
    if (up)
        data |= (1u << 30) | (1u << 31);
    return data;
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

void pressAt(HWND window, int x, int y) { PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
void releaseAt(HWND window, int x, int y) { PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }

void clickAt(HWND window, int x, int y)
{
    pressAt(window, x, y);
    releaseAt(window, x, y);
}

void pressKeyWithControl(HWND target, UINT key)
{
    std::array<BYTE, 256> saved = {};
    GetKeyboardState(saved.data());
    std::array<BYTE, 256> held = saved;
    held[VK_CONTROL] = 0x80;
    held[VK_LCONTROL] = 0x80;
    SetKeyboardState(held.data());
    pressKey(target, key);
    dispatchQueued();
    SetKeyboardState(saved.data());
}

bool sendMouseAt(POINT screen, DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    return SendInput(1, &input, sizeof(input)) == 1;
}

} // namespace quillnote::test
