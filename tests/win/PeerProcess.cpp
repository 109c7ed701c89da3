#include "PeerProcess.h"

#include "TestSupport.h"
#include "TestWindows.h"

#include <string>

namespace quillnote::test {

namespace {

struct PeerSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK findPeerWindow(HWND hwnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<PeerSearch*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process == search->processId && IsWindowVisible(hwnd)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

} // namespace

PeerProcess::PeerProcess()
{
    std::wstring commandLine = L"\"" + programFolder() + L"\\peer_window.exe\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return;
    process_.reset(info.hProcess);
    CloseHandle(info.hThread);
    PeerSearch search{info.dwProcessId, nullptr};
    pumpUntil(
        [&] {
            EnumWindows(&findPeerWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        10000);
    window_ = search.found;
}

PeerProcess::~PeerProcess()
{
    if (!process_)
        return;
    if (window_ && IsWindow(window_))
        PostMessageW(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.get(), 5000) != WAIT_OBJECT_0)
        TerminateProcess(process_.get(), 1);
}

} // namespace quillnote::test
