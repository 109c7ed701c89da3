#include "BenchmarkClock.h"

#include <algorithm>
#include <cwchar>

namespace quillnote::benchmark {

namespace {

struct WindowSearch {
    const wchar_t* className;
    HWND found = nullptr;
};

BOOL CALLBACK findByClass(HWND hwnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    if (IsWindowVisible(hwnd) && wcscmp(name, search->className) == 0) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK childNeedsPaint(HWND hwnd, LPARAM lParam)
{
    if (IsWindowVisible(hwnd) && GetUpdateRect(hwnd, nullptr, FALSE))
        *reinterpret_cast<bool*>(lParam) = true;
    return TRUE;
}

} // namespace

double nowMs()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart * 1000.0 / frequency.QuadPart;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void pump(double forMs)
{
    const double end = nowMs() + forMs;
    MSG message;
    for (double now = nowMs(); now < end; now = nowMs()) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now) + 1, QS_ALLINPUT);
    }
}

HWND findVisibleWindow(DWORD thread, const wchar_t* className)
{
    WindowSearch search{className};
    EnumThreadWindows(thread, &findByClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool fullyPainted(HWND dialog)
{
    bool pending = GetUpdateRect(dialog, nullptr, FALSE) != FALSE;
    EnumChildWindows(dialog, &childNeedsPaint, reinterpret_cast<LPARAM>(&pending));
    return !pending;
}

FirstPaintWatch::FirstPaintWatch(DWORD thread, const wchar_t* className, std::function<void(HWND)> close)
{
    watcher_ = std::thread([this, thread, className, close = std::move(close)] {
        watching_ = true;
        const double limit = nowMs() + 10000;
        while (nowMs() < limit) {
            const HWND found = findVisibleWindow(thread, className);
            if (found && fullyPainted(found)) {
                paintedAt_ = nowMs();
                close(found);
                return;
            }
            Sleep(0);
        }
    });
    // The watcher's own start is not part of what is timed.
    while (!watching_)
        Sleep(0);
}

FirstPaintWatch::~FirstPaintWatch()
{
    if (watcher_.joinable())
        watcher_.join();
}

double FirstPaintWatch::paintedAt()
{
    if (watcher_.joinable())
        watcher_.join();
    return paintedAt_;
}

} // namespace quillnote::benchmark
