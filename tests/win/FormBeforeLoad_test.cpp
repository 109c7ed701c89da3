// A dialog form changed before it loads: its windows are made where and as
// the controls stand then, with nothing left of the design state they
// replaced. And the system icons the dialogs share.

#include "TestWindows.h"
#include "dialog/MessageBoxForm.h"
#include "dialog/SystemIcons.h"

#include <gtest/gtest.h>

#include <thread>

namespace quillnote {
namespace {

TEST(FormBeforeLoad, WindowsAreMadeWhereAndAsTheControlsStand)
{
    SharedSettings settings;
    MessageBoxForm form{settings};
    // At 96 DPI: 15 twips a pixel.
    if (form.dpi() != 96)
        GTEST_SKIP() << "the screen is not at 96 DPI";
    form.setPlace(1500, 3000, 6000, 2400);
    form.setText(u"Prepared");
    form.TopHeading.setPlace(forms::TwipsRect{0, 0, 5910, 330});
    form.Background.setPlace(forms::TwipsRect{0, 330, 5910, 1500});
    form.MsgButton[1].setCaption(u"&No");
    form.MsgButton[1].setEnabled(true);
    form.MsgButton[1].setVisible(true);
    form.MsgButton[1].setPlace(forms::TwipsRect{1500, 1050, 1095, 375});
    ASSERT_TRUE(form.load());

    RECT frame = {};
    GetWindowRect(form.hwnd(), &frame);
    EXPECT_EQ(frame.left, 100);
    EXPECT_EQ(frame.top, 200);
    EXPECT_EQ(frame.right - frame.left, 400);
    EXPECT_EQ(frame.bottom - frame.top, 160);
    EXPECT_EQ(test::windowText(form.hwnd()), L"Prepared");

    const RECT heading = test::rectIn(form.TopHeading.hwnd(), form.hwnd());
    EXPECT_EQ(heading.right - heading.left, 394);
    const RECT body = test::rectIn(form.Background.hwnd(), form.hwnd());
    EXPECT_EQ(body.top, 22);
    EXPECT_EQ(body.bottom - body.top, 100);

    const HWND no = form.MsgButton[1].hwnd();
    EXPECT_EQ(test::windowText(no), L"&No");
    EXPECT_TRUE(IsWindowEnabled(no));
    EXPECT_TRUE(GetWindowLongW(no, GWL_STYLE) & WS_VISIBLE);
    const RECT button = test::rectIn(no, form.Background.hwnd());
    EXPECT_EQ(button.left, 100);
    EXPECT_EQ(button.top, 70);
    // The buttons left alone keep their design state.
    EXPECT_EQ(test::windowText(form.MsgButton[2].hwnd()), L"Button3");
    EXPECT_FALSE(GetWindowLongW(form.MsgButton[2].hwnd(), GWL_STYLE) & WS_VISIBLE);
}

TEST(FormBeforeLoad, AFormForACallMakesOnlyTheButtonsItShows)
{
    SharedSettings settings;
    MessageBoxForm form{settings};
    form.MsgButton[0].setCaption(u"OK");
    form.MsgButton[0].setEnabled(true);
    form.MsgButton[0].setVisible(true);
    form.makeOnlyShownButtons();
    ASSERT_TRUE(form.load());
    EXPECT_EQ(GetParent(form.MsgButton[0].hwnd()), form.Background.hwnd());
    for (int i = 1; i < 4; ++i)
        EXPECT_FALSE(form.MsgButton[i].alive()) << i;

    // Shown later, a button gets its window then: in its place, with its
    // caption, its identifier and its tab position.
    form.MsgButton[3].setEnabled(true);
    form.MsgButton[3].setVisible(true);
    const HWND fourth = form.MsgButton[3].hwnd();
    ASSERT_NE(fourth, nullptr);
    EXPECT_EQ(GetParent(fourth), form.Background.hwnd());
    EXPECT_EQ(GetDlgCtrlID(fourth), GetDlgCtrlID(form.MsgButton[0].hwnd()) + 3);
    EXPECT_EQ(test::windowText(fourth), L"Button4");
    EXPECT_EQ(form.MsgButton[3].tabIndex(), 3);
    EXPECT_TRUE(IsWindowEnabled(fourth));
    const RECT place = test::rectIn(fourth, form.Background.hwnd());
    const forms::Units& u = form.units();
    EXPECT_EQ(place.left, u.xPixels(240 + 3 * 1200));
    EXPECT_EQ(place.top, u.yPixels(960));
}

TEST(SystemIcons, EachIconIsLoadedOncePerSizeAndSharedByThreads)
{
    const HICON question = systemIcon(32514, 32); // IDI_QUESTION
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(systemIcon(32514, 32), question);

    HICON fromThread = nullptr;
    std::thread([&] { fromThread = systemIcon(32514, 32); }).join();
    EXPECT_EQ(fromThread, question);

    const HICON larger = systemIcon(32514, 48);
    ASSERT_NE(larger, nullptr);
    EXPECT_NE(larger, question);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(larger, &info));
    BITMAP colour = {};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 48);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);

    // An identifier the system has no icon for gives none, every time.
    EXPECT_EQ(systemIcon(1, 32), nullptr);
    EXPECT_EQ(systemIcon(1, 32), nullptr);

    // Released (the library unloading), the icons are loaded afresh.
    releaseSystemIcons();
    EXPECT_NE(systemIcon(32514, 32), nullptr);
}

} // namespace
} // namespace quillnote
