// The members of version 1.1 (_Quillnote2): what each stores, early and
// late bound, bad values included; the results of modeless dialogs (IsOpen,
// Result, Close) and the Closed event through the object's connection point.

#include "DialogTest.h"
#include "EventSink.h"
#include "PeerProcess.h"
#include "Snapshot.h"
#include "dialog/DialogControlIds.h"
#include "win/AccessibleIid.h"
#include "win/Bstr.h"

#include <oleacc.h>
#include <olectl.h>

#include <string>

namespace quillnote::test {
namespace {

// Clicks, through the system's input, at the middle of the dialog's check
// box (where screen readers place it) as the dialog's frame is first painted,
// while the thread is still inside the show: a click a person makes the
// moment the dialog appears.
class ClickOnTheCheckBoxAtTheFirstFrame {
public:
    ClickOnTheCheckBoxAtTheFirstFrame() { done_ = clicked_ = hadWindow_ = false; }
    bool active() const { return hook_.active(); }
    bool clicked() const { return clicked_; }
    // Whether the check box had a window of its own when the click was made.
    bool hadWindow() const { return hadWindow_; }

private:
    static LRESULT CALLBACK onReturn(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (code == HC_ACTION && !done_ && call->message == WM_NCPAINT && className(call->hwnd) == L"QuillnoteForm") {
            done_ = true;
            click(call->hwnd);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static void click(HWND dialog)
    {
        hadWindow_ = GetDlgItem(viewOf(dialog).body, dialog_ids::CheckBox) != nullptr;
        win::ComPtr<IAccessible> object;
        AccessibleObjectFromWindow(dialog, OBJID_CLIENT, win::AccessibleIid, object.putVoid());
        long left = 0, top = 0, width = 0, height = 0;
        // The message, OK, the check box.
        if (!object || object->accLocation(&left, &top, &width, &height, makeI4(3)) != S_OK || width <= 0)
            return;
        const POINT at = {left + 6, top + height / 2}; // on its square
        clicked_ = sendMouseAt(at, MOUSEEVENTF_MOVE) && sendMouseAt(at, MOUSEEVENTF_LEFTDOWN) &&
                   sendMouseAt(at, MOUSEEVENTF_LEFTUP);
    }
    static inline bool done_ = false;
    static inline bool clicked_ = false;
    static inline bool hadWindow_ = false;
    ThreadHook hook_{WH_CALLWNDPROCRET, &ClickOnTheCheckBoxAtTheFirstFrame::onReturn};
};

class Version11Test : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        ASSERT_HRESULT_SUCCEEDED(box_.queryInterface(box2_));
    }
    // A check box with `text` under the message, ticked or not.
    void setCheckBox(const char16_t* text, bool ticked)
    {
        const win::Bstr caption = win::Bstr::copyOf(text);
        ASSERT_HRESULT_SUCCEEDED(box2_->put_CheckBoxText(caption.get()));
        ASSERT_HRESULT_SUCCEEDED(box2_->put_CheckBoxValue(ticked ? VARIANT_TRUE : VARIANT_FALSE));
    }
    // A modeless Yes/No dialog of this object, shown and activated.
    HWND showYesNo() { return showModeless(L"Keep going?", 4); }

    // An object of its own, silent and modeless, with `sink` connected,
    // showing `text` in an OK dialog (`dialog`; null when it did not show).
    void showWatchedModeless(win::ComPtr<_Quillnote>& own, EventSink& sink, const wchar_t* text, HWND& dialog)
    {
        ASSERT_HRESULT_SUCCEEDED(component_.create(own));
        own->put_SoundBeep(VARIANT_FALSE);
        own->put_Modal(VARIANT_FALSE);
        ASSERT_TRUE(sink.connect(own.get()));
        const win::Bstr message = win::Bstr::copyOf(std::wstring_view(text));
        Variant ignored;
        ASSERT_HRESULT_SUCCEEDED(own->MsgBox(message.get(), 0, nullptr, ignored.get()));
        dialog = findDialog(GetCurrentThreadId());
    }

