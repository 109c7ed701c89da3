// Prints how fast the dialog is, beside the platform's own message box and
// beside the floor the window system sets (a bare popup window with a caption
// and one line of text, created, shown and painted): the time from the call
// to the first complete paint, measured twice: until no window of the
// dialog's tree waits for a paint, and until the screen shows the finished
// dialog (read back from the display). Both for the first call in a fresh process (cold:
// the benchmark starts itself again once per measure; also in a fresh
// process that has shown a window of its own first) and for later calls
// (warm), the subjects measured in turn so that drift hits all alike; the
// first paint of messages of 1 to 10,000 lines; the processor time an open,
// idle dialog takes; the cost of a heading repaint and of each of the 16 body
// shadings on a body of the design size. Run it under the same conditions
// each time (see docs/speed.md); it prints figures and asserts nothing.
//
// Usage: dialog_benchmark [--cold SUBJECT | --cold-after-window SUBJECT]
// (the other forms are how the benchmark measures one cold call; they return
// the time in the exit code)

#include "BenchmarkClock.h"
#include "Quillnote.h"
#include "core/FadePainter.h"
#include "core/LinearGradient.h"
#include "core/PropertyRules.h"
#include "forms/Font.h"
#include "forms/Form.h"
#include "forms/LabelText.h"
#include "forms/PictureBox.h"
#include "forms/PictureBoxSurface.h"
#include "win/Bstr.h"
#include "win/ComPtr.h"
#include "win/ProcAddress.h"
#include "win/UniqueHandle.h"
#include "win/Variant.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>
#include <thread>
#include <vector>

using namespace quillnote;
using benchmark::median;
using benchmark::nowMs;
using benchmark::pump;

namespace {

// --- First paint --------------------------------------------------------------

// Milliseconds from the call to the two moments of its first paint (see
// benchmark::FirstPaint); -1 for one that did not come.
struct PaintTimes {
    double painted = -1;
    double onScreen = -1;
};

// Calls `show` (which blocks in a modal loop) while a watcher thread waits for
// the dialog of `className` to be shown and fully painted, then on the
// screen, notes the times and closes it with Esc.
PaintTimes timeToFirstPaint(const wchar_t* className, const std::function<void()>& show)
{
    const DWORD thread = GetCurrentThreadId();
    benchmark::FirstPaintWatch watch(thread, className, [thread](HWND dialog) {
        GUITHREADINFO info = {};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(thread, &info);
        HWND target = info.hwndFocus ? info.hwndFocus : dialog;
        PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        PostMessageW(target, WM_KEYUP, VK_ESCAPE, 0xC0010001);
    });
    const double start = nowMs();
    show();
    const benchmark::FirstPaint moments = watch.result();
    PaintTimes times;
    if (moments.painted > 0)
        times.painted = moments.painted - start;
    if (moments.onScreen > 0)
        times.onScreen = moments.onScreen - start;
    return times;
}

win::ComPtr<_Quillnote> createComponent(HMODULE library)
{
    using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
    auto get = win::procAddress<GetClassObject>(library, "DllGetClassObject");
    win::ComPtr<IClassFactory> factory;
    win::ComPtr<_Quillnote> box;
    if (get && SUCCEEDED(get(CLSID_Quillnote, IID_PPV_ARGS(factory.put()))))
        factory->CreateInstance(nullptr, IID_PPV_ARGS(box.put()));
    return box;
}

constexpr wchar_t Message[] = L"Do you want to save the changes you made?";
constexpr wchar_t Title[] = L"Benchmark";
constexpr short YesNoCancelQuestion = 3 + 32; // MB_YESNOCANCEL | MB_ICONQUESTION

void callMsgBox(_Quillnote* box, const std::wstring& text, short buttons)
{
    const win::Bstr message = win::Bstr::copyOf(std::wstring_view(text));
    const win::Bstr title = win::Bstr::copyOf(u"Benchmark");
    win::Variant result;
    box->MsgBox(message.get(), buttons, title.get(), result.get());
}

// --- The floor: what the window system costs at the least ----------------------

constexpr wchar_t FloorClass[] = L"QuillnoteBenchmarkFloor";

LRESULT CALLBACK floorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        TextOutW(dc, 12, 12, Message, static_cast<int>(wcslen(Message)));
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE)
            DestroyWindow(hwnd);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

