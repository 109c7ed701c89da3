// The colour fields: the key filter, the alignment rule, the swatches, and
// the colour chooser, recorded and for real.

#include "ColourChooser.h"
#include "DemoFixture.h"

namespace quillnote::demo::test {
namespace {

using C = Control;

class ColourFields : public DemoFixture {};

TEST_F(ColourFields, TypedLettersBecomeCapitalsAndTheSwatchFollowsOnLeaving)
{
    focus(C::BackColorBody);
    setText(C::BackColorBody, L"");
    typeText(C::BackColorBody, L"&hff");
    EXPECT_EQ(text(C::BackColorBody), L"&HFF");
    EXPECT_EQ(window_->swatchColour(1), GetSysColor(COLOR_BTNFACE)) << "not while the text is edited";
    focus(C::Modal);
    EXPECT_EQ(window_->swatchColour(1), RGB(255, 0, 0));

    focus(C::BackColorBody);
    typeText(C::BackColorBody, L"&h8000000f x-\x00e9");
    EXPECT_EQ(text(C::BackColorBody), L"&H8000000F X-\x00e9");
    focus(C::Modal);
    EXPECT_EQ(window_->swatchColour(1), GetSysColor(COLOR_BTNFACE));

    setText(C::BackColorBody, L"");
    focus(C::BackColorBody);
    focus(C::Modal);
    EXPECT_EQ(window_->swatchColour(1), RGB(0, 0, 0)) << "an empty field is black";
}

TEST_F(ColourFields, OnlyATextStartingWithADigitIsRightAlignedAtRest)
{
    for (const std::wstring text : {L"255", L"&H8000000F", L"-5", L" 255", L"red"}) {
        SCOPED_TRACE(std::string(text.begin(), text.end()));
        focus(C::BackColorButtons);
        setText(C::BackColorButtons, text);
        focus(C::Modal);
        EXPECT_EQ(window_->rightAligned(C::BackColorButtons), text == L"255");
        focus(C::BackColorButtons);
        EXPECT_FALSE(window_->rightAligned(C::BackColorButtons));
        EXPECT_EQ(selection(C::BackColorButtons), std::make_pair(DWORD{0}, static_cast<DWORD>(text.size())));
    }
}

TEST_F(ColourFields, DownArrowReleasedOpensTheChooserUpArrowDoesNothing)
{
    setText(C::BackColorHeading, L"255");
    focus(C::BackColorHeading);
    pressKey(C::BackColorHeading, VK_UP);
    post(C::BackColorHeading, WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_TRUE(chooserCalls_.empty()) << "not on the Up arrow, nor on pressing Down";

    // While the chooser runs, the arrow button has the focus and the field
    // has been left (right-aligned: its text starts with a digit).
    C focusDuringChooser = C::Window;
    bool rightAlignedDuringChooser = false;
    chooser_ = [&](Colour) {
        focusDuringChooser = focused();
        rightAlignedDuringChooser = window_->rightAligned(C::BackColorHeading);
        return static_cast<Colour>(RGB(0, 0, 255));
    };
    post(C::BackColorHeading, WM_KEYUP, VK_DOWN, 1u | (1u << 30) | (1u << 31));
    ASSERT_EQ(chooserCalls_, std::vector<Colour>{255});
    EXPECT_EQ(focusDuringChooser, C::DownArrow0);
    EXPECT_TRUE(rightAlignedDuringChooser);
    // Pure blue comes back in decimal, all selected, with a blue swatch.
    EXPECT_EQ(text(C::BackColorHeading), L"16711680");
    EXPECT_EQ(focused(), C::BackColorHeading);
    EXPECT_EQ(selection(C::BackColorHeading), std::make_pair(DWORD{0}, DWORD{8}));
    EXPECT_EQ(window_->swatchColour(0), RGB(0, 0, 255));
}

TEST_F(ColourFields, TheArrowButtonRunsTheChooserForItsOwnField)
{
    click(C::DownArrow4); // the recorder cancels
    ASSERT_EQ(chooserCalls_.size(), 1u);
    EXPECT_EQ(static_cast<std::uint32_t>(chooserCalls_[0]), 0x80000012u);
    EXPECT_EQ(text(C::ForeColorBody), L"-2147483630");
    EXPECT_EQ(window_->swatchColour(4), GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(text(C::BackColorHeading), L"&H80000002") << "other fields untouched";
    EXPECT_EQ(focused(), C::ForeColorBody);
}

TEST_F(ColourFields, ATextWithoutAColourKeepsTheSwatchAndStartsTheChooserThere)
{
    setText(C::BackColorButtons, L"255");
    focus(C::BackColorButtons);
    focus(C::Modal);
    ASSERT_EQ(window_->swatchColour(2), RGB(255, 0, 0));
    for (const wchar_t* text : {L"99999999999", L"&H123456789", L"&H01000000", L"&H80000050"}) {
        focus(C::BackColorButtons);
        setText(C::BackColorButtons, text);
        focus(C::Modal);
        EXPECT_EQ(window_->swatchColour(2), RGB(255, 0, 0)) << std::string(text, text + wcslen(text));
    }
    setText(C::BackColorButtons, L"99999999999");
    click(C::DownArrow2);
    EXPECT_EQ(chooserCalls_, std::vector<Colour>{static_cast<Colour>(RGB(255, 0, 0))});
    EXPECT_EQ(text(C::BackColorButtons), L"255");
}

// The platform's colour dialog itself (its Red, Green and Blue fields are
// the controls 706, 707 and 708).
class PlatformChooser : public ColourFields {
protected:
    void SetUp() override
    {
        ColourFields::SetUp();
        chooser_ = [this](Colour initial) { return chooser.choose(mainWindow(), initial); };
    }
    ColourChooser chooser;
};

TEST_F(PlatformChooser, CancelOnASystemColourWritesItInDecimal)
{
    bool fullOpen = false;
    ModalWatcher watcher(L"#32770", [&](HWND dialog) {
        fullOpen = IsWindowVisible(GetDlgItem(dialog, 706)) != FALSE;
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    click(C::DownArrow1);
    EXPECT_TRUE(watcher.saw());
    EXPECT_TRUE(fullOpen) << "the custom-colour part is open";
    EXPECT_EQ(text(C::BackColorBody), L"-2147483633");
    EXPECT_EQ(window_->swatchColour(1), GetSysColor(COLOR_BTNFACE));
}

TEST_F(PlatformChooser, StartsFromTheFieldsColour)
{
    std::wstring rgb;
    ModalWatcher watcher(L"#32770", [&](HWND dialog) {
        for (int id : {706, 707, 708})
            rgb += windowText(GetDlgItem(dialog, id)) + L" ";
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    setText(C::ForeColorHeading, L"&H336699");
    click(C::DownArrow3);
    EXPECT_EQ(rgb, L"153 102 51 ");
    EXPECT_EQ(text(C::ForeColorHeading), std::to_wstring(0x336699));
}

} // namespace
} // namespace quillnote::demo::test
