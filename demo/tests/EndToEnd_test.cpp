// The window with the platform's services: the real component, created
// through COM by its CLSID without any registration (this test program's
// manifest names the component's side-by-side assembly, as the sample's
// does), and the platform's message box for a report.

#include "DemoFixture.h"
#include "DialogDriver.h"

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
