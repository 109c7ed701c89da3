// A call that cannot show its dialog says so: no failure is reported as a
// user's answer. Huge texts are shown (what is drawn may be cut, never what
// is copied or read out); a dialog whose window cannot be made, or that goes
// without an answer, fails with an error and a description, for early-bound
// and late-bound callers alike.

#include "DialogTest.h"
#include "win/AccessibleIid.h"
#include "win/Bstr.h"

#include <oleacc.h>

#include <string>

namespace quillnote::test {
namespace {

using CallFailureTest = DialogTest;

std::wstring linesOf(int count)
{
    std::wstring text;
    text.reserve(static_cast<size_t>(count) * 6 + 3);
    for (int i = 0; i < count; ++i)
        text += L"Line\r\n";
    return text + L"End";
}

// What a screen reader reads as the dialog's name.
size_t accessibleNameLength(HWND dialog)
{
    win::ComPtr<IAccessible> object;
    if (FAILED(AccessibleObjectFromWindow(dialog, OBJID_CLIENT, win::AccessibleIid, object.putVoid())) || !object)
        return 0;
    win::Bstr name;
    VARIANT self = makeI4(CHILDID_SELF);
    if (FAILED(object->get_accName(self, name.put())) || !name.get())
        return 0;
    return SysStringLen(name.get());
}

// Texts of several million characters: the dialog shows, and its whole
// heading and message are what tools read and what Ctrl+C copies.
TEST_F(CallFailureTest, HugeTextsAreShownAndReadWhole)
{
    const std::wstring huge(8000000, L'T');
    const std::wstring lines = linesOf(100000);
    const struct {
        const char* name;
        std::wstring message, title, defaultTitle;
        size_t heading;
    } cases[] = {
        {"title of 8,000,000 characters", L"hi", huge, L"", huge.size()},
        {"default title of 8,000,000 characters", L"hi", L"", huge, huge.size()},
        {"message of 8,000,000 characters", huge, L"t", L"", 1},
        {"message of 100,000 lines", lines, L"t", L"", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const win::Bstr defaultTitle = win::Bstr::copyOf(std::wstring_view(c.defaultTitle));
        ASSERT_HRESULT_SUCCEEDED(box_->put_DefaultTitle(defaultTitle.get()));
        size_t heading = 0, message = 0, readName = 0, copied = 0;
        DialogDriver driver(
            [&](const DialogView& view) {
                heading = view.heading.size();
                message = view.message.size();
                readName = accessibleNameLength(view.dialog);
                HWND focus = view.focus ? view.focus : view.dialog;
                pressKeyWithControl(focus, 'C');
                copied = clipboardText().size();
                pressKey(focus, VK_ESCAPE);
            },
            60000);
        const win::Bstr m = win::Bstr::copyOf(std::wstring_view(c.message));
        const win::Bstr t = win::Bstr::copyOf(std::wstring_view(c.title));
        Variant result;
        ASSERT_EQ(box_->MsgBox(m.get(), 0, t.get(), result.get()), S_OK);
        ASSERT_TRUE(driver.sawDialog()) << "no dialog appeared";
        EXPECT_EQ(V_VT(&*result), VT_I2);
        EXPECT_EQ(V_I2(&*result), 2) << "Esc";
        EXPECT_EQ(heading, c.heading) << "the dialog's text";
        EXPECT_EQ(readName, c.heading) << "the name a screen reader reads";
        EXPECT_EQ(message, c.message.size());
        EXPECT_GT(copied, c.heading + c.message.size()) << "Ctrl+C did not copy all";
    }
}

// Refuses the creation of the dialog's window on this thread, as a hook of
// another component may.
class WindowRefusal {
public:
    bool active() const { return hook_.active(); }

private:
    static LRESULT CALLBACK onCbt(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_CREATEWND && className(reinterpret_cast<HWND>(wParam)) == L"QuillnoteForm")
            return 1;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    ThreadHook hook_{WH_CBT, &WindowRefusal::onCbt};
};

// The thread's error object, as an early-bound caller reads it.
struct CallerError {
    std::wstring source, description;
};

CallerError callerError(IUnknown* object)
{
    CallerError error;
    win::ComPtr<ISupportErrorInfo> supports;
    if (FAILED(object->QueryInterface(IID_PPV_ARGS(supports.put()))) ||
        supports->InterfaceSupportsErrorInfo(IID__Quillnote) != S_OK)
        return error;
    win::ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.put()) != S_OK || !info)
        return error;
    win::Bstr source, description;
    info->GetSource(source.put());
    info->GetDescription(description.put());
    error.source = source.get() ? source.get() : L"";
    error.description = description.get() ? description.get() : L"";
    return error;
}

TEST_F(CallFailureTest, ADialogWhoseWindowCannotBeMadeFailsWithADescription)
{
    const WindowRefusal refusal;
    ASSERT_TRUE(refusal.active());
    for (const VARIANT_BOOL modal : {VARIANT_TRUE, VARIANT_FALSE}) {
        SCOPED_TRACE(modal ? "modal" : "modeless");
        box_->put_Modal(modal);
        SetErrorInfo(0, nullptr);
        const win::Bstr message = win::Bstr::copyOf(u"Never shown");
        Variant result;
        const HRESULT hr = box_->MsgBox(message.get(), 0, nullptr, result.get());
        EXPECT_TRUE(FAILED(hr)) << "a dialog that never showed was reported as shown";
        EXPECT_EQ(V_VT(&*result), VT_EMPTY) << "a failed call gave a result";
        const CallerError error = callerError(box_.get());
        EXPECT_EQ(error.source, L"QuillnoteLib.Quillnote");
        EXPECT_NE(error.description.find(L"could not be shown"), std::wstring::npos) << "no description";
        EXPECT_EQ(findDialog(GetCurrentThreadId()), nullptr);

        // Late bound: the error comes back as an exception with the same
        // description, which a script host displays.
        const LateBound late(box_.get());
        VARIANT args[] = {makeI2(0), makeString(L"Never shown")};
        Variant lateResult;
        EXCEPINFO exception = {};
        EXPECT_EQ(late.call(L"MsgBox", args, 2, lateResult, &exception), DISP_E_EXCEPTION);
        VariantClear(&args[1]);
        EXPECT_TRUE(FAILED(exception.scode));
        EXPECT_EQ(std::wstring(exception.bstrSource ? exception.bstrSource : L""), L"QuillnoteLib.Quillnote");
        EXPECT_EQ(std::wstring(exception.bstrDescription ? exception.bstrDescription : L""), error.description);
        SysFreeString(exception.bstrSource);
        SysFreeString(exception.bstrDescription);
        SysFreeString(exception.bstrHelpFile);
    }
}

// A dialog that goes without an answer (its window destroyed by someone
// else, or the program quitting) is no answer: the call fails.
TEST_F(CallFailureTest, ADialogThatGoesWithoutAnAnswerFails)
{
    const struct {
        const char* name;
        void (*end)(HWND dialog);
    } cases[] = {
        {"window destroyed", [](HWND dialog) { DestroyWindow(dialog); }},
        {"program quitting", [](HWND) { PostQuitMessage(7); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DialogDriver driver([&](const DialogView& view) { c.end(view.dialog); });
        const win::Bstr message = win::Bstr::copyOf(u"Ended from outside");
        Variant result;
        const HRESULT hr = box_->MsgBox(message.get(), 4, nullptr, result.get());
        EXPECT_TRUE(driver.sawDialog());
        EXPECT_EQ(hr, E_ABORT);
        EXPECT_EQ(V_VT(&*result), VT_EMPTY);
        EXPECT_NE(callerError(box_.get()).description.find(L"without an answer"), std::wstring::npos);
    }
    // The quit request is the caller's: it is still there for its own loop.
    MSG quit = {};
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 7u);
}

// The countdown's 0 and a button's code are answers: the call succeeds.
TEST_F(CallFailureTest, TheCountdownIsAnAnswer)
{
    box_->put_TimerSeconds(1);
    DialogDriver driver(nullptr);
    const win::Bstr message = win::Bstr::copyOf(u"Counting down");
    Variant result;
    EXPECT_EQ(box_->MsgBox(message.get(), 4, nullptr, result.get()), S_OK);
    EXPECT_EQ(V_VT(&*result), VT_I2);
    EXPECT_EQ(V_I2(&*result), 0);
}

} // namespace
} // namespace quillnote::test