    win::ComPtr<_Quillnote2> box2_;
};

TEST_F(Version11Test, TheNewInterfaceIsTheSameObjectAndTheDefaultOfIDispatch)
{
    win::ComPtr<IUnknown> viaOld, viaNew;
    ASSERT_HRESULT_SUCCEEDED(box_.queryInterface(viaOld));
    ASSERT_HRESULT_SUCCEEDED(box2_.queryInterface(viaNew));
    EXPECT_EQ(viaOld.get(), viaNew.get());
    // A late-bound client finds the new members by name through IDispatch.
    const LateBound late(box_.get());
    DISPID id = 0;
    EXPECT_HRESULT_SUCCEEDED(late.dispId(L"ShowCountdown", id));
    EXPECT_EQ(id, 0x68030020);
    EXPECT_HRESULT_SUCCEEDED(late.dispId(L"DefaultTitle", id)) << "the members of 1.0 are still there";
    EXPECT_EQ(id, 0x68030000);
}

TEST_F(Version11Test, EachMemberStoresWhatItIsGivenEarlyAndLateBound)
{
    // Defaults: the behaviour of version 1.0.
    VARIANT_BOOL flag = -5;
    short number = -5;
    LONG handle = -5;
    EXPECT_HRESULT_SUCCEEDED(box2_->get_ShowCountdown(&flag));
    EXPECT_EQ(flag, VARIANT_FALSE);
    EXPECT_HRESULT_SUCCEEDED(box2_->get_TimeoutResult(&number));
    EXPECT_EQ(number, 0);
    EXPECT_HRESULT_SUCCEEDED(box2_->get_OwnerWindow(&handle));
    EXPECT_EQ(handle, 0);
    EXPECT_HRESULT_SUCCEEDED(box2_->get_Theme(&number));
    EXPECT_EQ(number, 0);
    EXPECT_HRESULT_SUCCEEDED(box2_->get_IsOpen(&flag));
    EXPECT_EQ(flag, VARIANT_FALSE);
    EXPECT_HRESULT_SUCCEEDED(box2_->get_Result(&number));
    EXPECT_EQ(number, 0);
    win::Bstr text;
    EXPECT_HRESULT_SUCCEEDED(box2_->get_ButtonCaptions(text.put()));
    EXPECT_EQ(text.view(), L"");

    const LateBound late(box_.get());
    const struct {
        const wchar_t* name;
        VARIANT written;
        VARIANT expected;
    } cases[] = {
        {L"ShowCountdown", makeBool(VARIANT_TRUE), makeBool(VARIANT_TRUE)},
        {L"TimeoutResult", makeI2(32000), makeI2(32000)},
        {L"TimeoutResult", makeI2(-1), makeI2(-1)},
        {L"Theme", makeI2(2), makeI2(2)},
        {L"Theme", makeI2(9), makeI2(0)},
        {L"Theme", makeI2(-3), makeI2(0)},
        {L"OwnerWindow", makeI4(0x7FFFFFFF), makeI4(0x7FFFFFFF)},
        {L"OwnerWindow", makeI4(-1), makeI4(-1)},
        {L"CheckBoxValue", makeBool(VARIANT_TRUE), makeBool(VARIANT_TRUE)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name, c.name + wcslen(c.name)));
        ASSERT_HRESULT_SUCCEEDED(late.put(c.name, c.written));
        Variant read;
        ASSERT_HRESULT_SUCCEEDED(late.get(c.name, read));
        EXPECT_EQ(V_VT(&*read), V_VT(&c.expected));
        EXPECT_EQ(VarCmp(read.get(), const_cast<VARIANT*>(&c.expected), LOCALE_USER_DEFAULT, 0), VARCMP_EQ);
    }

    // Texts: empty, ordinary, any UTF-16 and long, read back whole.
    const std::wstring texts[] = {L"", L"&Save|Do&n't save|Cancel", L"\x05E9\x05DC\x05D5\x05DD|\xD83D\xDE00",
                                  std::wstring(100000, L'x')};
    for (const std::wstring& written : texts) {
        const win::Bstr in = win::Bstr::copyOf(std::wstring_view(written));
        ASSERT_HRESULT_SUCCEEDED(box2_->put_ButtonCaptions(in.get()));
        ASSERT_HRESULT_SUCCEEDED(box2_->put_CheckBoxText(in.get()));
        win::Bstr captions, checkBox;
        ASSERT_HRESULT_SUCCEEDED(box2_->get_ButtonCaptions(captions.put()));
        ASSERT_HRESULT_SUCCEEDED(box2_->get_CheckBoxText(checkBox.put()));
        EXPECT_EQ(std::wstring(captions.view()), written);
        EXPECT_EQ(std::wstring(checkBox.view()), written);
    }
    EXPECT_HRESULT_SUCCEEDED(box2_->put_ButtonCaptions(nullptr)) << "a null string is the empty one";

