// Prints how fast the dialog is, beside the platform's own message box:
// the time from the call to the first complete paint, the cost of a heading
// repaint, of each of the 16 body shadings on a body of the design size, and
// the processor time an open, idle dialog takes. Run it under the same
// conditions each time (see the README); it prints figures and asserts
// nothing.

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
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

using namespace quillnote;

namespace {

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

// Runs the message loop for a while, sleeping whenever there is nothing to
// do, as a program's own loop would.
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

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// --- First paint --------------------------------------------------------------

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

bool fullyPainted(HWND dialog)
{
    bool pending = GetUpdateRect(dialog, nullptr, FALSE) != FALSE;
    EnumChildWindows(dialog, &childNeedsPaint, reinterpret_cast<LPARAM>(&pending));
    return !pending;
}

// Calls `show` (which blocks in a modal loop) while a watcher thread waits for
// the dialog of `className` to be shown and fully painted, notes the time and
// closes it with Esc. Returns milliseconds from the call to that moment.
double timeToFirstPaint(const wchar_t* className, const std::function<void()>& show)
{
    const DWORD thread = GetCurrentThreadId();
    std::atomic<double> paintedAt{0};
    const double start = nowMs();
    std::thread watcher([&] {
        const double limit = nowMs() + 10000;
        HWND dialog = nullptr;
        while (nowMs() < limit) {
            WindowSearch search{className};
            EnumThreadWindows(thread, &findByClass, reinterpret_cast<LPARAM>(&search));
            if (search.found && fullyPainted(search.found)) {
                dialog = search.found;
                paintedAt = nowMs();
                break;
            }
            Sleep(0);
        }
        if (!dialog)
            return;
        GUITHREADINFO info = {};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(thread, &info);
        HWND target = info.hwndFocus ? info.hwndFocus : dialog;
        PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        PostMessageW(target, WM_KEYUP, VK_ESCAPE, 0xC0010001);
    });
    show();
    watcher.join();
    return paintedAt > 0 ? paintedAt - start : -1;
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

void callMsgBox(_Quillnote* box, short buttons)
{
    const win::Bstr message = win::Bstr::copyOf(u"Do you want to save the changes you made?");
    const win::Bstr title = win::Bstr::copyOf(u"Benchmark");
    win::Variant result;
    box->MsgBox(message.get(), buttons, title.get(), result.get());
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

double processCpuMs()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ms = [](const FILETIME& t) {
        return ((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
    };
    return ms(kernel) + ms(user);
}

} // namespace

int wmain()
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::wstring folder(MAX_PATH, L'\0');
    folder.resize(GetModuleFileNameW(nullptr, folder.data(), MAX_PATH));
    folder = folder.substr(0, folder.find_last_of(L"\\/"));
    win::UniqueModule library(LoadLibraryW((folder + L"\\Quillnote.dll").c_str()));
    if (!library) {
        std::printf("Quillnote.dll not found beside the benchmark\n");
        return 1;
    }
    int status = 0;
    {
        win::ComPtr<_Quillnote> box = createComponent(library.get());
        if (!box) {
            std::printf("could not create the component\n");
            return 1;
        }
        box->put_SoundBeep(VARIANT_FALSE);
        const int rounds = 15;

        std::printf("Time from the call to the first complete paint (median of %d, ms)\n", rounds);
        std::vector<double> platform, plain, faded;
        for (int i = 0; i < rounds; ++i) {
            platform.push_back(timeToFirstPaint(L"#32770", [] {
                MessageBoxW(nullptr, L"Do you want to save the changes you made?", L"Benchmark",
                            MB_YESNOCANCEL | MB_ICONQUESTION);
            }));
            box->put_GradientPaint(VARIANT_FALSE);
            plain.push_back(timeToFirstPaint(L"QuillnoteForm", [&] { callMsgBox(box.get(), 3 + 32); }));
            box->put_GradientPaint(VARIANT_TRUE);
            box->put_GradientDirection(7);
            faded.push_back(timeToFirstPaint(L"QuillnoteForm", [&] { callMsgBox(box.get(), 3 + 32); }));
        }
        std::printf("  MessageBoxW                         %8.2f\n", median(platform));
        std::printf("  MsgBox, default properties          %8.2f\n", median(plain));
        std::printf("  MsgBox, GradientPaint, circle fade  %8.2f\n", median(faded));

        // An idle dialog: open, active, nobody touching it.
        box->put_GradientPaint(VARIANT_FALSE);
        box->put_Modal(VARIANT_FALSE);
        callMsgBox(box.get(), 0);
        pump(500);
        const double cpuStart = processCpuMs(), wallStart = nowMs();
        pump(5000);
        const double cpuShare = (processCpuMs() - cpuStart) / (nowMs() - wallStart) * 100.0;
        std::printf("Processor time of an idle open dialog  %8.2f %% of one core\n", cpuShare);
        WindowSearch search{L"QuillnoteForm"};
        EnumThreadWindows(GetCurrentThreadId(), &findByClass, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            PostMessageW(search.found, WM_KEYUP, VK_ESCAPE, 0xC0010001);
            pump(300);
        }
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
        std::printf("Laying out a label's caption (median of 200, ms)\n");
        std::printf("  \"Message Text\", DrawTextW alone     %8.3f\n", drawText);
        std::printf("  \"Message Text\", label layout        %8.3f\n", plain);
        std::printf("  Greek, Hebrew, Chinese, Korean       %8.3f\n", mixed);
    }
    CoUninitialize();
    return status;
}
