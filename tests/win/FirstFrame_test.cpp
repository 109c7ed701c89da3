// The first frame a person sees is the finished dialog: once no window of the
// dialog's tree waits for a paint, the screen shows what it will show 300 ms
// later. The dialog's thread is kept busy right after the dialog's first
// activation (where the dialog paints itself whole) or its frame's first
// paint, as a caller's hook or the rest of the show may keep it: a picture
// that reaches the screen only when the thread next waits for messages
// shows as the difference. A check box is drawn by the body into that frame
// and gets its window right after: the window must change nothing a person
// sees.

#include "DialogTest.h"
#include "Snapshot.h"
#include "win/Bstr.h"
#include "win/PendingPaint.h"

#include <optional>
#include <string>
#include <thread>

namespace quillnote::test {
namespace {

// Holds the thread busy for `busyMs` after the first `message` (an
// activation: WM_ACTIVATE; a frame paint: WM_NCPAINT) of a dialog window has
// been handled.
class BusyAfterFirst {
public:
    // The hook acts only on messages this thread handles later, so the
    // settings can follow it.
    BusyAfterFirst(UINT message, DWORD busyMs)
    {
        message_ = message;
        busyMs_ = busyMs;
        done_ = false;
    }
    bool active() const { return hook_.active(); }
    bool wasBusy() const { return done_; }

private:
    static LRESULT CALLBACK onReturn(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        const bool activation = call->message != WM_ACTIVATE || LOWORD(call->wParam) != WA_INACTIVE;
        if (code == HC_ACTION && !done_ && call->message == message_ && activation &&
            className(call->hwnd) == L"QuillnoteForm") {
            done_ = true;
            Sleep(busyMs_);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline UINT message_ = 0;
    static inline DWORD busyMs_ = 0;
    static inline bool done_ = false;
    ThreadHook hook_{WH_CALLWNDPROCRET, &BusyAfterFirst::onReturn};
};

// What the screen showed of the dialog when its tree was first painted, and
// 300 ms later.
struct ScreenWatch {
    std::optional<Snapshot> atPaint;
    std::optional<Snapshot> later;
};

// From a thread of its own: waits for the dialog of `thread` to have no
// paint pending, reads the screen at once and again 300 ms later, then
// closes the dialog with Esc.
void watchScreen(DWORD thread, ScreenWatch& watch)
{
    const DWORD start = GetTickCount();
    HWND dialog = nullptr;
    while (GetTickCount() - start < 10000) {
        dialog = findDialog(thread);
        if (dialog && !win::treeWaitsForPaint(dialog)) {
            watch.atPaint = Snapshot::ofScreen(dialog);
            break;
        }
        Sleep(0);
    }
    if (!watch.atPaint)
        return;
    Sleep(300);
    watch.later = Snapshot::ofScreen(dialog);
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(thread, &info);
    HWND target = info.hwndFocus ? info.hwndFocus : dialog;
    PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, keyData(VK_ESCAPE, false));
    PostMessageW(target, WM_KEYUP, VK_ESCAPE, keyData(VK_ESCAPE, true));
}

std::wstring manyLines(int count)
{
    std::wstring text;
    for (int i = 1; i < count; ++i)
        text += L"Line " + std::to_wstring(i) + L"\r\n";
    return text + L"The last line";
}

using FirstFrameTest = DialogTest;

TEST_F(FirstFrameTest, TheScreenShowsTheFinishedDialogOnceNoWindowWaitsForAPaint)
{
    const struct {
        const char* name;
        bool gradient;
        short direction;
        std::wstring message;
        bool version11 = false; // a check box, captions of its own, the dark theme
    } cases[] = {
        {"default properties", false, 0, L"Do you want to save the changes you made?"},
        {"linear gradient", true, 0, L"Do you want to save the changes you made?"},
        {"circle fade", true, 7, L"Do you want to save the changes you made?"},
        {"tall message", false, 0, manyLines(500)},
        {"check box, own captions, dark", true, 7, L"Do you want to save the changes you made?", true},
    };
    win::ComPtr<_Quillnote2> box2;
    ASSERT_HRESULT_SUCCEEDED(box_.queryInterface(box2));
    const struct {
        const char* name;
        UINT message;
    } busyPoints[] = {{"busy after the activation", WM_ACTIVATE}, {"busy after the frame's paint", WM_NCPAINT}};
    for (const auto& c : cases)
        for (const auto& point : busyPoints) {
            SCOPED_TRACE(c.name);
            SCOPED_TRACE(point.name);
            box_->put_GradientPaint(c.gradient ? VARIANT_TRUE : VARIANT_FALSE);
            box_->put_GradientDirection(c.direction);
            const win::Bstr checkBox = win::Bstr::copyOf(c.version11 ? u"&Don't show this again" : u"");
            const win::Bstr captions = win::Bstr::copyOf(c.version11 ? u"&Save|Do&n't save|Cancel" : u"");
            ASSERT_HRESULT_SUCCEEDED(box2->put_CheckBoxText(checkBox.get()));
            ASSERT_HRESULT_SUCCEEDED(box2->put_ButtonCaptions(captions.get()));
            ASSERT_HRESULT_SUCCEEDED(box2->put_Theme(c.version11 ? 2 : 0));
            const BusyAfterFirst busy(point.message, 150);
            ASSERT_TRUE(busy.active());
            ScreenWatch watch;
            std::thread watcher(watchScreen, GetCurrentThreadId(), std::ref(watch));
            // The watcher closes it; the driver's watchdog is the last resort.
            DialogDriver driver(nullptr, 15000);
            EXPECT_EQ(msgBox(c.message, 3 + 32, L"First frame"), 2);
            watcher.join();
            EXPECT_TRUE(busy.wasBusy());
            ASSERT_TRUE(watch.atPaint && watch.later) << "the dialog was never painted";
            ASSERT_TRUE(watch.atPaint->valid());
            EXPECT_EQ(watch.atPaint->differences(*watch.later), 0u)
                << "the screen did not show the finished dialog when no window waited for a paint";
        }
}

} // namespace
} // namespace quillnote::test
