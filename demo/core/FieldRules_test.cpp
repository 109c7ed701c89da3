#include "FieldRules.h"

#include <gtest/gtest.h>

namespace quillnote::demo {
namespace {

TEST(FieldRules, UpperCaseKeyRaisesOnlyTheLettersAToZ)
{
    std::u16string typed;
    for (char16_t key : std::u16string_view(u"&h8000000f"))
        typed.push_back(upperCaseKey(key));
    EXPECT_EQ(typed, u"&H8000000F");
    EXPECT_EQ(upperCaseKey(u'a'), u'A');
    EXPECT_EQ(upperCaseKey(u'z'), u'Z');
    for (char16_t unchanged : {u'A', u'0', u'&', u' ', u'`', u'{', u'\u00e9', u'\r'})
        EXPECT_EQ(upperCaseKey(unchanged), unchanged) << static_cast<int>(unchanged);
}

TEST(FieldRules, OnlyATextStartingWithADigitAlignsRight)
{
    EXPECT_TRUE(alignsRightAtRest(u"255"));
    EXPECT_TRUE(alignsRightAtRest(u"9abc"));
    for (std::u16string_view text : {u"&H8000000F", u"-2147483633", u" 255", u"red", u""})
        EXPECT_FALSE(alignsRightAtRest(text));
}

TEST(FieldRules, DecimalTextHasASignButNoZerosOrSeparators)
{
    EXPECT_EQ(decimalText(0), u"0");
    EXPECT_EQ(decimalText(16711680), u"16711680");
    EXPECT_EQ(decimalText(-2147483633), u"-2147483633");
    EXPECT_EQ(decimalText(-2147483647 - 1), u"-2147483648");
}

} // namespace
} // namespace quillnote::demo
