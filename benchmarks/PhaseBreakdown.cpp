// Prints where the time of the dialog's first paint goes, phase by phase:
// the dialog is built here with marks between the phases of the call (see
// dialog/PhaseMarks.h) and shown in-process, alternately with default
// properties and with GradientPaint and a circle fade, then alternately with
// default properties and with every member of version 1.1. The first call of
// the process (cold) is printed on its own, later calls (warm) as medians.
// It prints figures and asserts nothing.
//
// Usage: dialog_phases [--after-window | --requests]

#include "BenchmarkClock.h"
#include "core/QuillnoteProperties.h"
#include "dialog/MsgBoxCall.h"
#include "dialog/PhaseMarks.h"
#include "forms/Screen.h"

#include <windows.h>
#include <objbase.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cwchar>
#include <string>
#include <thread>
#include <utility>
#include <vector>

using namespace quillnote;
using benchmark::median;
using benchmark::nowMs;

namespace {

// The marks of the call in progress: the phase that ended and when.
std::vector<std::pair<std::string, double>> g_marks;

void recordMark(const char* phaseEnded) { g_marks.emplace_back(phaseEnded, nowMs()); }

// With --requests, each mark also shows in the window server's request
// trace (wineserver -d1) as a lookup of the atom "phase: NAME", so that
// count-requests.sh can count the requests of each phase.
bool g_traced = false;

void traceMark(const char* name)
{
    if (g_traced)
        GlobalFindAtomA((std::string("phase: ") + name).substr(0, 200).c_str());
}

void recordMarkForTrace(const char* phaseEnded)
{
    traceMark(phaseEnded);
    recordMark(phaseEnded);
}

// One modal call; returns each phase's duration in the order of the marks,
// the last one from the final mark to the first complete paint.
const std::u16string OneLine = u"Do you want to save the changes you made?";

// A message of `count` numbered lines.
std::u16string linesOfText(int count)
{
    std::u16string text;
    for (int i = 1; i <= count; ++i) {
        for (const char c : "Line " + std::to_string(i))
            text += static_cast<char16_t>(c);
        if (i < count)
            text += u"\r\n";
    }
    return text;
}

std::vector<std::pair<std::string, double>> timeOneCall(bool faded, bool sound = true,
                                                        const std::u16string& message = OneLine,
                                                        const ExtendedProperties& extended = ExtendedProperties{})
{
    SharedSettings& settings = threadSharedSettings();
    const IconMetrics icon{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), forms::Screen::twipsPerPixelX(),
                           forms::Screen::twipsPerPixelY()};
    QuillnoteProperties properties(settings, icon);
    if (!sound)
        properties.setSoundBeep(FlagFalse);
    if (faded) {
        properties.setGradientPaint(FlagTrue);
        properties.setGradientDirection(7);
    }
    g_marks.clear();
    benchmark::FirstPaintWatch watch(GetCurrentThreadId(), L"QuillnoteForm",
                                     [](HWND dialog) { PostMessageW(dialog, WM_KEYUP, VK_ESCAPE, 0xC0010001); });
    traceMark("start of the call");
    const double start = nowMs();
    if (extended.showCountdown() == FlagTrue)
        properties.setTimerSeconds(30);
    showMessage(properties, message, 3 + 32, u"Benchmark", extended);
    traceMark("end of the call");
    const benchmark::FirstPaint moments = watch.result();
    const double paintedAt = moments.painted;

    std::vector<std::pair<std::string, double>> phases;
    double previous = start;
    for (const auto& [name, at] : g_marks) {
        if (at > paintedAt)
            break;
        phases.emplace_back(name, at - previous);
        previous = at;
    }
    phases.emplace_back("first paint, after the last mark", paintedAt - previous);
    phases.emplace_back("TOTAL, call to first complete paint", paintedAt - start);
    phases.emplace_back("then until the screen shows it", moments.onScreen > 0 ? moments.onScreen - paintedAt : 0);
    return phases;
}

