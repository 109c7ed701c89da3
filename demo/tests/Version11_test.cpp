// The members of version 1.1 in the demonstration program: the system
// menu's "Version 1.1 Properties" window, driven through its controls, and
// what the Show action then writes to an object of version 1.1 (and not to
// one of 1.0).

#include "DemoFixture.h"
#include "ResourceIds.h"

#include <algorithm>

namespace quillnote::demo::test {
namespace {

using C = Control;

constexpr UINT Version11Command = 0x0110;
constexpr wchar_t DialogClass[] = L"#32770";

std::wstring fieldText(HWND dialog, int id) { return windowText(GetDlgItem(dialog, id)); }
void setField(HWND dialog, int id, const wchar_t* text) { SetDlgItemTextW(dialog, id, text); }
bool isChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
void press(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
LRESULT themeShown(HWND dialog) { return SendDlgItemMessageW(dialog, IDC_THEME, CB_GETCURSEL, 0, 0); }

class Version11 : public DemoFixture {
protected:
    // Opens the window from the system menu, as the user does, and runs the
    // watcher's steps in it; returns once it has closed.
    void editVersion11(ModalWatcher& watcher)
    {
        PostMessageW(mainWindow(), WM_SYSCOMMAND, Version11Command, 0);
        pump();
        ASSERT_TRUE(watcher.saw()) << "the window did not open";
        EXPECT_FALSE(watcher.timedOut());
        EXPECT_FALSE(IsWindow(watcher.window())) << "still open";
    }

    // Fills every field with a value other than its default and chooses OK.
    static void fillAndAccept(HWND dialog)
    {
        press(dialog, IDC_SHOW_COUNTDOWN);
        setField(dialog, IDC_TIMEOUT_RESULT, L"32000");
        setField(dialog, IDC_BUTTON_CAPTIONS, L"&Save|Do&n't save");
        setField(dialog, IDC_CHECKBOX_TEXT, L"&Don't show this again");
        press(dialog, IDC_CHECKBOX_VALUE);
        press(dialog, IDC_OWNED_BY_WINDOW);
        SendDlgItemMessageW(dialog, IDC_THEME, CB_SETCURSEL, 2, 0);
        press(dialog, IDOK);
    }

    std::vector<std::wstring> writesAfterTimerSeconds() const
    {
        const auto timer = std::find_if(fake_.calls.begin(), fake_.calls.end(),
                                        [](const std::wstring& call) { return call.rfind(L"TimerSeconds=", 0) == 0; });
        return timer == fake_.calls.end() ? std::vector<std::wstring>{}
                                          : std::vector<std::wstring>(timer + 1, fake_.calls.end());
    }
};

TEST_F(Version11, TheSystemMenuOffersTheWindow)
{
    wchar_t item[64] = {};
    ASSERT_GT(GetMenuStringW(GetSystemMenu(mainWindow(), FALSE), Version11Command, item, 64, MF_BYCOMMAND), 0);
    EXPECT_STREQ(item, L"Version 1.1 &Properties...");
}

TEST_F(Version11, OkTakesEveryFieldAndTheShowWritesThemAfterTheProperties)
{
    ModalWatcher watcher(DialogClass, [owner = mainWindow()](HWND dialog) {
        // The window starts from the component's defaults.
        EXPECT_EQ(windowText(dialog), L"Version 1.1 Properties");
        EXPECT_FALSE(isChecked(dialog, IDC_SHOW_COUNTDOWN));
        EXPECT_EQ(fieldText(dialog, IDC_TIMEOUT_RESULT), L"0");
        EXPECT_EQ(fieldText(dialog, IDC_BUTTON_CAPTIONS), L"");
        EXPECT_EQ(fieldText(dialog, IDC_CHECKBOX_TEXT), L"");
        EXPECT_FALSE(isChecked(dialog, IDC_CHECKBOX_VALUE));
        EXPECT_FALSE(isChecked(dialog, IDC_OWNED_BY_WINDOW));
        EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_THEME, CB_GETCOUNT, 0, 0), 3);
        EXPECT_EQ(themeShown(dialog), 0);
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner) << "owned by the demonstration window";
        fillAndAccept(dialog);
    });
    editVersion11(watcher);

