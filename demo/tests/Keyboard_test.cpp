// The Message field's Enter against Enter elsewhere, the Tab order with the
// expand and collapse of the message, and the option groups' arrow keys.

#include "DemoFixture.h"

namespace quillnote::demo::test {
namespace {

using C = Control;

class Keyboard : public DemoFixture {};

TEST_F(Keyboard, EnterInTheMessageStartsANewLine)
{
    SendMessageW(hwnd(C::Message), EM_SETSEL, 12, 12);
    pressKey(C::Message, VK_RETURN);
    typeText(C::Message, L"two");
    EXPECT_EQ(text(C::Message), L"Test Message\r\ntwo");
    EXPECT_EQ(fake_.msgBoxCalls, 0);
}

TEST_F(Keyboard, EnterElsewherePressesShowMessageOrTheFocusedButton)
{
    int shows = 0;
    for (C control :
         {C::Title, C::BackColorBody, C::LeftPos, C::TimerSeconds, C::KeepOnTop, C::ButtonOption0, C::TypeUpDown}) {
        SCOPED_TRACE(static_cast<int>(control));
        focus(control);
        ASSERT_TRUE(window_->showIsDefault());
        const std::wstring before = text(control);
        pressKey(control, VK_RETURN);
        EXPECT_EQ(fake_.msgBoxCalls, ++shows);
        EXPECT_EQ(text(control), before) << "no line break went in";
        EXPECT_EQ(focused(), control);
    }
    setText(C::TimerSeconds, L"7");
    focus(C::ResetButton);
    pressKey(C::ResetButton, VK_RETURN);
    EXPECT_EQ(text(C::TimerSeconds), L"0");
    post(C::GradientPaint, WM_SYSCHAR, L's', 1 | (1u << 29)); // Alt+S
    EXPECT_EQ(fake_.msgBoxCalls, shows + 1);
}

TEST_F(Keyboard, TabFromTheMessageSkipsTheHiddenTitleAndShiftTabReachesIt)
{
    setText(C::Title, L"Heading");
    pressKey(C::Message, VK_TAB);
    EXPECT_EQ(focused(), C::IconOption0);
    EXPECT_EQ(text(C::Message), L"Test Message") << "no tab character went in";
    // Collapsed again, with the title visible and Show the default button.
    EXPECT_EQ(heightPixels(C::Message), 285 / 15);
    EXPECT_TRUE(visible(C::Title));
    EXPECT_TRUE(GetWindowLongPtrW(hwnd(C::ShowButton), GWL_STYLE) & BS_DEFPUSHBUTTON);

    pressKey(C::IconOption0, VK_TAB, true);
    EXPECT_EQ(focused(), C::Title);
    EXPECT_EQ(selection(C::Title), std::make_pair(DWORD{0}, DWORD{7}));
    // Back in the message: expanded, its text not selected.
    SendMessageW(hwnd(C::Message), EM_SETSEL, 3, 3);
    pressKey(C::Title, VK_TAB, true);
    EXPECT_EQ(focused(), C::Message);
    EXPECT_FALSE(visible(C::Title));
    EXPECT_EQ(selection(C::Message), std::make_pair(DWORD{3}, DWORD{3}));
}

TEST_F(Keyboard, TabVisitsTheControlsInTabOrder)
{
    click(C::ButtonOption3); // an option group is reached at its selected member
    focus(C::Title);
    const C expected[] = {C::IconOption0,      C::ButtonOption3,     C::DefaultOption0,
                          C::BackColorHeading, C::ForeColorHeading,  C::BackColorBody,
                          C::ForeColorBody,    C::BackColorButtons,  C::TypeUpDown,
                          C::AlignUpDown,      C::SolidColorHeading, C::pControlBox,
                          C::GradientPaint,    C::DirectionUpDown,   C::KeepOnTop,
                          C::SoundBeep,        C::PositionUpDown,    C::LeftPos,
                          C::TopPos,           C::pMoveable,         C::Modal,
                          C::TimerSeconds,     C::ShowButton,        C::ResetButton,
                          C::ExitButton,       C::Message,           C::IconOption0};
    for (C next : expected) {
        const C at = focused();
        pressKey(at, VK_TAB);
        ASSERT_EQ(focused(), next) << "after " << static_cast<int>(at);
    }
}

TEST_F(Keyboard, ArrowKeysMoveWithinAnOptionGroup)
{
    focus(C::ButtonOption0);
    pressKey(C::ButtonOption0, VK_DOWN);
    EXPECT_EQ(focused(), C::ButtonOption1);
    EXPECT_TRUE(checked(C::ButtonOption1));
    EXPECT_FALSE(checked(C::ButtonOption0));
    pressKey(C::ButtonOption1, VK_UP);
    pressKey(C::ButtonOption0, VK_UP); // wraps to the last
    EXPECT_TRUE(checked(C::ButtonOption5));
    EXPECT_TRUE(checked(C::IconOption0)) << "the other groups keep theirs";
    EXPECT_TRUE(checked(C::DefaultOption0));
}

TEST_F(Keyboard, TheFocusComesBackAfterAnotherWindowWasActive)
{
    focus(C::Title);
    {
        TestWindow other(L"Other", 0, 0, 50, 50);
        SetActiveWindow(other.hwnd());
        pump();
    }
    SetActiveWindow(mainWindow());
    pump();
    EXPECT_EQ(focused(), C::Title);
}

} // namespace
} // namespace quillnote::demo::test
