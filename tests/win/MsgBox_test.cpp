// MsgBox end to end under Wine: the dialog is shown for real, the test's
// steps inspect it from inside its modal loop and press buttons, keys or the
// close box, and the test checks the code the call returns. Every dialog has
// a watchdog.

#include "DialogTest.h"
#include "GuiObjects.h"

#include "win/Bstr.h"

#include <cmath>
#include <string>
#include <tuple>

namespace quillnote::test {
namespace {

using MsgBoxTest = DialogTest;

struct ButtonSetCase {
    short set;
    std::vector<std::wstring> captions;
    std::vector<short> codes;
};

const ButtonSetCase ButtonSets[] = {
    {0, {L"&OK"}, {1}},
    {1, {L"&OK", L"Cancel"}, {1, 2}},
    {2, {L"&Abort", L"&Retry", L"&Ignore"}, {3, 4, 5}},
    {3, {L"&Yes", L"&No", L"Cancel"}, {6, 7, 2}},
    {4, {L"&Yes", L"&No"}, {6, 7}},
    {5, {L"&Retry", L"Cancel"}, {4, 2}},
};

TEST_F(MsgBoxTest, EveryButtonOfEverySetReturnsItsCode)
{
    for (const auto& set : ButtonSets) {
        for (size_t pressed = 0; pressed < set.captions.size(); ++pressed) {
            SCOPED_TRACE(testing::Message() << "set " << set.set << ", button " << pressed);
            std::vector<std::wstring> seen;
            DialogDriver driver([&](const DialogView& view) {
                seen = view.captions();
                if (pressed < view.buttons.size())
                    clickButton(view.buttons[pressed]);
            });
            EXPECT_EQ(msgBox(L"Choose", set.set), set.codes[pressed]);
            EXPECT_TRUE(driver.sawDialog());
            EXPECT_FALSE(driver.timedOut());
            EXPECT_EQ(seen, set.captions);
        }
    }
}

TEST_F(MsgBoxTest, EnterPressesTheDefaultButtonWhichHasTheFocus)
{
    const struct {
        short buttons;
        std::wstring focused;
        short code;
    } cases[] = {
        {0, L"&OK", 1},          {4, L"&Yes", 6},         {4 + 256, L"&No", 7},
        {3 + 512, L"Cancel", 2}, {2 + 256, L"&Retry", 4}, {1 + 512, L"&OK", 1}, // no third button: none is default
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "Buttons " << c.buttons);
        std::wstring focused;
        DialogDriver driver([&](const DialogView& view) {
            focused = view.focusedCaption();
            pressKey(view.focus ? view.focus : view.dialog, VK_RETURN);
        });
        EXPECT_EQ(msgBox(L"Enter", c.buttons), c.code);
        EXPECT_EQ(focused, c.focused);
    }
}

TEST_F(MsgBoxTest, AccessKeysPressTheirButtons)
{
    const struct {
        short buttons;
        wchar_t key;
        bool alt;
        short code;
    } cases[] = {{3, L'n', false, 7}, {3, L'Y', true, 6}, {2, L'i', false, 5}, {2, L'a', true, 3}, {5, L'r', false, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "Buttons " << c.buttons << " key " << static_cast<char>(c.key));
        DialogDriver driver(
            [&](const DialogView& view) { typeChar(view.focus ? view.focus : view.dialog, c.key, c.alt); });
        EXPECT_EQ(msgBox(L"Keys", c.buttons), c.code);
    }
}

TEST_F(MsgBoxTest, EscapeReturnsCancelWhateverTheButtons)
{
    for (short buttons : {short(0), short(4), short(2), short(6), short(15)}) {
        SCOPED_TRACE(testing::Message() << "Buttons " << buttons);
        DialogDriver driver(
            [&](const DialogView& view) { pressKey(view.focus ? view.focus : view.dialog, VK_ESCAPE); });
        EXPECT_EQ(msgBox(L"Esc", buttons), 2);
        EXPECT_FALSE(driver.timedOut());
    }
}

TEST_F(MsgBoxTest, CloseBoxReturnsCancelOnRelease)
{
    // The close box stands 360 twips (24 pixels) left of the dialog's right
    // edge, 60 twips (4 pixels) from the top, 14 pixels square: its middle.
    const auto closeBoxX = [](const DialogView& view) { return view.rect.right - view.rect.left - 24 + 7; };
    const int closeBoxY = 4 + 7;
    bool openAfterPress = false;
    DialogDriver driver([&](const DialogView& view) {
        ASSERT_NE(view.headingStrip, nullptr);
        pressAt(view.headingStrip, closeBoxX(view), closeBoxY);
    });
    driver.then(200, [&](const DialogView& view) {
        openAfterPress = IsWindow(view.dialog) != FALSE;
        releaseAt(view.headingStrip, closeBoxX(view), closeBoxY);
    });
    EXPECT_EQ(msgBox(L"Close box", 4), 2);
    EXPECT_TRUE(openAfterPress);
}

TEST_F(MsgBoxTest, WithoutControlBoxThePlaceOfTheCloseBoxDoesNothing)
{
    ASSERT_HRESULT_SUCCEEDED(box_->put_ControlBox(VARIANT_FALSE));
    bool openAfterClick = false;
    DialogDriver driver([&](const DialogView& view) {
        const int width = view.rect.right - view.rect.left;
        clickAt(view.headingStrip, width - 24 + 7, 11);
    });
    driver.then(200, [&](const DialogView& view) {
        openAfterClick = IsWindow(view.dialog) != FALSE;
        if (!view.buttons.empty())
            clickButton(view.buttons[0]);
    });
    EXPECT_EQ(msgBox(L"No close box", 0), 1);
    EXPECT_TRUE(openAfterClick);
}

TEST_F(MsgBoxTest, ModelessCallReturnsAtOnceAndTheDialogStaysUp)
{
    ASSERT_HRESULT_SUCCEEDED(box_->put_Modal(VARIANT_FALSE));
    EXPECT_EQ(msgBox(L"Modeless", 4), 0);
    HWND dialog = findDialog(GetCurrentThreadId());
    ASSERT_NE(dialog, nullptr);
    const DialogView view = viewOf(dialog);
    ASSERT_EQ(view.buttons.size(), 2u);
    clickButton(view.buttons[0]);
    EXPECT_TRUE(pumpUntil([&] { return !IsWindow(dialog); }, 5000));
}

TEST_F(MsgBoxTest, TheSoundNeverHoldsTheDialogUp)
{
    // Without a sound device the chime fails quietly; with one it plays
    // asynchronously. Either way the dialog answers at once.
    box_->put_SoundBeep(VARIANT_TRUE);
    for (int i = 0; i < 3; ++i) {
        DialogDriver driver([&](const DialogView& view) { clickButton(view.buttons.at(0)); });
        const DWORD start = GetTickCount();
        EXPECT_EQ(msgBox(L"With sound", 0), 1);
        EXPECT_LT(GetTickCount() - start, 3000u);
    }
}

TEST_F(MsgBoxTest, CountdownClosesWithZero)
{
    ASSERT_HRESULT_SUCCEEDED(box_->put_TimerSeconds(1));
    DialogDriver driver(nullptr, 10000);
    const DWORD start = GetTickCount();
    EXPECT_EQ(msgBox(L"Countdown", 4), 0);
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_TRUE(driver.sawDialog());
    EXPECT_FALSE(driver.timedOut());
    EXPECT_GE(elapsed, 900u);
}

TEST_F(MsgBoxTest, HeadingTextComesFromTitleDefaultTitleActiveWindowOrMessage)
{
    std::wstring heading;
    auto capture = [&](const DialogView& view) {
        heading = view.heading;
        pressKey(view.focus ? view.focus : view.dialog, VK_ESCAPE);
    };
    {
        DialogDriver driver(capture);
        msgBox(L"x", 0, L"Given \x03A4\x03AF\x03C4\x03BB\x03BF\x03C2");
    }
    EXPECT_EQ(heading, L"Given \x03A4\x03AF\x03C4\x03BB\x03BF\x03C2");

    const win::Bstr fallback = win::Bstr::copyOf(std::wstring_view(L"Default \x65E5\x672C"));
    box_->put_DefaultTitle(fallback.get());
    {
        DialogDriver driver(capture);
        msgBox(L"x", 0);
    }
    EXPECT_EQ(heading, L"Default \x65E5\x672C");
    {
        DialogDriver driver(capture);
        msgBox(L"x", 0, L"Title wins");
    }
    EXPECT_EQ(heading, L"Title wins");

    box_->put_DefaultTitle(nullptr);
    {
        DialogDriver driver(capture);
        msgBox(L"x", 0);
    }
    EXPECT_EQ(heading, L"Message") << "no title and no active window";
}

TEST_F(MsgBoxTest, HeadingFallsBackToTheActiveWindowsCaption)
{
    TestWindow owner(L"Owner \x0395\x03BB\x03BB\x03AC\x03B4\x03B1", 100, 50, 400, 300);
    owner.activate();
    ASSERT_EQ(GetActiveWindow(), owner.hwnd());
    std::wstring heading;
    bool ownerEnabledDuringDialog = true;
    DialogDriver driver([&](const DialogView& view) {
        heading = view.heading;
        ownerEnabledDuringDialog = IsWindowEnabled(owner.hwnd()) != FALSE;
        pressKey(view.focus ? view.focus : view.dialog, VK_ESCAPE);
    });
    msgBox(L"Owned", 0);
    EXPECT_EQ(heading, L"Owner \x0395\x03BB\x03BB\x03AC\x03B4\x03B1");
    // The modal show disabled the caller's window and gave it back after.
    EXPECT_FALSE(ownerEnabledDuringDialog);
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
    EXPECT_EQ(GetActiveWindow(), owner.hwnd());
}

// An earlier dialog of ours that is active lends no caption: its window
// text is its heading, not a caption of the caller's.
TEST_F(MsgBoxTest, HeadingDoesNotTakeTheCaptionOfAnEarlierDialog)
{
    box_->put_Modal(VARIANT_FALSE);
    msgBox(L"First", 0, L"First heading");
    HWND first = findDialog(GetCurrentThreadId());
    ASSERT_NE(first, nullptr);
    flushEvents(200);
    ASSERT_EQ(GetActiveWindow(), first);

    msgBox(L"Second", 0);
    HWND second = GetActiveWindow();
    ASSERT_NE(second, first);
    wchar_t secondClass[32] = {};
    GetClassNameW(second, secondClass, 32);
    ASSERT_STREQ(secondClass, L"QuillnoteForm");
    EXPECT_EQ(viewOf(second).heading, L"Message");
    EXPECT_EQ(viewOf(first).heading, L"First heading") << "the earlier dialog keeps its own heading";
    close(second);
    close(first);
}

TEST_F(MsgBoxTest, CentredOnTheActiveWindowOrTheScreen)
{
    ASSERT_HRESULT_SUCCEEDED(box_->put_StartUpPosition(1));
    RECT dialogRect = {};
    auto capture = [&](const DialogView& view) {
        dialogRect = view.rect;
        pressKey(view.focus ? view.focus : view.dialog, VK_ESCAPE);
    };
    {
        TestWindow owner(L"Owner", 100, 50, 400, 300);
        owner.activate();
        RECT ownerRect = {};
        GetWindowRect(owner.hwnd(), &ownerRect);
        DialogDriver driver(capture);
        msgBox(L"On the owner", 0);
        const int ownerCentreX = (ownerRect.left + ownerRect.right) / 2;
        const int ownerCentreY = (ownerRect.top + ownerRect.bottom) / 2;
        EXPECT_NEAR((dialogRect.left + dialogRect.right) / 2, ownerCentreX, 1);
        EXPECT_NEAR((dialogRect.top + dialogRect.bottom) / 2, ownerCentreY, 1);
        short position = 0;
        box_->get_StartUpPosition(&position);
        EXPECT_EQ(position, 1);
    }
    // No active window now: centred on the screen, and the property falls
    // back to 2 for good.
    ASSERT_EQ(GetActiveWindow(), nullptr);
    DialogDriver driver(capture);
    msgBox(L"On the screen", 0);
    EXPECT_NEAR((dialogRect.left + dialogRect.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((dialogRect.top + dialogRect.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    short position = 0;
    box_->get_StartUpPosition(&position);
    EXPECT_EQ(position, 2);
}

TEST_F(MsgBoxTest, ManualPositionInTwips)
{
    box_->put_StartUpPosition(0);
    box_->put_Left(1500); // 100 pixels at 15 twips per pixel
    box_->put_Top(750);   // 50 pixels
    RECT dialogRect = {};
    DialogDriver driver([&](const DialogView& view) {
        dialogRect = view.rect;
        pressKey(view.focus ? view.focus : view.dialog, VK_ESCAPE);
    });
    msgBox(L"Manual", 0);
    EXPECT_EQ(dialogRect.left, 100);
    EXPECT_EQ(dialogRect.top, 50);
}

TEST_F(MsgBoxTest, ButtonsAreCentredAndTheDialogFitsThem)
{
    RECT dialogRect = {};
    RECT bodyRect = {};
    std::vector<RECT> buttons;
    DialogDriver driver([&](const DialogView& view) {
        dialogRect = view.rect;
        GetWindowRect(view.body, &bodyRect);
        for (const auto& b : view.buttons)
            buttons.push_back(b.rect);
        pressKey(view.focus ? view.focus : view.dialog, VK_ESCAPE);
    });
    msgBox(L"Three buttons", 2);
    ASSERT_EQ(buttons.size(), 3u);
    // 1095 x 375 twips each, 1200 apart: 73 x 25 pixels, 80 apart.
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(buttons[i].right - buttons[i].left, 73);
        EXPECT_EQ(buttons[i].bottom - buttons[i].top, 25);
    }
    EXPECT_EQ(buttons[1].left - buttons[0].left, 80);
    EXPECT_EQ(buttons[2].left - buttons[1].left, 80);
    // The row of 4065 twips (271 pixels) is the dialog's outer width, and
    // the body is as wide; the row without its margin is centred in the
    // body, 285 twips (19 pixels) from its left edge.
    EXPECT_EQ(dialogRect.right - dialogRect.left, 271);
    EXPECT_EQ(buttons[0].left - bodyRect.left, 19);
    EXPECT_NEAR((buttons[0].left + buttons[2].right) / 2.0 - bodyRect.left, 271 / 2.0, 1.0);
}

TEST_F(MsgBoxTest, BadInputNeverCrashesOrHangs)
{
    const std::wstring wideLine(3000, L'W');
    std::wstring withNuls = L"before";
    withNuls.push_back(L'\0');
    withNuls += L"after";
    const std::wstring megabyte(512 * 1024, L'x');
    const std::wstring manyLines = [] {
        std::wstring s;
        for (int i = 0; i < 2000; ++i)
            s += L"line\r\n";
        return s;
    }();
    const struct {
        const char* name;
        std::wstring message;
        short buttons;
    } cases[] = {
        {"empty", L"", 0},
        {"embedded NUL", withNuls, 1},
        {"line wider than the screen", wideLine, 0},
        {"one megabyte", megabyte, 4},
        {"many lines", manyLines, 0},
        {"negative buttons", L"neg", -1},
        {"all bits", L"all", static_cast<short>(0x7FFF)},
        {"unknown icon", L"icon 5", 80},
        {"system modal flag", L"4096", 4096 + 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RECT dialogRect = {};
        std::wstring message;
        DialogDriver driver(
            [&](const DialogView& view) {
                dialogRect = view.rect;
                message = view.message;
                pressKey(view.focus ? view.focus : view.dialog, VK_ESCAPE);
            },
            30000);
        EXPECT_EQ(msgBox(c.message, c.buttons), 2);
        EXPECT_TRUE(driver.sawDialog());
        EXPECT_FALSE(driver.timedOut());
        EXPECT_LE(dialogRect.right - dialogRect.left, GetSystemMetrics(SM_CXSCREEN) - 16);
        if (c.message.find(L'\0') == std::wstring::npos) {
            EXPECT_EQ(message.size(), c.message.size());
        }
    }
}

TEST_F(MsgBoxTest, ALineWiderThanTheScreenStopsAtTheScreenWidthLessSixteenPixels)
{
    RECT dialogRect = {};
    DialogDriver driver([&](const DialogView& view) {
        dialogRect = view.rect;
        pressKey(view.focus ? view.focus : view.dialog, VK_ESCAPE);
    });
    msgBox(std::wstring(3000, L'W'), 0);
    EXPECT_EQ(dialogRect.right - dialogRect.left, GetSystemMetrics(SM_CXSCREEN) - 16);
}

TEST_F(MsgBoxTest, LateBoundCallWithOptionalArgumentsLeftOut)
{
    LateBound late(box_.get());
    VARIANT args[1];
    args[0] = makeString(L"Late bound");
    std::wstring heading;
    std::vector<std::wstring> captions;
    DialogDriver driver([&](const DialogView& view) {
        heading = view.heading;
        captions = view.captions();
        if (!view.buttons.empty())
            clickButton(view.buttons[0]);
    });
    Variant result;
    ASSERT_HRESULT_SUCCEEDED(late.call(L"MsgBox", args, 1, result));
    VariantClear(&args[0]);
    EXPECT_EQ(V_VT(&*result), VT_I2);
    EXPECT_EQ(V_I2(&*result), 1);
    EXPECT_EQ(captions, std::vector<std::wstring>{L"&OK"});
    EXPECT_EQ(heading, L"Message");
}

TEST_F(MsgBoxTest, LateBoundCallWithNamedAndByReferenceArguments)
{
    // Title named, Buttons by reference to a variant: what scripting hosts
    // send for variables and named arguments.
    LateBound late(box_.get());
    DISPID id = 0;
    ASSERT_HRESULT_SUCCEEDED(late.dispId(L"MsgBox", id));
    VARIANT buttons = makeI4(4);
    VARIANT args[3];
    args[0] = makeString(L"Named title");
    VariantInit(&args[1]);
    V_VT(&args[1]) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&args[1]) = &buttons;
    args[2] = makeString(L"Message");
    DISPID named[1] = {2}; // Title
    DISPPARAMS params = {args, named, 3, 1};
    std::wstring heading;
    std::vector<std::wstring> captions;
    DialogDriver driver([&](const DialogView& view) {
        heading = view.heading;
        captions = view.captions();
        clickButton(view.buttons.at(1));
    });
    Variant result;
    ASSERT_HRESULT_SUCCEEDED(
        box_->Invoke(id, IID_NULL, 0, DISPATCH_METHOD | DISPATCH_PROPERTYGET, &params, result.get(), nullptr, nullptr));
    EXPECT_EQ(V_I2(&*result), 7);
    EXPECT_EQ(heading, L"Named title");
    EXPECT_EQ(captions, (std::vector<std::wstring>{L"&Yes", L"&No"}));
    VariantClear(&args[0]);
    VariantClear(&args[2]);
}

TEST_F(MsgBoxTest, AnEarlierModelessDialogKeepsItsOwnButtons)
{
    box_->put_Modal(VARIANT_FALSE);
    EXPECT_EQ(msgBox(L"First", 2), 0); // Abort, Retry, Ignore
    HWND first = findDialog(GetCurrentThreadId());
    ASSERT_NE(first, nullptr);

    box_->put_Modal(VARIANT_TRUE);
    std::vector<std::wstring> captions;
    // The driver acts on the dialog that is activated next: the modal one.
    DialogDriver driver([&](const DialogView& view) {
        EXPECT_NE(view.dialog, first);
        captions = view.captions();
        clickButton(view.buttons.back());
    });
    EXPECT_EQ(msgBox(L"Second", 0), 1);
    EXPECT_EQ(captions, std::vector<std::wstring>{L"&OK"});

    const DialogView view = viewOf(first);
    ASSERT_EQ(view.buttons.size(), 3u);
    EXPECT_EQ(view.buttons[0].caption, L"&Abort");
    clickButton(view.buttons[1]);
    EXPECT_TRUE(pumpUntil([&] { return !IsWindow(first); }, 5000));
}

TEST_F(MsgBoxTest, FiveHundredDialogsLeaveNoGdiOrUserObjectsBehind)
{
    box_->put_Modal(VARIANT_FALSE);
    auto showAndClose = [&] {
        msgBox(L"Again and again", 3 + 48);
        HWND dialog = findDialog(GetCurrentThreadId());
        if (!dialog)
            return false;
        releaseKey(dialog, VK_ESCAPE);
        return pumpUntil([&] { return !IsWindow(dialog); }, 5000);
    };
    // Warm up: classes, fonts and icons that are loaded once.
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(showAndClose());
    const DWORD gdiBefore = gdiObjectCount();
    const DWORD userBefore = userObjectCount();
    // The counters must see the objects of a shown dialog, or they could not
    // see a leak either.
    msgBox(L"Counted", 3 + 48);
    HWND open = findDialog(GetCurrentThreadId());
    ASSERT_NE(open, nullptr);
    EXPECT_GT(gdiObjectCount(), gdiBefore);
    EXPECT_GT(userObjectCount(), userBefore);
    releaseKey(open, VK_ESCAPE);
    ASSERT_TRUE(pumpUntil([&] { return !IsWindow(open); }, 5000));

    for (int i = 0; i < 500; ++i)
        ASSERT_TRUE(showAndClose()) << "dialog " << i;
    const DWORD gdiAfter = gdiObjectCount();
    const DWORD userAfter = userObjectCount();
    EXPECT_LE(gdiAfter, gdiBefore + 5);
    EXPECT_LE(userAfter, userBefore + 5);
    RecordProperty("gdi_objects_before", static_cast<int>(gdiBefore));
    RecordProperty("gdi_objects_after", static_cast<int>(gdiAfter));
}

// An IUnknown that counts its references, to see whether a call releases
// what a caller left in its result.
class CountedUnknown final : public IUnknown {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (iid != IID_IUnknown)
            return *object = nullptr, E_NOINTERFACE;
        *object = this;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs; }
    STDMETHODIMP_(ULONG) Release() override { return --refs; }
    ULONG refs = 1;
};

// The late-bound result is an output parameter: what the caller left in it
// is neither released nor read, whatever it holds.
TEST_F(MsgBoxTest, LateBoundResultIsWrittenWithoutClearingWhatTheCallerLeftThere)
{
    box_->put_Modal(VARIANT_FALSE);
    LateBound late(box_.get());
    DISPID id = 0;
    ASSERT_HRESULT_SUCCEEDED(late.dispId(L"MsgBox", id));
    win::Bstr text = win::Bstr::copyOf(u"Result");
    VARIANT arg;
    VariantInit(&arg);
    V_VT(&arg) = VT_BSTR;
    V_BSTR(&arg) = text.get();
    DISPPARAMS params = {&arg, nullptr, 1, 0};

    CountedUnknown counted;
    VARIANT result;
    VariantInit(&result);
    V_VT(&result) = VT_UNKNOWN;
    V_UNKNOWN(&result) = &counted;
    ASSERT_HRESULT_SUCCEEDED(box_->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, &result, nullptr, nullptr));
    EXPECT_EQ(counted.refs, 1u) << "the caller's reference was released";
    EXPECT_EQ(V_VT(&result), VT_I2);
    EXPECT_EQ(V_I2(&result), 0);
    close(findDialog(GetCurrentThreadId()));

    // Junk where a string would be: never freed.
    V_VT(&result) = VT_BSTR;
    V_BSTR(&result) = reinterpret_cast<BSTR>(static_cast<ULONG_PTR>(0x10));
    ASSERT_HRESULT_SUCCEEDED(box_->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, &result, nullptr, nullptr));
    EXPECT_EQ(V_VT(&result), VT_I2);
    close(findDialog(GetCurrentThreadId()));
}

// Malformed by-reference arguments are refused at once, never followed: a
// reference to itself, a two-element cycle, a null reference.
TEST_F(MsgBoxTest, MalformedReferencesAreRefusedWithoutHanging)
{
    LateBound late(box_.get());
    DISPID id = 0;
    ASSERT_HRESULT_SUCCEEDED(late.dispId(L"MsgBox", id));
    const auto invoke = [&](VARIANT* args, UINT count) {
        DISPPARAMS params = {args, nullptr, count, 0};
        Variant result;
        UINT argError = 99;
        const HRESULT hr = box_->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, result.get(), nullptr, &argError);
        EXPECT_EQ(findDialog(GetCurrentThreadId()), nullptr) << "a dialog was shown";
        return std::make_pair(hr, argError);
    };
    const auto refused = [](HRESULT hr) { return hr == DISP_E_BADVARTYPE || hr == DISP_E_TYPEMISMATCH; };