void printPhases(const char* heading, const std::vector<std::vector<std::pair<std::string, double>>>& runs)
{
    std::printf("%s\n", heading);
    std::vector<std::string> order;
    for (const auto& run : runs)
        for (const auto& phase : run)
            if (std::find(order.begin(), order.end(), phase.first) == order.end())
                order.push_back(phase.first);
    for (const auto& name : order) {
        std::vector<double> values;
        for (const auto& run : runs)
            for (const auto& phase : run)
                if (phase.first == name)
                    values.push_back(phase.second);
        std::printf("  %-45s %8.2f ms\n", name.c_str(), median(values));
    }
}

// What a program with windows has done before its first message: a window
// of its own created, shown, painted and closed.
void showAndCloseAWindow()
{
    HWND window = CreateWindowExW(0, L"STATIC", L"A window of its own", WS_POPUP | WS_CAPTION, 336, 317, 351, 134,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window)
        return;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    benchmark::pump(50);
    DestroyWindow(window);
    benchmark::pump(50);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (argc == 2 && std::wcscmp(argv[1], L"--requests") == 0) {
        // One cold and three warm calls with default properties, the chime
        // off, the phases marked for the trace.
        g_traced = true;
        setPhaseSink(&recordMarkForTrace);
        for (int i = 0; i < 4; ++i)
            timeOneCall(false, false);
        CoUninitialize();
        return 0;
    }
    setPhaseSink(&recordMark);
    // With --after-window, the process first shows a window of its own: the
    // cold call then shows the dialog's own first-time work, without the
    // process's first window.
    const bool afterWindow = argc == 2 && std::wcscmp(argv[1], L"--after-window") == 0;
    if (afterWindow)
        showAndCloseAWindow();
    // The sound is left on, as default properties have it.
    const auto cold = timeOneCall(false);
    printPhases(afterWindow ? "Cold: the first call of a process that has shown a window of its own, default "
                              "properties (one call)"
                            : "Cold: the first call of the process, default properties (one call)",
                {cold});
    std::vector<std::vector<std::pair<std::string, double>>> plain, faded, quiet;
    const int rounds = 30;
    for (int i = 0; i < rounds; ++i) {
        plain.push_back(timeOneCall(false));
        faded.push_back(timeOneCall(true));
        quiet.push_back(timeOneCall(false, false));
    }
    printPhases("Warm: default properties (median of 30 per phase)", plain);
    printPhases("Warm: default properties but SoundBeep off (median of 30 per phase)", quiet);
    printPhases("Warm: GradientPaint, circle fade (median of 30 per phase)", faded);

    // Every member of version 1.1 set, in turn with default properties
    // (SoundBeep off for both).
    HWND owner = CreateWindowExW(0, L"STATIC", L"Owner", WS_POPUP | WS_VISIBLE, 300, 300, 400, 300, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ExtendedProperties everyMember;
    everyMember.setButtonCaptions(u"&Save|Do&n't save|Cancel");
    everyMember.setCheckBoxText(u"&Don't show this again");
    everyMember.setShowCountdown(FlagTrue);
    everyMember.setTimeoutResult(32000);
    everyMember.setOwnerWindow(static_cast<std::int32_t>(reinterpret_cast<LONG_PTR>(owner)));
    everyMember.setTheme(ThemeChoice::Dark);
    std::vector<std::vector<std::pair<std::string, double>>> quietAgain, extended;
    for (int i = 0; i < rounds; ++i) {
        quietAgain.push_back(timeOneCall(false, false));
        extended.push_back(timeOneCall(false, false, OneLine, everyMember));
    }
    if (owner)
        DestroyWindow(owner);
    printPhases("Warm: SoundBeep off, in turn with the next (median of 30 per phase)", quietAgain);
    printPhases("Warm: SoundBeep off, every member of 1.1 set (median of 30 per phase)", extended);
    std::vector<std::vector<std::pair<std::string, double>>> tall;
    const std::u16string tenThousand = linesOfText(10000);
    for (int i = 0; i < 5; ++i)
        tall.push_back(timeOneCall(false, false, tenThousand));
    printPhases("Warm: 10,000 lines, SoundBeep off (median of 5 per phase)", tall);
    CoUninitialize();
    return 0;
}
