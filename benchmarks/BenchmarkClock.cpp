#include "BenchmarkClock.h"

#include "win/ProcAddress.h"

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

using DelayExecution = LONG(NTAPI*)(BOOLEAN alertable, const LARGE_INTEGER* interval);

void delayTenthOfMs(DelayExecution delay)
{
    LARGE_INTEGER interval;
    interval.QuadPart = -1000; // relative: 1000 x 100 ns
    delay(FALSE, &interval);
}

// The system's delay, when it can wait as little as a tenth of a
// millisecond; null when it cannot (Sleep cannot wait less than a
// millisecond, and where the system's timer ticks coarsely neither can its
// delay). The shortest of a few trial delays decides.
DelayExecution fineDelay()
{
    const auto delay = win::procAddress<DelayExecution>(GetModuleHandleW(L"ntdll.dll"), "NtDelayExecution");
    if (!delay)
        return nullptr;
    double shortest = 1e9;
    for (int i = 0; i < 5; ++i) {
        const double start = nowMs();
        delayTenthOfMs(delay);
        shortest = std::min(shortest, nowMs() - start);
    }
    return shortest < 0.5 ? delay : nullptr;
}

// Waits about a tenth of a millisecond between the watcher's looks. The
// watcher shares the machine with the dialog it times: one that spins takes
// a processor, and window-system requests, from the dialog, the window
// system and the display, and on a machine of two processors it slows what
// it measures. Where the system cannot wait so briefly, the watcher only
// yields, as a finer measure is worth more there than the processor.
void restBriefly()
{
    static const DelayExecution delay = fineDelay();
    if (delay)
        delayTenthOfMs(delay);
    else
        Sleep(0);
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
        // The first rest finds out how briefly the system can wait, before
        // the timing starts.
        restBriefly();
        watching_ = true;
        const double limit = nowMs() + 10000;
        while (nowMs() < limit) {
            const HWND found = findVisibleWindow(thread, className);
            if (found && fullyPainted(found)) {
                paintedAt_ = nowMs();
                close(found);
                return;
            }
            restBriefly();
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
