// The Show action against a recording stand-in for the component: the
// object created once, the clamps, every property in order, the Buttons
// composition, the call, and the reports when it cannot go on.

#include "DemoFixture.h"

#include <algorithm>

namespace quillnote::demo::test {
namespace {

using C = Control;

class ShowAction : public DemoFixture {};

TEST_F(ShowAction, StartUpValuesWrittenInOrderThenMsgBoxOnOneObject)
{
    EXPECT_EQ(created_, 0) << "not before the first Show";
    click(C::ShowButton);
    const std::vector<std::wstring> expected = {L"BackColorHeading=-2147483646",
                                                L"BackColorBody=-2147483633",
                                                L"BackColorButtons=-2147483633",
                                                L"ForeColorHeading=-2147483634",
                                                L"ForeColorBody=-2147483630",
                                                L"GradientPaint=0",
                                                L"GradientDirection=1",
                                                L"HeadingType=0",
                                                L"TextAlignment=0",
                                                L"SolidColorHeading=0",
                                                L"ControlBox=-1",
                                                L"KeepOnTop=-1",
                                                L"SoundBeep=-1",
                                                L"StartUpPosition=2",
                                                L"Left=0",
                                                L"Top=0",
                                                L"Moveable=0",
                                                L"Modal=-1",
                                                L"TimerSeconds=0",
                                                L"MsgBox"};
    EXPECT_EQ(fake_.calls, expected);
    EXPECT_EQ(fake_.message, L"Test Message");
    EXPECT_EQ(fake_.buttons, 0);
    EXPECT_EQ(fake_.title, L"");

    focus(C::Title);
    typeText(C::Title, L"My title");
    pressKey(C::Title, VK_RETURN);
    EXPECT_EQ(fake_.title, L"My title");
    EXPECT_EQ(created_, 1) << "one object, reused";
    EXPECT_EQ(fake_.msgBoxCalls, 2);
    EXPECT_EQ(std::count(fake_.calls.begin(), fake_.calls.end(), L"DefaultTitle"), 0) << "never written";
    EXPECT_TRUE(reports_.empty());
}

TEST_F(ShowAction, ButtonsComposedFromTheThreeGroups)
{
    for (C option : {C::IconOption2, C::ButtonOption4, C::DefaultOption1, C::ShowButton})
        click(option);
    EXPECT_EQ(fake_.buttons, 292);
    for (C option : {C::IconOption4, C::ButtonOption5, C::DefaultOption2, C::ShowButton})
        click(option);
    EXPECT_EQ(fake_.buttons, 581);
}

TEST_F(ShowAction, PositionsAreClampedToTheirUpDownsRange)
{
    setText(C::LeftPos, L"-30");
    setText(C::TopPos, L"99999");
    click(C::ShowButton);
    EXPECT_EQ(upDownValue(C::LeftUpDown), 0);
    EXPECT_EQ(text(C::LeftPos), L"0");
    EXPECT_EQ(fake_.lastWrite(L"Left"), L"0");
    EXPECT_EQ(upDownValue(C::TopUpDown), 12000);
    EXPECT_EQ(text(C::TopPos), L"12000");
    EXPECT_EQ(fake_.lastWrite(L"Top"), L"12000");
}

TEST_F(ShowAction, TimerSecondsAndColourTexts)
{
    const std::pair<const wchar_t*, const wchar_t*> timers[] = {{L"2.5", L"2"}, {L"3.5", L"4"}, {L"ten", L"0"}};
    for (const auto& [typed, written] : timers) {
        setText(C::TimerSeconds, typed);
        click(C::ShowButton);
        EXPECT_EQ(fake_.lastWrite(L"TimerSeconds"), written) << std::wstring(typed);
        EXPECT_EQ(text(C::TimerSeconds), typed) << "the text is not rewritten";
    }
    setText(C::BackColorBody, L"&H8000000F");
    setText(C::BackColorButtons, L"255");
    click(C::ShowButton);
    EXPECT_EQ(fake_.BackColorBody_, 0x8000000Fu);
    EXPECT_EQ(fake_.BackColorButtons_, 255u);
}

TEST_F(ShowAction, CheckBoxesAndSelectorsReachTheirProperties)
{
    for (C box :
         {C::GradientPaint, C::SolidColorHeading, C::pControlBox, C::KeepOnTop, C::SoundBeep, C::pMoveable, C::Modal})
        click(box);
    for (int i = 0; i < 6; ++i)
        clickUpDown(C::DirectionUpDown, true);
    clickUpDown(C::TypeUpDown, true);
    clickUpDown(C::AlignUpDown, true);
    clickUpDown(C::PositionUpDown, false);
    click(C::ShowButton);
    const std::pair<const wchar_t*, const wchar_t*> writes[] = {
        {L"GradientPaint", L"-1"}, {L"SolidColorHeading", L"-1"}, {L"ControlBox", L"0"},
        {L"KeepOnTop", L"0"},      {L"SoundBeep", L"0"},          {L"Moveable", L"-1"},
        {L"Modal", L"0"},          {L"GradientDirection", L"7"},  {L"HeadingType", L"1"},
        {L"TextAlignment", L"1"},  {L"StartUpPosition", L"1"}};
    for (const auto& [name, value] : writes)
        EXPECT_EQ(fake_.lastWrite(name), value) << std::wstring(name);
}

TEST_F(ShowAction, TextsWithoutAValueAreReportedByNameAndNothingIsShown)
{
    setText(C::ForeColorHeading, L"99999999999");
    click(C::ShowButton);
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_NE(reports_[0].find(L"ForeColorHeading: \"99999999999\""), std::wstring::npos) << reports_[0];
    EXPECT_TRUE(fake_.calls.empty()) << "nothing written, MsgBox not called";
    EXPECT_EQ(focused(), C::ForeColorHeading);
    EXPECT_EQ(selection(C::ForeColorHeading), std::make_pair(DWORD{0}, DWORD{11}));

    setText(C::ForeColorHeading, L"&H123456");
    setText(C::TimerSeconds, L"40000");
    click(C::ShowButton);
    ASSERT_EQ(reports_.size(), 2u);
    EXPECT_NE(reports_[1].find(L"TimerSeconds: \"40000\""), std::wstring::npos) << reports_[1];
    EXPECT_EQ(fake_.msgBoxCalls, 0);

    setText(C::TimerSeconds, L"0");
    click(C::ShowButton);
    EXPECT_EQ(fake_.msgBoxCalls, 1);
    EXPECT_EQ(fake_.ForeColorHeading_, 0x123456u);
}

TEST_F(ShowAction, AnObjectThatCannotBeCreatedIsReportedWithTheCauseAndTriedAgain)
{
    creationResult_ = REGDB_E_CLASSNOTREG;
    click(C::ShowButton);
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_NE(reports_[0].find(L"could not be created (0x80040154"), std::wstring::npos) << reports_[0];
    EXPECT_EQ(fake_.msgBoxCalls, 0);
    creationResult_ = S_OK;
    click(C::ShowButton);
    EXPECT_EQ(created_, 2);
    EXPECT_EQ(fake_.msgBoxCalls, 1);
}

TEST_F(ShowAction, TheWindowReleasesItsObjectWhenItGoes)
{
    click(C::ShowButton);
    ASSERT_EQ(fake_.references(), 2u);
    click(C::ExitButton);
    EXPECT_EQ(fake_.references(), 1u);
}

} // namespace
} // namespace quillnote::demo::test
