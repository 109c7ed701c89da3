#include "CopiedText.h"

#include <gtest/gtest.h>

namespace quillnote {
namespace {

TEST(CopiedText, HasThePlatformLayout)
{
    EXPECT_EQ(copiedText(u"Editor", u"Save the changes?", {u"&Yes", u"&No", u"Cancel"}),
              u"---------------------------\r\n"
              u"Editor\r\n"
              u"---------------------------\r\n"
              u"Save the changes?\r\n"
              u"---------------------------\r\n"
              u"Yes   No   Cancel   \r\n"
              u"---------------------------\r\n");
}

TEST(CopiedText, WithoutButtonsTheButtonLineIsEmpty)
{
    EXPECT_EQ(copiedText(u"", u"", {}), u"---------------------------\r\n\r\n"
                                        u"---------------------------\r\n\r\n"
                                        u"---------------------------\r\n\r\n"
                                        u"---------------------------\r\n");
}

TEST(CopiedText, MessageAndHeadingAreCopiedExactly)
{
    // Line breaks, ampersands and characters beyond the first plane stay as
    // they are: only captions lose their access-key markers.
    const std::u16string message = u"A & B\r\nline two \U0001F600 \u05E9\u05DC\u05D5\u05DD";
    const std::u16string text = copiedText(u"Title && more", message, {u"&OK"});
    EXPECT_NE(text.find(u"Title && more\r\n"), std::u16string::npos);
    EXPECT_NE(text.find(message + u"\r\n"), std::u16string::npos);
    EXPECT_NE(text.find(u"\r\nOK   \r\n"), std::u16string::npos);
}

TEST(CopiedText, AccessMarkersAreRemovedAndDoubledOnesKeptOnce)
{
    EXPECT_EQ(withoutAccessMarkers(u"&Retry"), u"Retry");
    EXPECT_EQ(withoutAccessMarkers(u"Save && &Close"), u"Save & Close");
    EXPECT_EQ(withoutAccessMarkers(u"Trailing&"), u"Trailing");
    EXPECT_EQ(withoutAccessMarkers(u"&&&&"), u"&&");
    EXPECT_EQ(withoutAccessMarkers(u""), u"");
}

TEST(CopiedText, ACheckBoxHasALineOfItsOwnWithItsState)
{
    const std::u16string rule = u"---------------------------\r\n";
    EXPECT_EQ(copiedText(u"H", u"M", {u"OK"}, CopiedCheckBox{u"&Don't show this again", true}),
              rule + u"H\r\n" + rule + u"M\r\n[x] Don't show this again\r\n" + rule + u"OK   \r\n" + rule);
    EXPECT_EQ(copiedText(u"H", u"M", {}, CopiedCheckBox{u"Tom && Jerry", false}),
              rule + u"H\r\n" + rule + u"M\r\n[ ] Tom & Jerry\r\n" + rule + u"\r\n" + rule);
}

} // namespace
} // namespace quillnote