// A popup window with a caption and one line of text, of the dialog's size,
// created, shown and run until Esc destroys it.
void showFloor()
{
    static const bool registered = [] {
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = &floorProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = FloorClass;
        return RegisterClassExW(&wc) != 0;
    }();
    if (!registered)
        return;
    HWND window = CreateWindowExW(0, FloorClass, Title, WS_POPUP | WS_CAPTION, 336, 317, 351, 134, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    if (!window)
        return;
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (IsWindow(window) && GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// --- The subjects, measured in turn -------------------------------------------

enum class Subject { Platform, Plain, Faded, Floor };
constexpr Subject AllSubjects[] = {Subject::Platform, Subject::Plain, Subject::Faded, Subject::Floor};

const wchar_t* argumentOf(Subject subject)
{
    switch (subject) {
    case Subject::Platform:
        return L"platform";
    case Subject::Plain:
        return L"plain";
    case Subject::Faded:
        return L"faded";
    case Subject::Floor:
        return L"floor";
    }
    return L"";
}

const char* labelOf(Subject subject)
{
    switch (subject) {
    case Subject::Platform:
        return "MessageBoxW";
    case Subject::Plain:
        return "MsgBox, default properties";
    case Subject::Faded:
        return "MsgBox, GradientPaint, circle fade";
    case Subject::Floor:
        return "Floor: captioned popup, one TextOut";
    }
    return "";
}

// One call of a subject, from the call to the first complete paint.
PaintTimes timeSubject(Subject subject, _Quillnote* box)
{
    switch (subject) {
    case Subject::Platform:
        return timeToFirstPaint(L"#32770",
                                [] { MessageBoxW(nullptr, Message, Title, MB_YESNOCANCEL | MB_ICONQUESTION); });
    case Subject::Plain:
        // The objects of a thread share the gradient setting: put it back to
        // its default before each plain call.
        box->put_GradientPaint(VARIANT_FALSE);
        return timeToFirstPaint(L"QuillnoteForm", [&] { callMsgBox(box, Message, YesNoCancelQuestion); });
    case Subject::Faded:
        box->put_GradientPaint(VARIANT_TRUE);
        box->put_GradientDirection(7);
        return timeToFirstPaint(L"QuillnoteForm", [&] { callMsgBox(box, Message, YesNoCancelQuestion); });
    case Subject::Floor:
        return timeToFirstPaint(FloorClass, [] { showFloor(); });
    }
    return {};
}

std::wstring ownPath()
{
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    return path;
}

struct Library {
    win::UniqueModule module;
    win::ComPtr<_Quillnote> box;
};

Library openComponent()
{
    Library library;
    std::wstring folder = ownPath();
    folder = folder.substr(0, folder.find_last_of(L"\\/"));
    library.module.reset(LoadLibraryW((folder + L"\\Quillnote.dll").c_str()));
    if (library.module)
        library.box = createComponent(library.module.get());
    return library;
}

// --- Cold: the first call in a fresh process ------------------------------------

// A child process measures one call and returns its two times as its exit
// code, in tenths of a millisecond: the time until painted in the upper 16
// bits, the time until on the screen in the lower; 0 when it could not
// measure. With
// `afterWindow`, the process first shows and closes a window of its own (the
// floor's), as a program with windows has done before its first message:
// the call then finds the window system set up for the process, and what it
// costs above a warm call is its own first-time work.
int measureColdInChild(const wchar_t* argument, bool afterWindow)
{
    for (Subject subject : AllSubjects) {
        if (wcscmp(argument, argumentOf(subject)) != 0)
            continue;
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        int code = 0;
        {
            if (afterWindow)
                timeSubject(Subject::Floor, nullptr);
            Library library = openComponent();
            if (library.box || subject == Subject::Platform || subject == Subject::Floor) {
                const PaintTimes times = timeSubject(subject, library.box.get());
                const auto tenths = [](double ms) { return std::clamp(std::lround(ms * 10), 1L, 0xFFFFL); };
                if (times.painted > 0 && times.onScreen > 0)
                    code = static_cast<int>((tenths(times.painted) << 16) | tenths(times.onScreen));
            }
        }
        CoUninitialize();
        return code;
    }
    return 0;
}

PaintTimes coldInFreshProcess(Subject subject, bool afterWindow)
{
    std::wstring command =
        L"\"" + ownPath() + (afterWindow ? L"\" --cold-after-window " : L"\" --cold ") + argumentOf(subject);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return {};
    win::UniqueKernelHandle processHandle(process.hProcess), threadHandle(process.hThread);
    DWORD code = 0;
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 0);
        return {};
    }
    GetExitCodeProcess(process.hProcess, &code);
    if (code == 0)
        return {};
    return PaintTimes{(code >> 16) / 10.0, (code & 0xFFFF) / 10.0};
}

// --- Printing -----------------------------------------------------------------

// The medians of a series of calls of each subject, both measures.
struct Figures {
    double painted[4] = {};
    double onScreen[4] = {};
};

// Collects the calls of each subject and gives their medians.
class Series {
public:
    void add(int subject, const PaintTimes& times)
    {
        painted_[subject].push_back(times.painted);
        onScreen_[subject].push_back(times.onScreen);
    }
    Figures medians() const
    {
        Figures figures;
        for (int i = 0; i < 4; ++i) {
            figures.painted[i] = median(painted_[i]);
            figures.onScreen[i] = median(onScreen_[i]);
        }
        return figures;
    }

private:
    std::vector<double> painted_[4], onScreen_[4];
};

void printFigures(const char* heading, int count, const Figures& figures)
{
    std::printf("%s (median of %d, ms; ratio to MessageBoxW, to the floor)\n", heading, count);
    std::printf("  %-38s %8s %13s   %8s %13s\n", "", "screen", "", "painted", "");
    for (int i = 0; i < 4; ++i) {
        const auto ratio = [](double ms, double base) { return base > 0 ? ms / base : 0; };
        std::printf("  %-38s %8.2f x%.2f x%.2f   %8.2f x%.2f x%.2f\n", labelOf(AllSubjects[i]), figures.onScreen[i],
                    ratio(figures.onScreen[i], figures.onScreen[0]), ratio(figures.onScreen[i], figures.onScreen[3]),
                    figures.painted[i], ratio(figures.painted[i], figures.painted[0]),
                    ratio(figures.painted[i], figures.painted[3]));
    }
}

// A message of `lines` lines of ordinary length.
std::wstring messageOfLines(int lines)
{
    std::wstring text;
    for (int i = 1; i <= lines; ++i) {
        if (i > 1)
            text += L"\r\n";
        text += L"Line " + std::to_wstring(i) + L" of the message, of ordinary length.";
    }
    return text;
}

double processCpuMs()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ms = [](const FILETIME& t) {
        return ((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
    };
    return ms(kernel) + ms(user);
}

// --- Painting -----------------------------------------------------------------

// A form with a heading strip and a body of the dialog's design size.
class PaintBench : public forms::Form {
public:
    PaintBench() : heading(*this), body(*this)
    {
        setWidth(5265);
        setHeight(2010);
        setLeft(1500);
        setTop(1500);
    }
    ~PaintBench() override { unload(); }
    forms::PictureBox heading;
    forms::PictureBox body;

protected:
    bool createControls() override
    {
        return heading.create(hwnd(), forms::TwipsRect{0, 0, 5265, 330}) &&
               body.create(hwnd(), forms::TwipsRect{0, 330, 5265, 1350});
    }
};

template <typename Work>
double averageMs(int repeats, Work work)
{
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        const double start = nowMs();
        work(i);
        times.push_back(nowMs() - start);
    }
    return median(times);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc == 3 && wcscmp(argv[1], L"--cold") == 0)
        return measureColdInChild(argv[2], false);
    if (argc == 3 && wcscmp(argv[1], L"--cold-after-window") == 0)
        return measureColdInChild(argv[2], true);

    std::setvbuf(stdout, nullptr, _IONBF, 0);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    {
        Library library = openComponent();
        if (!library.box) {
            std::printf("Quillnote.dll not found beside the benchmark, or the component not created\n");
            return 1;
        }
        _Quillnote* box = library.box.get();

        std::printf("Time from the call to the first complete paint: until the screen shows the finished dialog, "
                    "and until no window of it waits for a paint\n");
        const int coldRounds = 10;
        Series cold, coldAfterWindow;
        for (int round = 0; round < coldRounds; ++round)
            for (int i = 0; i < 4; ++i) {
                cold.add(i, coldInFreshProcess(AllSubjects[i], false));
                coldAfterWindow.add(i, coldInFreshProcess(AllSubjects[i], true));
            }
        const Figures coldFigures = cold.medians(), coldAfterWindowFigures = coldAfterWindow.medians();
        printFigures("Cold, the first call in a fresh process", coldRounds, coldFigures);
        printFigures("Cold, the first call in a fresh process that has shown a window of its own", coldRounds,
                     coldAfterWindowFigures);

        // One call of each before the warm figures: later calls are measured.
        for (Subject subject : AllSubjects)
            timeSubject(subject, box);
        const int warmRounds = 30;
        Series warm;
        for (int round = 0; round < warmRounds; ++round)
            for (int i = 0; i < 4; ++i)
                warm.add(i, timeSubject(AllSubjects[i], box));
        const Figures warmFigures = warm.medians();
        printFigures("Warm, later calls in the same process", warmRounds, warmFigures);
        const auto overWarm = [&](const Figures& figures, int i) {
            return warmFigures.onScreen[i] > 0 ? figures.onScreen[i] / warmFigures.onScreen[i] : 0;
        };
        std::printf("  Cold over warm, on the screen: MsgBox default x%.2f, GradientPaint x%.2f, floor x%.2f\n",
                    overWarm(coldFigures, 1), overWarm(coldFigures, 2), overWarm(coldFigures, 3));
        std::printf("  Cold after a window of its own, over warm, on the screen: MsgBox default x%.2f, "
                    "GradientPaint x%.2f, "
                    "MessageBoxW x%.2f\n",
                    overWarm(coldAfterWindowFigures, 1), overWarm(coldAfterWindowFigures, 2),
                    overWarm(coldAfterWindowFigures, 0));

        std::printf("First paint of a long message, MsgBox default properties (warm, on the screen, ms)\n");
        box->put_GradientPaint(VARIANT_FALSE);
        double oneLine = 0;
        for (int lines : {1, 100, 1000, 10000}) {
            const std::wstring text = messageOfLines(lines);
            std::vector<double> times;
            const int repeats = lines >= 10000 ? 5 : 9;
            for (int i = 0; i < repeats; ++i)
                times.push_back(timeToFirstPaint(L"QuillnoteForm", [&] { callMsgBox(box, text, 0); }).onScreen);
            const double ms = median(times);
            if (lines == 1)
                oneLine = ms;
            std::printf("  %6d lines  %8.2f   (%.4f ms per line above one line)\n", lines, ms,
                        lines > 1 ? (ms - oneLine) / (lines - 1) : 0.0);
        }

        // Every shading the body can have, the directions taken in turn in
        // each round so that drift hits all alike.
        const int directionRounds = 10;
        std::printf(
            "First paint with GradientPaint in each GradientDirection (warm, on the screen, median of %d, ms)\n",
            directionRounds);
        box->put_GradientPaint(VARIANT_TRUE);
        std::vector<double> byDirection[16];
        for (int round = 0; round < directionRounds; ++round)
            for (short value = 1; value <= 16; ++value) {
                box->put_GradientDirection(value);
                byDirection[value - 1].push_back(timeToFirstPaint(L"QuillnoteForm", [&] {
                                                     callMsgBox(box, Message, YesNoCancelQuestion);
                                                 }).onScreen);
            }
        double slowest = 0;
        for (short value = 1; value <= 16; ++value) {
            const double ms = median(byDirection[value - 1]);
            slowest = std::max(slowest, ms);
            std::printf("  %2d %7.2f%s", value, ms, value % 4 == 0 ? "\n" : "");
        }
        std::printf("  slowest direction %.2f ms\n", slowest);

        // The members of version 1.1 (captions, a shown countdown, a check
        // box, an owner, a theme), each alone and all together, against
        // default properties, in turn.
        box->put_GradientPaint(VARIANT_FALSE);
        win::ComPtr<_Quillnote2> box2;
        if (SUCCEEDED(library.box.queryInterface(box2))) {
            const int rounds = 20;
            const HWND owner = CreateWindowExW(0, L"STATIC", L"Owner", WS_POPUP | WS_VISIBLE, 300, 300, 400, 300,
                                               nullptr, nullptr, nullptr, nullptr);
            enum Member : unsigned { Captions = 1, Countdown = 2, CheckBox = 4, Owner = 8, Theme = 16, All = 31 };
            const auto set = [&](unsigned members) {
                const win::Bstr captions = win::Bstr::copyOf(members & Captions ? u"&Save|Do&n't save|Cancel" : u"");
                const win::Bstr checkBox = win::Bstr::copyOf(members & CheckBox ? u"&Don't show this again" : u"");
                box2->put_ButtonCaptions(captions.get());
                box2->put_CheckBoxText(checkBox.get());
                box2->put_ShowCountdown(members & Countdown ? VARIANT_TRUE : VARIANT_FALSE);
                box->put_TimerSeconds(members & Countdown ? 30 : 0);
                box2->put_TimeoutResult(members & Countdown ? 32000 : 0);
                box2->put_OwnerWindow(members & Owner ? static_cast<LONG>(reinterpret_cast<LONG_PTR>(owner)) : 0);
                box2->put_Theme(members & Theme ? 2 : 0);
            };
            const auto firstPaint = [&] {
                return timeToFirstPaint(L"QuillnoteForm", [&] { callMsgBox(box, Message, YesNoCancelQuestion); });
            };
            const std::pair<unsigned, const char*> variants[] = {
                {Captions, "ButtonCaptions"}, {Countdown, "ShowCountdown"}, {CheckBox, "CheckBoxText"},
                {Owner, "OwnerWindow"},       {Theme, "Theme 2"},           {All, "every 1.1 member"}};
            std::printf("First paint with the members of 1.1 (warm, median of %d, in turn with default properties; "
                        "on the screen, and until painted)\n",
                        rounds);
            for (const auto& [members, name] : variants) {
                std::vector<double> plain, extended, plainPainted, extendedPainted;
                for (int round = 0; round < rounds; ++round) {
                    set(0);
                    const PaintTimes before = firstPaint();
                    set(members);
                    const PaintTimes after = firstPaint();
                    plain.push_back(before.onScreen);
                    plainPainted.push_back(before.painted);
                    extended.push_back(after.onScreen);
                    extendedPainted.push_back(after.painted);
                }
                const double plainMs = median(plain), extendedMs = median(extended);
                const double plainPaintedMs = median(plainPainted), extendedPaintedMs = median(extendedPainted);
                std::printf("  %-18s %8.2f ms, default properties %8.2f ms: x%.2f   painted %8.2f / %8.2f ms: x%.2f\n",
                            name, extendedMs, plainMs, plainMs > 0 ? extendedMs / plainMs : 0, extendedPaintedMs,
                            plainPaintedMs, plainPaintedMs > 0 ? extendedPaintedMs / plainPaintedMs : 0);
            }
            set(0);
            if (owner)
                DestroyWindow(owner);
        }

        // An idle dialog: open, active, nobody touching it.
        box->put_GradientPaint(VARIANT_FALSE);
        box->put_Modal(VARIANT_FALSE);
        callMsgBox(box, Message, 0);
        pump(500);
        const double cpuStart = processCpuMs(), wallStart = nowMs();
        pump(5000);
        const double cpuShare = (processCpuMs() - cpuStart) / (nowMs() - wallStart) * 100.0;
        std::printf("Processor time of an idle open dialog  %8.2f %% of one core\n", cpuShare);
        if (const HWND open = benchmark::findVisibleWindow(GetCurrentThreadId(), L"QuillnoteForm")) {
            PostMessageW(open, WM_KEYUP, VK_ESCAPE, 0xC0010001);
            pump(300);
        }
        box->put_Modal(VARIANT_TRUE);
    }
    {
        PaintBench bench;
        if (!bench.load()) {
            std::printf("could not create the painting window\n");
            return 1;
        }
        bench.show(false);
        pump(200);
        const auto lookup = forms::systemColours();
        const double tick = averageMs(200, [&](int i) {
            {
                forms::PictureBoxSurface surface(bench.heading);
                paintLinearGradient(surface, systemColour(SysColour::ActiveCaption), Direction::LeftToRight, true,
                                    i % 2 == 0, lookup);
            }
            UpdateWindow(bench.heading.hwnd());
        });
        std::printf("Heading repaint (gradient and screen update, median of 200)  %8.3f ms\n", tick);

        std::printf("Body shading on the design-size body, 5265 x 1350 twips (median of 10, ms)\n");
        for (short value = 1; value <= 16; ++value) {
            const double ms = averageMs(10, [&](int) {
                Colour colour = 0x00C08040;
                std::int16_t code = gradientDirectionCode(value);
                {
                    forms::PictureBoxSurface surface(bench.body);
                    if (code <= Direction::RightToLeft)
                        paintLinearGradient(surface, colour, code, false, true, lookup);
                    else
                        paintFade(surface, colour, code, lookup);
                }
                UpdateWindow(bench.body.hwnd());
            });
            std::printf("  GradientDirection %2d (code %2d)  %8.3f\n", value, gradientDirectionCode(value), ms);
        }
        bench.unload();
    }
    {
        // What a label's caption costs to lay out and measure: a Latin one
        // (one glyph check, then DrawTextW as before, with DrawTextW alone
        // beside it) and one in other scripts (fallback faces, Uniscribe).
        using namespace quillnote::forms;
        const Font font{FontSpec{}};
        const std::wstring latin = L"Message Text";
        const std::wstring others = L"Message \x039A\x03CC\x03C3\x03BC\x03B5 \x05E9\x05DC\x05D5\x05DD "
                                    L"\x4E2D\x6587 \xD55C\xAD6D";
        const double drawText = averageMs(200, [&](int) {
            WindowDc screen(nullptr);
            SelectGuard select(screen.get(), font.get());
            RECT rect = {0, 0, 0, 0};
            DrawTextW(screen.get(), latin.c_str(), static_cast<int>(latin.size()), &rect, LabelTextFlags | DT_CALCRECT);
        });
        const double plain = averageMs(200, [&](int) { LabelText text(font.get(), latin); });
        const double mixed = averageMs(200, [&](int) { LabelText text(font.get(), others); });
        const std::wstring tall = messageOfLines(10000);
        const double tallLayout = averageMs(5, [&](int) { LabelText text(font.get(), tall); });
        std::printf("Laying out a label's caption (median of 200, ms)\n");
        std::printf("  \"Message Text\", DrawTextW alone     %8.3f\n", drawText);
        std::printf("  \"Message Text\", label layout        %8.3f\n", plain);
        std::printf("  Greek, Hebrew, Chinese, Korean       %8.3f\n", mixed);
        std::printf("  10,000 lines (median of 5)           %8.3f\n", tallLayout);
    }
    CoUninitialize();
    return 0;
}
