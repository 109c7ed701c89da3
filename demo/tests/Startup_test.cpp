// The window as it opens, and the start-up's Reset while it is still hidden.

#include "DemoFixture.h"

namespace quillnote::demo::test {
namespace {

using C = Control;

class StartUp : public DemoFixture {};

TEST_F(StartUp, FrameCaptionSizePlaceAndIcon)
{
    EXPECT_EQ(windowText(mainWindow()), L" Quillnote Demonstration");
    RECT client = {};
    GetClientRect(mainWindow(), &client);
    EXPECT_EQ(client.right, 6750 / 15);
    EXPECT_EQ(client.bottom, 6405 / 15);
    const LONG_PTR style = GetWindowLongPtrW(mainWindow(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU) << "the close box";
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    RECT frame = {};
    GetWindowRect(mainWindow(), &frame);
    EXPECT_LE(std::abs(frame.left + frame.right - GetSystemMetrics(SM_CXSCREEN)), 1) << "centred";
    EXPECT_LE(std::abs(frame.top + frame.bottom - GetSystemMetrics(SM_CYSCREEN)), 1) << "centred";

    ICONINFO icon = {};
    ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(SendMessageW(mainWindow(), WM_GETICON, ICON_BIG, 0)), &icon));
    BITMAP colour = {};
    GetObjectW(icon.hbmColor, sizeof(colour), &colour);
    EXPECT_EQ(colour.bmWidth, 32);
    EXPECT_EQ(colour.bmHeight, 32);
    DeleteObject(icon.hbmColor);
    DeleteObject(icon.hbmMask);
}

TEST_F(StartUp, ControlsInTheirStartUpState)
{
    // The message has the focus, expanded over the hidden, empty title, and
    // Enter is its own.
    EXPECT_EQ(text(C::Message), L"Test Message");
    EXPECT_EQ(focused(), C::Message);
    EXPECT_EQ(heightPixels(C::Message), 900 / 15);
    EXPECT_FALSE(visible(C::Title));
    EXPECT_EQ(text(C::Title), L"");
    EXPECT_FALSE(window_->showIsDefault());
    EXPECT_FALSE(GetWindowLongPtrW(hwnd(C::ShowButton), GWL_STYLE) & BS_DEFPUSHBUTTON);

    for (C on :
         {C::IconOption0, C::ButtonOption0, C::DefaultOption0, C::pControlBox, C::KeepOnTop, C::SoundBeep, C::Modal})
        EXPECT_TRUE(checked(on)) << static_cast<int>(on);
    for (C off :
         {C::IconOption4, C::ButtonOption1, C::DefaultOption2, C::GradientPaint, C::SolidColorHeading, C::pMoveable})
        EXPECT_FALSE(checked(off)) << static_cast<int>(off);

    const COLORREF swatches[] = {GetSysColor(COLOR_ACTIVECAPTION), GetSysColor(COLOR_BTNFACE),
                                 GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_HIGHLIGHTTEXT),
                                 GetSysColor(COLOR_BTNTEXT)};
    for (int i = 0; i < ColourFieldCount; ++i) {
        const std::u16string_view reset = colourFields()[i].resetText;
        EXPECT_EQ(text(colourFields()[i].textBox), std::wstring(reset.begin(), reset.end()));
        EXPECT_EQ(window_->swatchColour(i), swatches[i]) << i;
        EXPECT_FALSE(window_->rightAligned(colourFields()[i].textBox));
    }

    EXPECT_EQ(text(C::SPosition), L"2");
    EXPECT_EQ(text(C::PositionDesc), L"Center of screen (default)");
    EXPECT_EQ(text(C::TextAlignment), L"0");
    EXPECT_EQ(text(C::AlignDesc), L"Left Justify (Default)");
    EXPECT_EQ(text(C::HeadingType), L"0");
    EXPECT_EQ(text(C::TypeDesc), L"Flat (Default)");
    EXPECT_EQ(text(C::GradientDirection), L"1");
    EXPECT_EQ(text(C::DirectionDesc), L"Top to Bottom (Default)");
    for (C field : {C::LeftPos, C::TopPos, C::TimerSeconds}) {
        EXPECT_EQ(text(field), L"0");
        EXPECT_TRUE(window_->rightAligned(field)) << static_cast<int>(field);
    }
    // The right alignment shows: the "0" stands at the right edge.
    RECT box = {};
    GetClientRect(hwnd(C::TimerSeconds), &box);
    EXPECT_GT(static_cast<short>(LOWORD(SendMessageW(hwnd(C::TimerSeconds), EM_POSFROMCHAR, 0, 0))), box.right / 2);
    EXPECT_EQ(text(C::ShowButton), L"&Show Message");
    EXPECT_EQ(text(C::AppearanceFrame), L"Appearance Properties");
    EXPECT_EQ(text(C::ButtonOption2), L"vbAbortRetryIgnore");
}

class HiddenStartUp : public DemoFixture {
protected:
    HiddenStartUp() { createInSetUp_ = false; }
};

TEST_F(HiddenStartUp, ResetSkipsTheFailingFocusStepAndGoesOn)
{
    createHidden();
    // The focus request failed on the hidden window: the message did not
    // expand, and the steps around it ran.
    EXPECT_NE(focused(), C::Message);
    EXPECT_EQ(heightPixels(C::Message), 285 / 15);
    EXPECT_EQ(text(C::Message), L"Test Message");
    EXPECT_EQ(text(C::TimerSeconds), L"0");
    setText(C::Message, L"Edited");
    window_->reset();
    EXPECT_NE(focused(), C::Message);
    EXPECT_EQ(selection(C::Message), std::make_pair(DWORD{0}, DWORD{12})) << "the step after it ran";

    window_->show();
    pump();
    EXPECT_EQ(focused(), C::Message);
    EXPECT_FALSE(visible(C::Title));
}

} // namespace
} // namespace quillnote::demo::test
