#include "ColourDigits.h"

#include <gtest/gtest.h>

namespace quillnote {
namespace {

TEST(DecimalToHex, WholeNumbers)
{
    EXPECT_EQ(decimalToHex(255.0), "FF");
    EXPECT_EQ(decimalToHex(0.0), "0");
    EXPECT_EQ(decimalToHex(4096.0), "1000");
    EXPECT_EQ(decimalToHex(16711680.0), "FF0000");
    EXPECT_EQ(decimalToHex(4294967295.0), "FFFFFFFF");
    EXPECT_EQ(decimalToHex(std::string("4096")), "1000");
    EXPECT_EQ(decimalToHex(std::string("no number")), "0");
}

TEST(ColorToDigits, DecimalAndHexTexts)
{
    std::string blue = "16711680"; // &HFF0000
    EXPECT_EQ(colorToDigits(blue), "000000255");
    EXPECT_EQ(blue, "FF0000"); // rewritten in the caller's variable

    std::string red = "&HFF";
    EXPECT_EQ(colorToDigits(red), "255000000");
    EXPECT_EQ(red, "&HFF");

    std::string zero = "0";
    EXPECT_EQ(colorToDigits(zero), "000000000");

    std::string mixed = "&h123456";
    EXPECT_EQ(colorToDigits(mixed), "086052018");
}

TEST(ColorToDigits, NegativeAndInvalidTexts)
{
    std::string negative = "-5";
    EXPECT_EQ(colorToDigits(negative), "255000000");
    std::string word = "red";
    EXPECT_EQ(colorToDigits(word), "");
    std::string empty;
    EXPECT_EQ(colorToDigits(empty), "000000000");
    std::string longHex = "&H1FF00FF00"; // only the last eight digits count
    EXPECT_EQ(colorToDigits(longHex), "000255000");
}

TEST(IsNumericText, Forms)
{
    EXPECT_TRUE(isNumericText("12"));
    EXPECT_TRUE(isNumericText(" -1.5e3 "));
    EXPECT_TRUE(isNumericText("1D2"));
    EXPECT_TRUE(isNumericText("&HFF"));
    EXPECT_TRUE(isNumericText("&o17"));
    EXPECT_FALSE(isNumericText(""));
    EXPECT_FALSE(isNumericText("HFF"));
    EXPECT_FALSE(isNumericText("1e"));
    EXPECT_FALSE(isNumericText("&O8"));
    EXPECT_FALSE(isNumericText("."));
}

} // namespace
} // namespace quillnote
