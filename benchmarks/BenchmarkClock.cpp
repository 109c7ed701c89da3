#include "BenchmarkClock.h"

#include "forms/Gdi.h"
#include "win/PendingPaint.h"
#include "win/ProcAddress.h"

#include <algorithm>
#include <cstdint>
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

// Reads a rectangle of the screen into memory of its own, again and again.
class ScreenReader {
public:
    explicit ScreenReader(const RECT& rect) : rect_(rect)
    {
        const int width = rect.right - rect.left, height = rect.bottom - rect.top;
        if (width <= 0 || height <= 0)
            return;
        const BITMAPINFO info = forms::topDownDibInfo(width, height);
        forms::WindowDc screen(nullptr);
        memory_.reset(CreateCompatibleDC(screen.get()));
        bitmap_.reset(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
        if (memory_ && bitmap_ && bits_)
            count_ = static_cast<size_t>(width) * static_cast<size_t>(height);
    }

    // The screen's pixels now; empty when they cannot be read.
    std::vector<std::uint32_t> read()
    {
        if (count_ == 0)
            return {};
        forms::WindowDc screen(nullptr);
        {
            forms::SelectGuard select(memory_.get(), bitmap_.get());
            BitBlt(memory_.get(), 0, 0, rect_.right - rect_.left, rect_.bottom - rect_.top, screen.get(), rect_.left,
                   rect_.top, SRCCOPY);
            GdiFlush();
        }
        const auto* words = static_cast<const std::uint32_t*>(bits_);
        return std::vector<std::uint32_t>(words, words + count_);
    }

private:
    RECT rect_;
    forms::UniqueMemoryDc memory_;
    forms::UniqueBitmap bitmap_;
    void* bits_ = nullptr;
    size_t count_ = 0;
};

// When the screen first showed the picture of `window` it then kept (see
// FirstPaintWatch); 0 when the screen cannot be read.
double settledOnScreen(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    ScreenReader reader(rect);
    struct Reading {
        double at;
        std::vector<std::uint32_t> pixels;
    };
    std::vector<Reading> readings;
    const double limit = nowMs() + 1000;
    double changedAt = nowMs();
    while (nowMs() < limit && nowMs() - changedAt < 100) {
        const double at = nowMs();
        std::vector<std::uint32_t> pixels = reader.read();
        if (pixels.empty())
            return 0;
        if (readings.empty() || pixels != readings.back().pixels) {
            changedAt = at;
            readings.push_back(Reading{at, std::move(pixels)});
        }
        restBriefly();
    }
    // The readings differ one from the next: the first equal to the last
    // is the last unless an earlier picture came back.
    for (const Reading& reading : readings)
        if (reading.pixels == readings.back().pixels)
            return reading.at;
    return 0;
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

bool fullyPainted(HWND dialog) { return !win::treeWaitsForPaint(dialog); }

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
                result_.painted = nowMs();
                result_.onScreen = settledOnScreen(found);
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

FirstPaint FirstPaintWatch::result()
{
    if (watcher_.joinable())
        watcher_.join();
    return result_;
}

} // namespace quillnote::benchmark