    // Readers refuse a null pointer; the read-only members refuse writing.
    EXPECT_EQ(box2_->get_IsOpen(nullptr), E_POINTER);
    EXPECT_EQ(box2_->get_Result(nullptr), E_POINTER);
    EXPECT_EQ(box2_->get_ButtonCaptions(nullptr), E_POINTER);
    EXPECT_TRUE(FAILED(late.put(L"IsOpen", makeBool(VARIANT_TRUE))));
    EXPECT_TRUE(FAILED(late.put(L"Result", makeI2(6))));
}

TEST_F(Version11Test, TheCountdownReturnsTheTimeoutResult)
{
    box_->put_TimerSeconds(1);
    box2_->put_TimeoutResult(32000);
    DialogDriver driver(nullptr);
    EXPECT_EQ(msgBox(L"Times out", 4), 32000);
    short result = 0;
    box2_->get_Result(&result);
    EXPECT_EQ(result, 32000);
}

TEST_F(Version11Test, AModelessDialogReportsItsResultAndRaisesClosed)
{
    const auto sink = EventSink::create();
    ASSERT_TRUE(sink->connect(box2_.get()));
    HWND dialog = showYesNo();
    ASSERT_NE(dialog, nullptr);
    VARIANT_BOOL open = VARIANT_FALSE;
    box2_->get_IsOpen(&open);
    EXPECT_EQ(open, VARIANT_TRUE);
    short result = -1;
    box2_->get_Result(&result);
    EXPECT_EQ(result, 0) << "no dialog has closed yet";

    const DialogView view = viewOf(dialog);
    const ButtonInfo* no = view.button(L"&No");
    ASSERT_NE(no, nullptr);
    clickButton(*no);
    ASSERT_TRUE(pumpUntil([&] { return !IsWindow(dialog); }, 5000));
    box2_->get_IsOpen(&open);
    EXPECT_EQ(open, VARIANT_FALSE);
    box2_->get_Result(&result);
    EXPECT_EQ(result, 7);
    EXPECT_EQ(sink->closed(), std::vector<short>{7});
    sink->disconnect();
}

TEST_F(Version11Test, CloseEndsTheOpenDialogWithTheCodeAndDoesNothingWithoutOne)
{
    const auto sink = EventSink::create();
    ASSERT_TRUE(sink->connect(box2_.get()));
    EXPECT_HRESULT_SUCCEEDED(box2_->Close(6)) << "no dialog: nothing happens";
    EXPECT_TRUE(sink->closed().empty());

    HWND dialog = showYesNo();
    ASSERT_NE(dialog, nullptr);
    EXPECT_HRESULT_SUCCEEDED(box2_->Close(-123));
    EXPECT_FALSE(IsWindow(dialog));
    short result = 0;
    box2_->get_Result(&result);
    EXPECT_EQ(result, -123);
    EXPECT_EQ(sink->closed(), std::vector<short>{-123});
    EXPECT_HRESULT_SUCCEEDED(box2_->Close(6));
    EXPECT_EQ(sink->closed().size(), 1u) << "a closed dialog closed again";
    sink->disconnect();
}

TEST_F(Version11Test, AModalDialogRaisesClosedBeforeMsgBoxReturns)
{
    const auto sink = EventSink::create();
    ASSERT_TRUE(sink->connect(box2_.get()));
    bool returned = false;
    bool closedBeforeReturn = false;
    sink->onClosed = [&](short) { closedBeforeReturn = !returned; };
    DialogDriver driver([](const DialogView& view) {
        if (const ButtonInfo* yes = view.button(L"&Yes"))
            clickButton(*yes);
    });
    EXPECT_EQ(msgBox(L"Modal", 4), 6);
    returned = true;
    EXPECT_EQ(sink->closed(), std::vector<short>{6});
    EXPECT_TRUE(closedBeforeReturn);
    sink->disconnect();
}

// A sink that holds the last reference to the object and lets it go inside
// Closed; and a dialog that outlives its object, closed later: neither
// reaches a freed object.
TEST_F(Version11Test, ObjectsReleasedWhileTheirDialogsCloseAreNeverReachedAgain)
{
    {
        win::ComPtr<_Quillnote> own;
        const auto sink = EventSink::create();
        HWND dialog = nullptr;
        showWatchedModeless(own, *sink.get(), L"Released inside Closed", dialog);
        ASSERT_NE(dialog, nullptr);
        _Quillnote* last = own.detach();
        sink->onClosed = [&](short) {
            sink->disconnect();
            last->Release();
        };
        releaseKey(dialog, VK_ESCAPE);
        ASSERT_TRUE(pumpUntil([&] { return !IsWindow(dialog); }, 5000));
        EXPECT_EQ(sink->closed(), std::vector<short>{2});
    }
    {
        win::ComPtr<_Quillnote> own;
        const auto sink = EventSink::create();
        HWND dialog = nullptr;
        showWatchedModeless(own, *sink.get(), L"Outlives its object", dialog);
        ASSERT_NE(dialog, nullptr);
        own.reset(); // the sink's connection point is all that is left
        releaseKey(dialog, VK_ESCAPE);
        ASSERT_TRUE(pumpUntil([&] { return !IsWindow(dialog); }, 5000));
        EXPECT_TRUE(sink->closed().empty()) << "an event from an object that is gone";
        sink->disconnect();
    }
    EXPECT_EQ(component_.canUnloadNow(), S_FALSE) << "the fixture's own object is still alive";
}

TEST_F(Version11Test, TheConnectionPointAnswersAsThePlatformExpects)
{
    win::ComPtr<IConnectionPointContainer> container;
    ASSERT_HRESULT_SUCCEEDED(box2_.queryInterface(container));
    win::ComPtr<IConnectionPoint> point;
    EXPECT_EQ(container->FindConnectionPoint(IID_IDispatch, point.put()), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(container->FindConnectionPoint(DIID___Quillnote, nullptr), E_POINTER);
    ASSERT_HRESULT_SUCCEEDED(container->FindConnectionPoint(DIID___Quillnote, point.put()));
    IID iid = {};
    EXPECT_HRESULT_SUCCEEDED(point->GetConnectionInterface(&iid));
    EXPECT_TRUE(IsEqualIID(iid, DIID___Quillnote));
    win::ComPtr<IConnectionPointContainer> back;
    EXPECT_HRESULT_SUCCEEDED(point->GetConnectionPointContainer(back.put()));
    EXPECT_EQ(back.get(), container.get());

    DWORD cookie = 99;
    EXPECT_EQ(point->Advise(nullptr, &cookie), E_POINTER);
    EXPECT_EQ(point->Unadvise(12345), CONNECT_E_NOCONNECTION);
    const auto first = EventSink::create(), second = EventSink::create();
    DWORD firstCookie = 0, secondCookie = 0;
    ASSERT_HRESULT_SUCCEEDED(point->Advise(static_cast<IDispatch*>(first.get()), &firstCookie));
    ASSERT_HRESULT_SUCCEEDED(point->Advise(static_cast<IDispatch*>(second.get()), &secondCookie));
    EXPECT_NE(firstCookie, secondCookie);

    win::ComPtr<IEnumConnections> connections;
    ASSERT_HRESULT_SUCCEEDED(point->EnumConnections(connections.put()));
    CONNECTDATA data[3] = {};
    ULONG fetched = 0;
    EXPECT_EQ(connections->Next(3, data, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 2u);
    for (ULONG i = 0; i < fetched; ++i)
        data[i].pUnk->Release();

    win::ComPtr<IEnumConnectionPoints> points;
    ASSERT_HRESULT_SUCCEEDED(container->EnumConnectionPoints(points.put()));
    IConnectionPoint* found = nullptr;
    EXPECT_EQ(points->Next(1, &found, nullptr), S_OK);
    EXPECT_EQ(found, point.get());
    if (found)
        found->Release();
    EXPECT_EQ(points->Next(1, &found, nullptr), S_FALSE);

    win::ComPtr<IProvideClassInfo2> classInfo;
    ASSERT_HRESULT_SUCCEEDED(box2_.queryInterface(classInfo));
    GUID source = {};
    EXPECT_HRESULT_SUCCEEDED(classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source));
    EXPECT_TRUE(IsEqualGUID(source, DIID___Quillnote));
    win::ComPtr<ITypeInfo> coclass;
    EXPECT_HRESULT_SUCCEEDED(classInfo->GetClassInfo(coclass.put()));
    EXPECT_TRUE(coclass);

    EXPECT_HRESULT_SUCCEEDED(point->Unadvise(firstCookie));
    EXPECT_EQ(point->Unadvise(firstCookie), CONNECT_E_NOCONNECTION) << "unadvised twice";
    EXPECT_HRESULT_SUCCEEDED(point->Unadvise(secondCookie));

    // The point outlives its object: it answers, and reaches nothing.
    back.reset();
    classInfo.reset();
    container.reset();
    box2_.reset();
    box_.reset();
    win::ComPtr<IConnectionPointContainer> gone;
    EXPECT_TRUE(FAILED(point->GetConnectionPointContainer(gone.put())));
    EXPECT_TRUE(FAILED(point->Advise(static_cast<IDispatch*>(first.get()), &cookie)));
}

// The caller's captions: shown, read out and copied as given; each button
// keeps the code of the standard button in its place; access keys follow
// the new captions; all buttons as wide as the widest.
TEST_F(Version11Test, CustomCaptionsKeepTheCodesOfTheirPlaces)
{
    const win::Bstr captions = win::Bstr::copyOf(u"&Save|Do&n't save|Cancel");
    ASSERT_HRESULT_SUCCEEDED(box2_->put_ButtonCaptions(captions.get()));
    const struct {
        const char* name;
        void (*press)(const DialogView&);
        short code;
    } cases[] = {
        {"click the second", [](const DialogView& view) { clickButton(view.buttons[1]); }, 7},
        {"its access key", [](const DialogView& view) { typeChar(view.focus ? view.focus : view.dialog, L'n'); }, 7},
        {"the first's access key", [](const DialogView& view) { typeChar(view.focus, L's', true); }, 6},
        {"the standard access key is gone",
         [](const DialogView& view) {
             typeChar(view.focus, L'y');
             pressKey(view.focus, VK_ESCAPE);
         },
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::wstring> shown;
        std::wstring copied;
        std::vector<LONG> widths;
        DialogDriver driver([&](const DialogView& view) {
            shown = view.captions();
            for (const ButtonInfo& button : view.buttons)
                widths.push_back(button.rect.right - button.rect.left);
            pressKeyWithControl(view.focus, 'C');
            copied = clipboardText();
            c.press(view);
        });
        EXPECT_EQ(msgBox(L"Save the changes?", 3), c.code);
        EXPECT_EQ(shown, (std::vector<std::wstring>{L"&Save", L"Do&n't save", L"Cancel"}));
        EXPECT_NE(copied.find(L"Save   Don't save   Cancel   "), std::wstring::npos) << "Ctrl+C";
        ASSERT_EQ(widths.size(), 3u);
        EXPECT_EQ(widths[0], widths[1]);
        EXPECT_EQ(widths[1], widths[2]);
    }
}

TEST_F(Version11Test, ALongCaptionWidensEveryButtonAndIsCut)
{
    const std::wstring longCaption(60, L'W');
    const win::Bstr captions = win::Bstr::copyOf(std::wstring_view(L"|" + longCaption));
    ASSERT_HRESULT_SUCCEEDED(box2_->put_ButtonCaptions(captions.get()));
    std::vector<std::wstring> shown;
    std::vector<LONG> widths;
    LONG dialogWidth = 0;
    DialogDriver driver([&](const DialogView& view) {
        shown = view.captions();
        for (const ButtonInfo& button : view.buttons)
            widths.push_back(button.rect.right - button.rect.left);
        dialogWidth = view.rect.right - view.rect.left;
        pressKey(view.focus, VK_ESCAPE);
    });
    EXPECT_EQ(msgBox(L"Short", 4), 2);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], L"&Yes") << "an empty entry keeps the standard caption";
    EXPECT_EQ(shown[1].size(), 40u);
    EXPECT_EQ(shown[1].back(), L'\x2026');
    ASSERT_EQ(widths.size(), 2u);
    EXPECT_EQ(widths[0], widths[1]);
    EXPECT_GT(widths[0], 73) << "the design's width (1095 twips) for a caption that does not fit in it";
    EXPECT_LE(dialogWidth, GetSystemMetrics(SM_CXSCREEN));
}

// A countdown that shows itself: "OK (3)", then "OK (2)"; the user's key
// stops it and gives the caption back, and the dialog stays.
TEST_F(Version11Test, AShownCountdownCountsOnTheDefaultButtonUntilTheUserActs)
{
    box_->put_TimerSeconds(3);
    box2_->put_ShowCountdown(VARIANT_TRUE);
    std::wstring atStart, afterASecond, afterTheKey, afterTheTime;
    bool openAfterTheTime = false;
    DialogDriver driver([&](const DialogView& view) { atStart = view.focusedCaption(); });
    driver
        .then(1300,
              [&](const DialogView& view) {
                  afterASecond = view.focusedCaption();
                  pressKey(view.focus, VK_SHIFT);
              })
        .then(100, [&](const DialogView& view) { afterTheKey = view.focusedCaption(); })
        .then(2500, [&](const DialogView& view) {
            afterTheTime = view.focusedCaption();
            openAfterTheTime = IsWindow(view.dialog) != FALSE;
            pressKey(view.focus, VK_ESCAPE);
        });
    EXPECT_EQ(msgBox(L"Counting", 0), 2);
    EXPECT_EQ(atStart, L"&OK (3)");
    EXPECT_EQ(afterASecond, L"&OK (2)");
    EXPECT_EQ(afterTheKey, L"&OK");
    EXPECT_EQ(afterTheTime, L"&OK");
    EXPECT_TRUE(openAfterTheTime) << "the countdown ran on after the user's key";
}

TEST_F(Version11Test, AShownCountdownLeftAloneClosesWithTheTimeoutResult)
{
    box_->put_TimerSeconds(1);
    box2_->put_ShowCountdown(VARIANT_TRUE);
    box2_->put_TimeoutResult(32000);
    std::wstring caption;
    DialogDriver driver([&](const DialogView& view) { caption = view.focusedCaption(); });
    EXPECT_EQ(msgBox(L"Closing by itself", 0), 32000);
    EXPECT_EQ(caption, L"&OK (1)");
}

// The check box under the message: in the Tab order after the buttons,
// toggled by Space, a click and its access key; Enter on it presses the
// default button; read out and copied with its state; CheckBoxValue holds
// what the user left.
TEST_F(Version11Test, TheCheckBoxIsReachedToggledReadAndReported)
{
    ASSERT_NO_FATAL_FAILURE(setCheckBox(u"&Don't show this again", false));
    HWND check = nullptr;
    RECT checkRect = {}, buttonRect = {};
    std::wstring copied;
    std::vector<bool> states;
    bool focusedAfterTab = false;
    {
        DialogDriver driver([&](const DialogView& view) {
            check = GetDlgItem(view.body, dialog_ids::CheckBox);
            if (!check || !IsWindowVisible(check))
                return;
            GetWindowRect(check, &checkRect);
            buttonRect = view.buttons[0].rect;
            const auto isChecked = [&] {
                win::ComPtr<IAccessible> object;
                AccessibleObjectFromWindow(view.dialog, OBJID_CLIENT, win::AccessibleIid, object.putVoid());
                Variant state;
                object->get_accState(makeI4(4), state.get()); // message, two buttons, the check box
                return (V_I4(&*state) & STATE_SYSTEM_CHECKED) != 0;
            };
            states.push_back(isChecked());
            pressKey(view.focus, VK_TAB); // Yes to No
            dispatchQueued();
            pressKey(GetFocus(), VK_TAB); // No to the check box
            dispatchQueued();
            focusedAfterTab = GetFocus() == check;
            pressKey(check, VK_SPACE);
            dispatchQueued();
            states.push_back(isChecked());
            clickAt(check, 3, 3);
            dispatchQueued();
            states.push_back(isChecked());
            typeChar(check, L'd', true);
            dispatchQueued();
            states.push_back(isChecked());
            pressKeyWithControl(check, 'C');
            copied = clipboardText();
            pressKey(check, VK_RETURN); // the default button, Yes
        });
        EXPECT_EQ(msgBox(L"Saved.", 4), 6);
    }
    ASSERT_NE(check, nullptr) << "no check box";
    EXPECT_TRUE(focusedAfterTab) << "Tab did not reach the check box";
    EXPECT_EQ(states, (std::vector<bool>{false, true, false, true})) << "Space, a click, the access key";
    EXPECT_NE(copied.find(L"Saved.\r\n[x] Don't show this again\r\n"), std::wstring::npos) << "Ctrl+C";
    EXPECT_LT(checkRect.bottom, buttonRect.top) << "the check box is not above the buttons";
    VARIANT_BOOL value = VARIANT_FALSE;
    box2_->get_CheckBoxValue(&value);
    EXPECT_EQ(value, VARIANT_TRUE) << "CheckBoxValue does not hold what the user left";

    // Shown checked when CheckBoxValue says so; unchecked by the user.
    bool shownChecked = false;
    DialogDriver again([&](const DialogView& view) {
        HWND box = GetDlgItem(view.body, dialog_ids::CheckBox);
        shownChecked = box && SendMessageW(box, WM_GETTEXTLENGTH, 0, 0) > 0;
        win::ComPtr<IAccessible> object;
        AccessibleObjectFromWindow(view.dialog, OBJID_CLIENT, win::AccessibleIid, object.putVoid());
        Variant state;
        object->get_accState(makeI4(3), state.get()); // message, OK, the check box
        shownChecked = shownChecked && (V_I4(&*state) & STATE_SYSTEM_CHECKED) != 0;
        win::Bstr name;
        object->get_accName(makeI4(3), name.put());
        shownChecked = shownChecked && name.view() == L"Don't show this again";
        clickAt(box, 3, 3);
        dispatchQueued();
        pressKey(view.focus, VK_ESCAPE);
    });
    EXPECT_EQ(msgBox(L"Again", 0), 2);
    EXPECT_TRUE(shownChecked);
    box2_->get_CheckBoxValue(&value);
    EXPECT_EQ(value, VARIANT_FALSE);
}

// What the check box shows: its square with the mark while checked and
// without it once a click unchecks it, and beside the square the body's own
// shaded picture (no background of its own), in the first paint of the
// whole body and in the check box's own repaint alike.
TEST_F(Version11Test, TheCheckBoxShowsItsStateOverTheShadedBody)
{
    box_->put_GradientPaint(VARIANT_TRUE);
    box_->put_GradientDirection(7);
    ASSERT_NO_FATAL_FAILURE(setCheckBox(u"&Remember", true));
    const COLORREF markColour = GetSysColor(COLOR_WINDOWTEXT);
    const Pixel mark{GetRValue(markColour), GetGValue(markColour), GetBValue(markColour)};
    struct Seen {
        int markPixels = -1;   // of the mark's colour inside the square
        bool overBody = false; // the gap after the square shows the body's picture
    };
    const auto look = [&](HWND box, HWND body) {
        Seen seen;
        const Snapshot check(box);
        const Snapshot under(body);
        if (!check.valid() || !under.valid())
            return seen;
        // The square (13 pixels at this resolution) at the left, centred.
        const int top = (check.height() - 13) / 2;
        seen.markPixels = 0;
        for (int y = top + 2; y < top + 11; ++y)
            for (int x = 2; x < 11; ++x)
                seen.markPixels += check.at(x, y) == mark ? 1 : 0;
        POINT gap = {14, top + 6};
        MapWindowPoints(box, body, &gap, 1);
        seen.overBody = check.at(14, top + 6) == under.at(gap.x, gap.y) && under.at(gap.x, gap.y) != mark;
        return seen;
    };
    Seen checked, unchecked;
    DialogDriver driver([&](const DialogView& view) {
        HWND box = GetDlgItem(view.body, dialog_ids::CheckBox);
        if (!box)
            return;
        checked = look(box, view.body);
        clickAt(box, 3, 3);
        dispatchQueued();
        UpdateWindow(box);
        unchecked = look(box, view.body);
        pressKey(view.focus ? view.focus : view.dialog, VK_ESCAPE);
    });
    EXPECT_EQ(msgBox(L"Shaded", 0), 2);
    EXPECT_GE(checked.markPixels, 15) << "no check mark while checked";
    EXPECT_EQ(unchecked.markPixels, 0) << "a check mark once unchecked";
    EXPECT_TRUE(checked.overBody) << "the first paint does not show the body under the check box";
    EXPECT_TRUE(unchecked.overBody) << "the check box's own repaint does not show the body under it";
}

// The body draws the check box into the dialog's first frame, and the check
// box gets its window right after, before any input is read: once the dialog
// is active the window is there with nothing left to paint, screen readers
// find it where it is, and its own repaint shows exactly what the body drew.
TEST_F(Version11Test, TheCheckBoxWindowTakesOverWhatTheFirstFrameShows)
{
    box_->put_GradientPaint(VARIANT_TRUE);
    box_->put_GradientDirection(7);
    ASSERT_NO_FATAL_FAILURE(setCheckBox(u"&Remember", true));
    bool present = false, waitedForPaint = true, locatedThere = false;
    size_t changedByRepaint = 0;
    DialogDriver driver([&](const DialogView& view) {
        HWND box = GetDlgItem(view.body, dialog_ids::CheckBox);
        present = box && IsWindowVisible(box);
        if (present) {
            waitedForPaint = GetUpdateRect(box, nullptr, FALSE) != FALSE;
            RECT rect = {};
            GetWindowRect(box, &rect);
            win::ComPtr<IAccessible> object;
            AccessibleObjectFromWindow(view.dialog, OBJID_CLIENT, win::AccessibleIid, object.putVoid());
            long left = 0, top = 0, width = 0, height = 0;
            locatedThere = object &&
                           object->accLocation(&left, &top, &width, &height, makeI4(3)) == S_OK && // message, OK, it
                           left == rect.left && top == rect.top && width == rect.right - rect.left &&
                           height == rect.bottom - rect.top;
            const Snapshot drawnByBody(box);
            RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            const Snapshot repainted(box);
            changedByRepaint = drawnByBody.valid() ? drawnByBody.differences(repainted) : ~size_t{0};
        }
        pressKey(view.focus ? view.focus : view.dialog, VK_ESCAPE);
    });
    EXPECT_EQ(msgBox(L"Shaded", 0), 2);
    ASSERT_TRUE(present) << "no check box window once the dialog is active";
    EXPECT_FALSE(waitedForPaint) << "the check box window waits for a paint of its own";
    EXPECT_TRUE(locatedThere) << "screen readers do not find the check box where its window is";
    EXPECT_EQ(changedByRepaint, 0u) << "the check box's own paint differs from what the body drew of it";
}

// A click made the moment the dialog appears, where its first frame shows the
// check box, ticks the check box: the check box gets its window before the
// thread reads any input.
TEST_F(Version11Test, AClickAsTheDialogAppearsReachesTheCheckBox)
{
    ASSERT_NO_FATAL_FAILURE(setCheckBox(u"&Remember", false));
    POINT pointer = {};
    GetCursorPos(&pointer);
    const ClickOnTheCheckBoxAtTheFirstFrame clicker;
    ASSERT_TRUE(clicker.active());
    bool windowAfter = false;
    {
        DialogDriver driver([](const DialogView&) {});
        driver.then(300, [&](const DialogView& view) {
            HWND box = GetDlgItem(view.body, dialog_ids::CheckBox);
            windowAfter = box && IsWindowVisible(box);
            pressKey(view.focus ? view.focus : view.dialog, VK_ESCAPE);
        });
        EXPECT_EQ(msgBox(L"Appearing", 0), 2);
    }
    SetCursorPos(pointer.x, pointer.y); // where the next test expects it
    ASSERT_TRUE(clicker.clicked()) << "the click could not be made";
    EXPECT_FALSE(clicker.hadWindow()) << "the check box had its window before the first frame: not the case tested";
    EXPECT_TRUE(windowAfter) << "no check box window after the click";
    VARIANT_BOOL value = VARIANT_FALSE;
    box2_->get_CheckBoxValue(&value);
    EXPECT_EQ(value, VARIANT_TRUE) << "the click did not reach the check box";
}

TEST_F(Version11Test, WithoutItsTextThereIsNoCheckBoxAndItsValueStays)
{
    box2_->put_CheckBoxValue(VARIANT_TRUE);
    bool visible = true;
    long children = 0;
    DialogDriver driver([&](const DialogView& view) {
        HWND box = GetDlgItem(view.body, dialog_ids::CheckBox);
        visible = box && IsWindowVisible(box);
        win::ComPtr<IAccessible> object;
        AccessibleObjectFromWindow(view.dialog, OBJID_CLIENT, win::AccessibleIid, object.putVoid());
        object->get_accChildCount(&children);
        pressKey(view.focus, VK_ESCAPE);
    });
    EXPECT_EQ(msgBox(L"Plain", 0), 2);
    EXPECT_FALSE(visible);
    EXPECT_EQ(children, 2) << "the message and OK";
    VARIANT_BOOL value = VARIANT_FALSE;
    box2_->get_CheckBoxValue(&value);
    EXPECT_EQ(value, VARIANT_TRUE);
}

// OwnerWindow names a window of another program: the dialog is owned by
// it, centred on it with StartUpPosition 1, and a modal call disables it for
// its duration. A number that names no window is ignored.
TEST_F(Version11Test, ANamedOwnerOwnsTheDialogAndIsDisabledWhileItIsModal)
{
    PeerProcess peer;
    ASSERT_NE(peer.window(), nullptr);
    SetWindowPos(peer.window(), nullptr, 100, 80, 500, 400, SWP_NOZORDER | SWP_NOACTIVATE);
    box_->put_StartUpPosition(1);
    box2_->put_OwnerWindow(static_cast<LONG>(reinterpret_cast<LONG_PTR>(peer.window())));
    HWND owner = nullptr;
    bool ownerEnabled = true;
    RECT dialog = {};
    {
        DialogDriver driver([&](const DialogView& view) {
            owner = GetWindow(view.dialog, GW_OWNER);
            ownerEnabled = IsWindowEnabled(peer.window()) != FALSE;
            dialog = view.rect;
            pressKey(view.focus, VK_ESCAPE);
        });
        EXPECT_EQ(msgBox(L"Owned", 0), 2);
    }
    EXPECT_EQ(owner, peer.window());
    EXPECT_FALSE(ownerEnabled) << "the owner took input during the modal call";
    EXPECT_TRUE(IsWindowEnabled(peer.window())) << "the owner was not given its input back";
    RECT ownerRect = {};
    GetWindowRect(peer.window(), &ownerRect);
    EXPECT_NEAR((dialog.left + dialog.right) / 2, (ownerRect.left + ownerRect.right) / 2, 2);
    EXPECT_NEAR((dialog.top + dialog.bottom) / 2, (ownerRect.top + ownerRect.bottom) / 2, 2);

    for (const LONG invalid : {LONG{12345}, LONG{-1}}) {
        SCOPED_TRACE(invalid);
        box2_->put_OwnerWindow(invalid);
        HWND none = reinterpret_cast<HWND>(1);
        DialogDriver plain([&](const DialogView& view) {
            none = GetWindow(view.dialog, GW_OWNER);
            pressKey(view.focus, VK_ESCAPE);
        });
        EXPECT_EQ(msgBox(L"No owner", 0), 2);
        EXPECT_EQ(none, nullptr);
    }
}

// A modeless dialog goes with its owner.
TEST_F(Version11Test, AModelessDialogGoesWithItsOwner)
{
    TestWindow ownerWindow(L"Owner", 50, 50, 400, 300);
    box2_->put_OwnerWindow(static_cast<LONG>(reinterpret_cast<LONG_PTR>(ownerWindow.hwnd())));
    HWND dialog = showModeless(L"Owned, modeless", 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), ownerWindow.hwnd());
    DestroyWindow(ownerWindow.hwnd());
    EXPECT_FALSE(IsWindow(dialog));
    VARIANT_BOOL open = VARIANT_TRUE;
    box2_->get_IsOpen(&open);
    EXPECT_EQ(open, VARIANT_FALSE);
}

} // namespace
} // namespace quillnote::test
