// The selectors and their descriptions, the position fields with their
// up-downs and arrow keys, and the focus rule of the numeric text boxes.

#include "DemoFixture.h"

namespace quillnote::demo::test {
namespace {

using C = Control;

class NumericFields : public DemoFixture {};

TEST_F(NumericFields, DirectionUpDownShowsItsTextsInOrderAndStopsAt16)
{
    const wchar_t* expected[] = {L"Bottom to Top",
                                 L"Left to Right",
                                 L"Right to Left",
                                 L"Diamond, Center, Fade Out",
                                 L"Diamond, Center, Fade In",
                                 L"Circle, Center, Fade Out",
                                 L"Circle, Center, Fade In",
                                 L"Circle, Top Left, Fade Out",
                                 L"Circle, Top Left, Fade In",
                                 L"Circle, Top Right, Fade Out",
                                 L"Circle, Top Right, Fade In",
                                 L"Circle, Bottom Left, Fade Out",
                                 L"Circle, Bottom Left, Fade In",
                                 L"Circle, Bottom Right, Fade Out",
                                 L"Circle, Bottom Right, Fade In",
                                 L"Circle, Bottom Right, Fade In"};
    for (int click = 0; click < 16; ++click) {
        clickUpDown(C::DirectionUpDown, true);
        EXPECT_EQ(text(C::GradientDirection), std::to_wstring(std::min(click + 2, 16)));
        EXPECT_EQ(text(C::DirectionDesc), expected[click]);
    }
}

TEST_F(NumericFields, PositionTypeAndAlignmentDescriptions)
{
    clickUpDown(C::PositionUpDown, true); // at its maximum already: no change
    EXPECT_EQ(text(C::PositionDesc), L"Center of screen (default)");
    clickUpDown(C::PositionUpDown, false);
    EXPECT_EQ(text(C::SPosition), L"1");
    EXPECT_EQ(text(C::PositionDesc), L"Center of form");
    clickUpDown(C::PositionUpDown, false);
    EXPECT_EQ(text(C::PositionDesc), L"Manual");
    clickUpDown(C::PositionUpDown, true);
    clickUpDown(C::PositionUpDown, true);
    EXPECT_EQ(text(C::PositionDesc), L"Center of screen (Default)");

    clickUpDown(C::TypeUpDown, true);
    EXPECT_EQ(text(C::TypeDesc), L"3D");
    clickUpDown(C::TypeUpDown, false);
    EXPECT_EQ(text(C::TypeDesc), L"Flat (Default)");

    // From the keyboard, when the up-down has the focus.
    focus(C::AlignUpDown);
    pressKey(C::AlignUpDown, VK_UP);
    EXPECT_EQ(text(C::AlignDesc), L"Right Justify");
    pressKey(C::AlignUpDown, VK_UP);
    EXPECT_EQ(text(C::AlignDesc), L"Center");
    EXPECT_EQ(text(C::TextAlignment), L"2");
}

TEST_F(NumericFields, ArrowKeysInThePositionFieldsStopAtTheirLimits)
{
    const struct {
        C field;
        const wchar_t* typed;
        UINT key;
        const wchar_t* shown;
    } cases[] = {{C::LeftPos, L"19200", VK_UP, L"19200"}, {C::LeftPos, L"19190", VK_UP, L"19200"},
                 {C::LeftPos, L"100", VK_UP, L"115"},     {C::LeftPos, L"100", VK_DOWN, L"85"},
                 {C::TopPos, L"0", VK_DOWN, L"0"},        {C::TopPos, L"10", VK_DOWN, L"0"},
                 {C::TopPos, L"11990", VK_UP, L"12000"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::string(c.typed, c.typed + wcslen(c.typed)) << " key " << c.key);
        focus(c.field);
        setText(c.field, c.typed);
        pressKey(c.field, c.key);
        EXPECT_EQ(text(c.field), c.shown);
        EXPECT_EQ(std::to_wstring(upDownValue(c.field == C::LeftPos ? C::LeftUpDown : C::TopUpDown)), c.shown);
    }
    // The up-down itself steps from the typed value by 15.
    setText(C::LeftPos, L"300");
    clickUpDown(C::LeftUpDown, true);
    EXPECT_EQ(text(C::LeftPos), L"315");
}

TEST_F(NumericFields, APositionTextThatIsNoWholeNumberSettlesWhenLeft)
{
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"100.5", L"100"}, {L"0300", L"300"}, {L"abc", L"0"}, {L"", L"0"}, {L"25000", L"19200"}};
    for (const auto& [typed, shown] : cases) {
        focus(C::LeftPos);
        setText(C::LeftPos, typed);
        focus(C::Modal);
        EXPECT_EQ(text(C::LeftPos), shown);
        EXPECT_EQ(std::to_wstring(upDownValue(C::LeftUpDown)), shown);
    }
}

TEST_F(NumericFields, NumericFieldsAlignLeftWithTheFocusAndRightWithout)
{
    for (C field : {C::LeftPos, C::TopPos, C::TimerSeconds}) {
        SCOPED_TRACE(static_cast<int>(field));
        focus(field);
        EXPECT_FALSE(window_->rightAligned(field));
        EXPECT_EQ(selection(field), std::make_pair(DWORD{0}, DWORD{1}));
        EXPECT_LT(static_cast<short>(LOWORD(SendMessageW(hwnd(field), EM_POSFROMCHAR, 0, 0))), 4);
        focus(C::Modal);
        EXPECT_TRUE(window_->rightAligned(field));
    }
    // TimerSeconds right-aligns whatever it holds, and keeps it as typed.
    focus(C::TimerSeconds);
    typeText(C::TimerSeconds, L"soon");
    focus(C::Modal);
    EXPECT_TRUE(window_->rightAligned(C::TimerSeconds));
    EXPECT_EQ(text(C::TimerSeconds), L"soon");
}

} // namespace
} // namespace quillnote::demo::test
