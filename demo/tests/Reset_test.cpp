// Reset after edits, Exit, the close box and the Escape key.

#include "DemoFixture.h"

namespace quillnote::demo::test {
namespace {

using C = Control;

class ResetAndExit : public DemoFixture {};

TEST_F(ResetAndExit, ResetAfterEditsRestoresTheStartUpValues)
{
    focus(C::IconOption0);
    setText(C::Title, L"A title");
    setText(C::Message, L"Another message");
    for (C option : {C::IconOption3, C::ButtonOption5, C::DefaultOption2})
        click(option);
    for (const ColourField& field : colourFields())
        setText(field.textBox, L"255");
    for (C box : {C::GradientPaint, C::pControlBox, C::SoundBeep, C::pMoveable, C::Modal})
        click(box);
    clickUpDown(C::DirectionUpDown, true);
    clickUpDown(C::TypeUpDown, true);
    clickUpDown(C::PositionUpDown, false);
    setText(C::LeftPos, L"300");
    setText(C::TimerSeconds, L"5");
    focus(C::BackColorBody);
    focus(C::TimerSeconds); // leaving the colour field repainted the swatches
    ASSERT_EQ(window_->swatchColour(1), RGB(255, 0, 0));
    ASSERT_EQ(text(C::PositionDesc), L"Center of form");

    click(C::ResetButton);

    EXPECT_EQ(text(C::Message), L"Test Message");
    EXPECT_EQ(text(C::Title), L"");
    for (C on : {C::IconOption0, C::ButtonOption0, C::DefaultOption0, C::pControlBox, C::SoundBeep, C::Modal})
        EXPECT_TRUE(checked(on)) << static_cast<int>(on);
    for (C off : {C::IconOption3, C::ButtonOption5, C::DefaultOption2, C::GradientPaint, C::pMoveable})
        EXPECT_FALSE(checked(off)) << static_cast<int>(off);
    for (const ColourField& field : colourFields())
        EXPECT_EQ(text(field.textBox), std::wstring(field.resetText.begin(), field.resetText.end()));
    EXPECT_EQ(window_->swatchColour(1), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(text(C::GradientDirection), L"1");
    EXPECT_EQ(text(C::DirectionDesc), L"Top to Bottom (Default)");
    EXPECT_EQ(text(C::TypeDesc), L"Flat (Default)");
    // Set again by a real change: from the table now, with a capital D.
    EXPECT_EQ(text(C::PositionDesc), L"Center of screen (Default)");
    EXPECT_EQ(upDownValue(C::LeftUpDown), 0);
    EXPECT_EQ(text(C::LeftPos), L"0");
    EXPECT_EQ(text(C::TimerSeconds), L"0");
    // The focus is in the message, expanded, all its text selected.
    EXPECT_EQ(focused(), C::Message);
    EXPECT_FALSE(visible(C::Title));
    EXPECT_EQ(selection(C::Message), std::make_pair(DWORD{0}, DWORD{12}));
}

// What Reset writes is shown whole and aligned as the field's rule says,
// whatever alignment the field had before: a colour field that was
// right-aligned shows its whole "&H8000000F&" from the left, and the position
// fields show "0" at their right edge.
TEST_F(ResetAndExit, ResetTextsAreShownWholeAndAligned)
{
    for (const ColourField& field : colourFields()) {
        focus(field.textBox);
        setText(field.textBox, L"255");
    }
    setText(C::LeftPos, L"12345");
    setText(C::TopPos, L"12345");
    focus(C::Message);
    ASSERT_TRUE(window_->rightAligned(colourFields()[0].textBox));

    click(C::ResetButton);

    for (const ColourField& field : colourFields()) {
        SCOPED_TRACE(testing::Message() << "colour field " << static_cast<int>(field.textBox));
        const ShownText shown = shownText(field.textBox);
        EXPECT_FALSE(window_->rightAligned(field.textBox));
        EXPECT_EQ(shown.firstVisibleChar, 0);
        EXPECT_LE(shown.textLeft, shown.format.left + 2) << "the text does not start at the left";
        EXPECT_LE(shown.textRight, shown.format.right) << "the end of the text is cut off";
    }
    for (C position : {C::LeftPos, C::TopPos}) {
        SCOPED_TRACE(testing::Message() << "position field " << static_cast<int>(position));
        ASSERT_EQ(text(position), L"0");
        const ShownText shown = shownText(position);
        EXPECT_EQ(shown.firstVisibleChar, 0);
        EXPECT_GE(shown.textRight, shown.format.right - 2) << "the 0 stands short of the right edge";
        EXPECT_LE(shown.textRight, shown.format.right);
    }
}

TEST_F(ResetAndExit, ResetAtTheResetValuesChangesNoDescriptionAndAltRPressesIt)
{
    setText(C::TimerSeconds, L"9");
    focus(C::KeepOnTop);
    post(C::KeepOnTop, WM_SYSCHAR, L'r', 1 | (1u << 29));
    EXPECT_EQ(text(C::TimerSeconds), L"0");
    EXPECT_EQ(text(C::PositionDesc), L"Center of screen (default)");
}

TEST_F(ResetAndExit, ExitButtonAndCloseBoxEndTheProgram)
{
    click(C::ExitButton);
    EXPECT_FALSE(IsWindow(mainWindow()));
    EXPECT_EQ(exits_, 1);
    createAndShow();
    PostMessageW(mainWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);
    pump();
    EXPECT_FALSE(IsWindow(mainWindow()));
    EXPECT_EQ(exits_, 2);
}

TEST_F(ResetAndExit, EscapeInAnyControlEndsTheProgram)
{
    const C controls[] = {C::Message,       C::Title,   C::IconOption0,  C::BackColorHeading, C::TypeUpDown,
                          C::GradientPaint, C::LeftPos, C::TimerSeconds, C::ExitButton};
    for (C control : controls) {
        SCOPED_TRACE(static_cast<int>(control));
        if (!IsWindow(mainWindow()))
            createAndShow();
        focus(control);
        ASSERT_EQ(focused(), control);
        const int exits = exits_;
        pressKey(control, VK_ESCAPE);
        EXPECT_FALSE(IsWindow(mainWindow()));
        EXPECT_EQ(exits_, exits + 1);
    }
    EXPECT_EQ(fake_.msgBoxCalls, 0);
}

} // namespace
} // namespace quillnote::demo::test
