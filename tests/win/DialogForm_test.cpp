// The dialog form in its design state, loaded in-process: every control,
// container, position, colour, font, picture and hidden or disabled state
// that a fresh MsgBox call starts from. Also the library's sound resource.

#include "dialog/MessageBoxForm.h"
#include "dialog/ResourceIds.h"

#include <gtest/gtest.h>

#include <cstring>

namespace quillnote {
namespace {

class DialogFormTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(form.load()); }
    SharedSettings settings;
    MessageBoxForm form{settings};
};

void expectBounds(const forms::TwipsRect& r, double left, double top, double width, double height)
{
    EXPECT_DOUBLE_EQ(r.left, left);
    EXPECT_DOUBLE_EQ(r.top, top);
    EXPECT_DOUBLE_EQ(r.width, width);
    EXPECT_DOUBLE_EQ(r.height, height);
}

TEST_F(DialogFormTest, FormFrameAndStyle)
{
    EXPECT_DOUBLE_EQ(form.width(), 5265);
    EXPECT_DOUBLE_EQ(form.height(), 2010);
    const LONG style = GetWindowLongW(form.hwnd(), GWL_STYLE);
    const LONG exStyle = GetWindowLongW(form.hwnd(), GWL_EXSTYLE);
    EXPECT_FALSE(style & WS_CAPTION & ~WS_DLGFRAME) << "no title bar";
    EXPECT_FALSE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_FALSE(style & WS_THICKFRAME) << "not resizable";
    EXPECT_TRUE(style & WS_DLGFRAME);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW) << "no taskbar button";
    EXPECT_FALSE(IsWindowVisible(form.hwnd())) << "loaded, not shown";
    // The frame adds 45 twips (3 pixels) on each side of the client area.
    const SIZE client = form.frameSize();
    EXPECT_EQ(client.cx, 351 - 6);
    EXPECT_EQ(client.cy, 134 - 6);
}

TEST_F(DialogFormTest, ButtonsStartHiddenDisabledAndOutOfTheTabOrder)
{
    const char16_t* captions[4] = {u"Button1", u"Button2", u"Button3", u"Button4"};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const forms::CommandButton& b = form.MsgButton[i];
        EXPECT_EQ(b.caption(), captions[i]);
        EXPECT_FALSE(b.enabled());
        EXPECT_FALSE(b.visible());
        EXPECT_FALSE(b.tabStop());
        EXPECT_FALSE(b.isDefault());
        EXPECT_EQ(b.tabIndex(), i);
        expectBounds(b.bounds(), 240 + 1200.0 * i, 960, 1095, 375);
        EXPECT_FALSE(IsWindowVisible(b.hwnd()));
        EXPECT_FALSE(IsWindowEnabled(b.hwnd()));
        EXPECT_EQ(GetParent(b.hwnd()), form.Background.hwnd());
        // A button tells what font it is drawn in.
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(b.hwnd(), WM_GETFONT, 0, 0)), form.defaultFont());
        EXPECT_NE(form.defaultFont(), nullptr);
    }
}

TEST_F(DialogFormTest, BodyHeadingLabelsAndLines)
{
    expectBounds(form.Background.bounds(), 0, 330, 5265, 1350);
    expectBounds(form.TopHeading.bounds(), 0, 0, 5265, 330);
    EXPECT_EQ(form.TopHeading.backColor(), static_cast<Colour>(0x80000002));
    EXPECT_EQ(form.Background.backColor(), static_cast<Colour>(0x8000000F));

    EXPECT_EQ(form.MsgText.caption(), u"Message Text");
    EXPECT_EQ(form.MsgText.container(), &form.Background);
    EXPECT_DOUBLE_EQ(form.MsgText.bounds().left, 750);
    EXPECT_DOUBLE_EQ(form.MsgText.bounds().top, 150);
    EXPECT_EQ(form.MsgText.alignment(), forms::Alignment::Left);

    EXPECT_EQ(form.TopCaption.caption(), u"Message");
    EXPECT_EQ(form.TopCaption.container(), &form.TopHeading);
    EXPECT_EQ(form.TopCaption.foreColor(), static_cast<Colour>(0x8000000E));
    EXPECT_DOUBLE_EQ(form.TopCaption.bounds().left, 75);
    EXPECT_DOUBLE_EQ(form.TopCaption.bounds().top, 60);

    const Colour lineColours[3] = {0xC0C0C0, 0x808080, 0x404040};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(form.HLine[i].visible());
        EXPECT_EQ(form.HLine[i].borderColor(), lineColours[i]);
        EXPECT_DOUBLE_EQ(form.HLine[i].x2(), 5265);
        EXPECT_DOUBLE_EQ(form.HLine[i].bounds().top, 15.0 * i);
    }
}

