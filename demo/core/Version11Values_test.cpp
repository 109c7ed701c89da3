// The values of the members of version 1.1 in the demonstration program:
// the Theme list and the TimeoutResult field's reading and text.

#include "Version11Values.h"

#include <gtest/gtest.h>

namespace quillnote::demo {
namespace {

TEST(Version11Values, ThemeListHoldsEachValueAtItsOwnPosition)
{
    for (int theme = 0; theme < ThemeChoiceCount; ++theme) {
        EXPECT_EQ(themeChoiceIndex(static_cast<std::int16_t>(theme)), theme);
        EXPECT_EQ(themeChoiceText(theme).substr(0, 1), std::u16string(1, static_cast<char16_t>(u'0' + theme)));
    }
    EXPECT_NE(themeChoiceText(1), themeChoiceText(2));
    // A value the component would not take shows as its default.
    EXPECT_EQ(themeChoiceIndex(-1), 0);
    EXPECT_EQ(themeChoiceIndex(3), 0);
    EXPECT_EQ(themeChoiceIndex(32767), 0);
}

TEST(Version11Values, TimeoutResultReadsAsAnIntegerAndRoundTrips)
{
    EXPECT_EQ(readTimeoutResult(u"32000"), std::optional<std::int16_t>(32000));
    EXPECT_EQ(readTimeoutResult(u"-32768"), std::optional<std::int16_t>(-32768));
    EXPECT_EQ(readTimeoutResult(u" 7 "), std::optional<std::int16_t>(7));
    EXPECT_EQ(readTimeoutResult(u"&HFFFF"), std::optional<std::int16_t>(-1));
    EXPECT_EQ(readTimeoutResult(u"2.5"), std::optional<std::int16_t>(2)) << "halves to the even neighbour";
    EXPECT_EQ(readTimeoutResult(u"none"), std::optional<std::int16_t>(0)) << "no number reads 0";
    EXPECT_EQ(readTimeoutResult(u""), std::optional<std::int16_t>(0));
    EXPECT_FALSE(readTimeoutResult(u"32768"));
    EXPECT_FALSE(readTimeoutResult(u"-32769"));
    EXPECT_FALSE(readTimeoutResult(u"1E300"));
    for (std::int16_t value : {std::int16_t(-32768), std::int16_t(-1), std::int16_t(0), std::int16_t(32767)})
        EXPECT_EQ(readTimeoutResult(timeoutResultText(value)), std::optional<std::int16_t>(value));
}

} // namespace
} // namespace quillnote::demo
