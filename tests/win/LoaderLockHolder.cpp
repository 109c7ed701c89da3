// A library for the lifetime tests: loading it takes the loader lock, and
// while it is attached (inside its DllMain, under that lock) it can wait for
// a window of another thread to go. A thread that ends with dialogs open
// must be able to unload them while another thread holds the loader lock.
//
// It is told what to do through the environment, read when it attaches:
// QUILLNOTE_LOCK_HOLDER_WINDOW, the window (a number) to wait for, and
// QUILLNOTE_LOCK_HOLDER_EVENT, the name of an event it sets once it holds
// the lock. Without them it does nothing and loads and unloads quickly.

#include <windows.h>

#include <cwchar>

namespace {

LONG g_windowWent = -1; // -1 not waited for, 0 still there, 1 gone

unsigned long long numberFromEnvironment(const wchar_t* name)
{
    wchar_t value[32] = {};
    if (GetEnvironmentVariableW(name, value, 32) == 0)
        return 0;
    return wcstoull(value, nullptr, 10);
}

void waitForWindowToGo()
{
    const auto window =
        reinterpret_cast<HWND>(static_cast<UINT_PTR>(numberFromEnvironment(L"QUILLNOTE_LOCK_HOLDER_WINDOW")));
    if (!window)
        return;
    wchar_t eventName[128] = {};
    if (GetEnvironmentVariableW(L"QUILLNOTE_LOCK_HOLDER_EVENT", eventName, 128) != 0) {
        if (HANDLE held = OpenEventW(EVENT_MODIFY_STATE, FALSE, eventName)) {
            SetEvent(held);
            CloseHandle(held);
        }
    }
    // Ten seconds at most, so that a thread that needs the lock to unload
    // its dialogs shows as a failure, not as a hang.
    const DWORD start = GetTickCount();
    while (IsWindow(window) && GetTickCount() - start < 10000)
        Sleep(5);
    g_windowWent = IsWindow(window) ? 0 : 1;
}

} // namespace

extern "C" __declspec(dllexport) LONG windowWentWhileAttaching() { return g_windowWent; }

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        waitForWindowToGo();
    return TRUE;
}