TEST_F(DialogFormTest, LabelsMeasureThemselvesInTheDialogFonts)
{
    // With Wine's own "MS Sans Serif" in the prefix: 67 x 13 pixels for
    // "Message Text" (1005 x 195 twips, the label's design size), and
    // 50 x 13 for the bold "Message" (750 twips, where the design shows 765:
    // the bold face here is one pixel narrower).
    EXPECT_DOUBLE_EQ(form.MsgText.bounds().width, 1005);
    EXPECT_DOUBLE_EQ(form.MsgText.bounds().height, 195);
    EXPECT_DOUBLE_EQ(form.TopCaption.bounds().width, 750);
    EXPECT_DOUBLE_EQ(form.TopCaption.bounds().height, 195);

    form.MsgText.setCaption(u"two\r\nlines");
    EXPECT_DOUBLE_EQ(form.MsgText.bounds().height, 390);
    form.MsgText.setCaption(u"");
    EXPECT_DOUBLE_EQ(form.MsgText.bounds().width, 0);
    EXPECT_DOUBLE_EQ(form.MsgText.bounds().height, 195);
}

TEST_F(DialogFormTest, CloseBoxesAndTimers)
{
    EXPECT_TRUE(form.ControlBoxUp.visible());
    EXPECT_EQ(form.ControlBoxUp.container(), &form.TopHeading);
    expectBounds(form.ControlBoxUp.bounds(), 4905, 60, 210, 210);
    EXPECT_FALSE(form.ControlBoxDn.visible());
    ASSERT_TRUE(form.ControlBoxUp.picture());
    ASSERT_TRUE(form.ControlBoxDn.picture());
    EXPECT_NE(form.ControlBoxUp.picture()->get(), form.ControlBoxDn.picture()->get());

    EXPECT_FALSE(form.Timer1.enabled());
    EXPECT_FALSE(form.Timer2.enabled());
    EXPECT_EQ(form.Timer1.interval(), 1000u);
    EXPECT_EQ(form.Timer2.interval(), 100u);
}

// The pixels of a 14 x 14 close-box picture, read back as 0x00RRGGBB.
std::vector<COLORREF> pixelsOf(HBITMAP bitmap)
{
    std::vector<COLORREF> out;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 14; ++x)
            out.push_back(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteDC(dc);
    return out;
}

TEST_F(DialogFormTest, CloseBoxPicturesAreRaisedAndSunkenButtons)
{
    const auto up = pixelsOf(form.ControlBoxUp.picture()->get());
    const auto down = pixelsOf(form.ControlBoxDn.picture()->get());
    ASSERT_EQ(up.size(), 196u);
    const auto at = [](const std::vector<COLORREF>& p, int x, int y) { return p[y * 14 + x]; };
    const COLORREF white = RGB(255, 255, 255), black = RGB(0, 0, 0), light = RGB(192, 192, 192),
                   grey = RGB(128, 128, 128), face = RGB(211, 211, 198);
    EXPECT_EQ(at(up, 0, 0), white);
    EXPECT_EQ(at(up, 13, 13), black);
    EXPECT_EQ(at(up, 1, 1), light);
    EXPECT_EQ(at(up, 12, 12), grey);
    EXPECT_EQ(at(up, 3, 3), face);
    EXPECT_EQ(at(down, 0, 0), grey);
    EXPECT_EQ(at(down, 13, 13), white);
    EXPECT_EQ(at(down, 1, 1), grey);
    EXPECT_EQ(at(down, 12, 12), light);
    // The cross: both diagonals of pixels 4 to 9, in both pictures.
    for (int i = 4; i <= 9; ++i) {
        EXPECT_EQ(at(up, i, i), black) << i;
        EXPECT_EQ(at(up, 13 - i, i), black) << i;
        EXPECT_EQ(at(down, i, i), black) << i;
    }
    EXPECT_EQ(at(up, 5, 4), face);
}

TEST(LibraryResources, TheChimeIsAShortStereoClip)
{
    HRSRC found = FindResourceW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDW_CHIME), L"WAVE");
    ASSERT_NE(found, nullptr);
    const auto* data = static_cast<const unsigned char*>(LockResource(LoadResource(nullptr, found)));
    const DWORD size = SizeofResource(nullptr, found);
    ASSERT_NE(data, nullptr);
    ASSERT_GE(size, 44u);
    EXPECT_EQ(std::memcmp(data, "RIFF", 4), 0);
    EXPECT_EQ(std::memcmp(data + 8, "WAVE", 4), 0);
    const auto u16 = [&](size_t at) { return static_cast<unsigned>(data[at] | (data[at + 1] << 8)); };
    const auto u32 = [&](size_t at) { return u16(at) | (u16(at + 2) << 16); };
    EXPECT_EQ(u16(20), 1u);     // PCM
    EXPECT_EQ(u16(22), 2u);     // channels
    EXPECT_EQ(u32(24), 22050u); // samples per second
    EXPECT_EQ(u16(34), 16u);    // bits per sample
    EXPECT_EQ(std::memcmp(data + 36, "data", 4), 0);
    EXPECT_EQ(u32(40), 80764u);
    EXPECT_EQ(size, 44u + 80764u);
}

} // namespace
} // namespace quillnote