    VARIANT self;
    VariantInit(&self);
    V_VT(&self) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&self) = &self;
    auto [hr, argError] = invoke(&self, 1);
    EXPECT_TRUE(refused(hr)) << std::hex << hr;
    EXPECT_EQ(argError, 0u);

    VARIANT pair[2];
    for (int i = 0; i < 2; ++i) {
        VariantInit(&pair[i]);
        V_VT(&pair[i]) = VT_BYREF | VT_VARIANT;
        V_VARIANTREF(&pair[i]) = &pair[1 - i];
    }
    // Message by value, Buttons in the cycle.
    win::Bstr text = win::Bstr::copyOf(u"Cycle");
    VARIANT args[2];
    args[0] = pair[0];
    VariantInit(&args[1]);
    V_VT(&args[1]) = VT_BSTR;
    V_BSTR(&args[1]) = text.get();
    std::tie(hr, argError) = invoke(args, 2);
    EXPECT_TRUE(refused(hr)) << std::hex << hr;
    EXPECT_EQ(argError, 0u);

    VARIANT null;
    VariantInit(&null);
    V_VT(&null) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&null) = nullptr;
    std::tie(hr, argError) = invoke(&null, 1);
    EXPECT_TRUE(refused(hr)) << std::hex << hr;

    // A missing argument passed by reference still counts as missing.
    VARIANT missing;
    VariantInit(&missing);
    V_VT(&missing) = VT_ERROR;
    V_ERROR(&missing) = DISP_E_PARAMNOTFOUND;
    VARIANT toMissing;
    VariantInit(&toMissing);
    V_VT(&toMissing) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&toMissing) = &missing;
    EXPECT_EQ(invoke(&toMissing, 1).first, DISP_E_PARAMNOTOPTIONAL);
}

