// The window with the platform's services: the real component, created
// through COM by its CLSID without any registration (this test program's
// manifest names the component's side-by-side assembly, as the sample's
// does), and the platform's message box for a report.

#include "DemoFixture.h"
#include "DialogDriver.h"
#include "ResourceIds.h"

namespace quillnote::demo::test {
namespace {

using C = Control;
namespace qt = quillnote::test;

class EndToEnd : public DemoFixture {
protected:
    EndToEnd() { createInSetUp_ = false; }
};

TEST_F(EndToEnd, TheTestMessageThroughTheComponent)
{
    createAndShow(platformServices());
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        qt::DialogView seen;
        qt::DialogDriver driver([&](const qt::DialogView& view) {
            seen = view;
            if (!view.buttons.empty())
                qt::clickButton(view.buttons[0]);
        });
        click(C::ShowButton); // returns once the modal dialog has closed
        ASSERT_TRUE(driver.sawDialog()) << "the component's dialog did not show";
        EXPECT_FALSE(driver.timedOut());
        // With an empty title the heading is the active window's caption.
        EXPECT_EQ(seen.heading, L" Quillnote Demonstration");
        EXPECT_EQ(seen.message, L"Test Message");
        ASSERT_EQ(seen.buttons.size(), 1u);
        EXPECT_EQ(seen.buttons[0].caption, L"&OK");
    }

    click(C::SoundBeep);
    for (C option : {C::IconOption2, C::ButtonOption4, C::DefaultOption1})
        click(option);
    setText(C::Title, L"Question");
    std::wstring heading;
    std::vector<std::wstring> captions;
    qt::DialogDriver driver([&](const qt::DialogView& view) {
        heading = view.heading;
        for (const auto& button : view.buttons)
            captions.push_back(button.caption);
        qt::pressKey(view.focus ? view.focus : view.dialog, VK_ESCAPE);
    });
    click(C::ShowButton);
    EXPECT_EQ(heading, L"Question");
    EXPECT_EQ(captions, (std::vector<std::wstring>{L"&Yes", L"&No"}));
    EXPECT_TRUE(IsWindow(mainWindow())) << "Escape in the dialog is the dialog's";
}

// The members of version 1.1, set in the window's "Version 1.1 Properties"
// window, reach the real component: its buttons take the captions, the
// dialog is owned by the demonstration window (disabled while it is open),
// and what the user leaves in the check box comes back to the window.
TEST_F(EndToEnd, TheMembersOfVersion11ReachTheComponent)
{
    createAndShow(platformServices());
    {
        ModalWatcher properties(L"#32770", [](HWND window) {
            SetDlgItemTextW(window, IDC_BUTTON_CAPTIONS, L"&Keep|&Discard");
            SetDlgItemTextW(window, IDC_CHECKBOX_TEXT, L"&Remember my choice");
            SendMessageW(GetDlgItem(window, IDC_OWNED_BY_WINDOW), BM_CLICK, 0, 0);
            SendMessageW(GetDlgItem(window, IDOK), BM_CLICK, 0, 0);
        });
        PostMessageW(mainWindow(), WM_SYSCOMMAND, 0x0110, 0);
        pump();
        ASSERT_TRUE(properties.saw());
    }
    click(C::ButtonOption1); // OK and Cancel
    HWND owner = nullptr;
    bool ownerEnabled = true;
    std::vector<std::wstring> captions;
    qt::DialogDriver driver([&](const qt::DialogView& view) {
        owner = GetWindow(view.dialog, GW_OWNER);
        ownerEnabled = IsWindowEnabled(mainWindow()) != FALSE;
        captions = view.captions();
        if (HWND check = GetDlgItem(view.body, 115)) // the dialog's check box
            qt::typeChar(check, L'r', true);
        qt::dispatchQueued();
        if (const qt::ButtonInfo* discard = view.button(L"&Discard"))
            qt::clickButton(*discard);
    });
    click(C::ShowButton);
    ASSERT_TRUE(driver.sawDialog());
    EXPECT_EQ(captions, (std::vector<std::wstring>{L"&Keep", L"&Discard"}));
    EXPECT_EQ(owner, mainWindow());
    EXPECT_FALSE(ownerEnabled) << "a modal call disables its owner";
    EXPECT_TRUE(IsWindowEnabled(mainWindow())) << "and gives it back";
    EXPECT_TRUE(window_->version11().checkBoxValue) << "Alt+R ticked the check box";
}

TEST_F(EndToEnd, ACreationFailureIsReportedInAPlatformMessageBox)
{
    DemoServices services = platformServices();
    services.createQuillnote = [](win::ComPtr<_Quillnote>&) { return REGDB_E_CLASSNOTREG; };
    createAndShow(std::move(services));
    std::wstring caption, body;
    ModalWatcher watcher(L"#32770", [&](HWND box) {
        caption = windowText(box);
        body = windowText(GetDlgItem(box, 0xFFFF)); // a message box's text
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    click(C::ShowButton);
    EXPECT_TRUE(watcher.saw());
    EXPECT_EQ(caption, L" Quillnote Demonstration");
    EXPECT_NE(body.find(L"could not be created (0x80040154"), std::wstring::npos) << body;
    EXPECT_EQ(qt::findDialog(GetCurrentThreadId()), nullptr) << "no component dialog";
}

} // namespace
} // namespace quillnote::demo::test