    fake_.offersVersion11 = true;
    click(C::ShowButton);
    const std::vector<std::wstring> expected = {L"ShowCountdown=-1",
                                                L"TimeoutResult=32000",
                                                L"ButtonCaptions=&Save|Do&n't save",
                                                L"CheckBoxText=&Don't show this again",
                                                L"CheckBoxValue=-1",
                                                L"OwnerWindow=" + std::to_wstring(HandleToLong(mainWindow())),
                                                L"Theme=2",
                                                L"MsgBox"};
    EXPECT_EQ(writesAfterTimerSeconds(), expected);
    EXPECT_TRUE(reports_.empty());
}

TEST_F(Version11, AnObjectOfVersion10GetsOnlyItsOwnProperties)
{
    ModalWatcher watcher(DialogClass, &Version11::fillAndAccept);
    editVersion11(watcher);
    click(C::ShowButton);
    EXPECT_EQ(writesAfterTimerSeconds(), std::vector<std::wstring>{L"MsgBox"});
    EXPECT_EQ(fake_.msgBoxCalls, 1);
    EXPECT_TRUE(window_->version11().checkBoxValue) << "the value stays as chosen";
}

TEST_F(Version11, AnUnreadableTimeoutIsReportedAndTheWindowStaysOpenUntilCancel)
{
    std::vector<std::wstring> reportsWhileOpen;
    ModalWatcher watcher(DialogClass, [](HWND dialog) {
        press(dialog, IDC_SHOW_COUNTDOWN);
        setField(dialog, IDC_TIMEOUT_RESULT, L"40000");
        press(dialog, IDOK);
    });
    watcher.then(50, [&](HWND dialog) {
        reportsWhileOpen = reports_;
        EXPECT_TRUE(IsWindowVisible(dialog)) << "OK did not close it";
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_TIMEOUT_RESULT));
        DWORD start = 1, end = 0;
        SendDlgItemMessageW(dialog, IDC_TIMEOUT_RESULT, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                            reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 5u) << "the text is selected, ready to be corrected";
        press(dialog, IDCANCEL);
    });
    editVersion11(watcher);
    ASSERT_EQ(reportsWhileOpen.size(), 1u);
    EXPECT_NE(reportsWhileOpen[0].find(L"TimeoutResult: \"40000\""), std::wstring::npos) << reportsWhileOpen[0];
    EXPECT_EQ(window_->version11(), Version11Values()) << "Cancel changes nothing, not even the check box";
}

TEST_F(Version11, WhatTheUserLeftInTheCheckBoxIsShownNextTimeAndResetForgetsIt)
{
    {
        // One watcher at a time on the thread.
        ModalWatcher first(DialogClass, [](HWND dialog) {
            setField(dialog, IDC_CHECKBOX_TEXT, L"&Remember");
            setField(dialog, IDC_TIMEOUT_RESULT, L"-7");
            SendDlgItemMessageW(dialog, IDC_THEME, CB_SETCURSEL, 1, 0);
            press(dialog, IDOK);
        });
        editVersion11(first);
    }
    fake_.offersVersion11 = true;
    fake_.userLeavesCheckBox = VARIANT_TRUE;
    click(C::ShowButton);
    EXPECT_EQ(fake_.lastWrite(L"CheckBoxValue"), L"0") << "written as it was";
    EXPECT_TRUE(window_->version11().checkBoxValue) << "read back after the call";

    ModalWatcher second(DialogClass, [](HWND dialog) {
        EXPECT_TRUE(isChecked(dialog, IDC_CHECKBOX_VALUE));
        EXPECT_EQ(fieldText(dialog, IDC_CHECKBOX_TEXT), L"&Remember");
        EXPECT_EQ(fieldText(dialog, IDC_TIMEOUT_RESULT), L"-7");
        EXPECT_EQ(themeShown(dialog), 1);
        // The close box is Cancel.
        PostMessageW(dialog, WM_CLOSE, 0, 0);
    });
    editVersion11(second);
    EXPECT_TRUE(window_->version11().checkBoxValue);

    click(C::ResetButton);
    EXPECT_EQ(window_->version11(), Version11Values());
    click(C::ShowButton);
    EXPECT_EQ(fake_.lastWrite(L"CheckBoxText"), L"");
    EXPECT_EQ(fake_.lastWrite(L"Theme"), L"0");
}

} // namespace
} // namespace quillnote::demo::test