// The driver itself: steps run in order inside the modal call, each after
// its delay, and a dialog that nobody closes is cancelled by the watchdog.
using DialogDriverTest = DialogTest;

TEST_F(DialogDriverTest, StepsRunInTheModalLoopInOrderAfterTheirDelays)
{
    std::vector<DWORD> ticks;
    bool sameThread = true;
    const auto record = [&](const DialogView& view) {
        ticks.push_back(GetTickCount());
        sameThread = sameThread && view.thread == GetCurrentThreadId();
    };
    DialogDriver driver(record);
    driver.then(300, record).then(200, [&](const DialogView& view) {
        record(view);
        clickButton(view.buttons.at(0));
    });
    EXPECT_EQ(msgBox(L"Steps", 0), 1);
    ASSERT_EQ(ticks.size(), 3u);
    EXPECT_TRUE(sameThread);
    // Within the tick count's resolution on every system.
    EXPECT_GE(ticks[1] - ticks[0], 300u - 20);
    EXPECT_GE(ticks[2] - ticks[1], 200u - 20);
}

TEST_F(DialogDriverTest, TheWatchdogPressesEscOnADialogLeftOpen)
{
    DialogDriver driver(nullptr, 500);
    const DWORD start = GetTickCount();
    EXPECT_EQ(msgBox(L"Left open", 4), 2);
    EXPECT_GE(GetTickCount() - start, 500u);
    EXPECT_TRUE(driver.sawDialog());
    EXPECT_TRUE(driver.timedOut());
}

TEST_F(MsgBoxTest, GetIDsOfNamesRefusesNullArrays)
{
    LPOLESTR names[] = {const_cast<LPOLESTR>(L"MsgBox")};
    LPOLESTR nullName[] = {nullptr};
    DISPID id = 0;
    EXPECT_EQ(box_->GetIDsOfNames(IID_NULL, nullptr, 1, 0, &id), E_INVALIDARG);
    EXPECT_EQ(box_->GetIDsOfNames(IID_NULL, names, 1, 0, nullptr), E_INVALIDARG);
    EXPECT_EQ(box_->GetIDsOfNames(IID_NULL, nullName, 1, 0, &id), E_INVALIDARG);
    EXPECT_HRESULT_SUCCEEDED(box_->GetIDsOfNames(IID_NULL, names, 1, 0, &id));
}

} // namespace
} // namespace quillnote::test
