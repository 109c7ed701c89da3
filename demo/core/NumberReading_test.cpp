#include "NumberReading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillnote::demo {
namespace {

struct Reading {
    std::u16string text;
    double value;
};

void expectReadings(const std::vector<Reading>& cases)
{
    for (const Reading& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        const std::optional<double> value = readNumber(c.text);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, c.value);
    }
}

TEST(NumberReading, DecimalNumbersWithSignPointAndExponent)
{
    expectReadings({{u"255", 255},
                    {u"-2147483633", -2147483633.0},
                    {u"+17", 17},
                    {u"2.5", 2.5},
                    {u".5", 0.5},
                    {u"-.25", -0.25},
                    {u"7.", 7},
                    {u"1.5.3", 1.5},
                    {u"1E3", 1000},
                    {u"1e3", 1000},
                    {u"1D3", 1000},
                    {u"25d-1", 2.5},
                    {u"1.5E+2", 150},
                    {u"-3e-1", -0.3},
                    // A letter without digits after it is not part of the number.
                    {u"12E", 12},
                    {u"12E+", 12},
                    {u"12Dx", 12},
                    // Too small to show reads as zero, not as an error.
                    {u"1e-400", 0}});
}

TEST(NumberReading, BlanksTabsAndLineFeedsAreIgnoredACarriageReturnEnds)
{
    expectReadings({{u"  42", 42},
                    {u"1 2 3", 123},
                    {u"\t- 5", -5},
                    {u"1\n2", 12},
                    {u"2 . 5 e 1", 25},
                    {u"& H F F", 255},
                    {u"&H 8000 000F", -2147483633.0},
                    {u"12\r\n34", 12},
                    {u"\r\n34", 0},
                    {u"&HF\r0", 15}});
}

TEST(NumberReading, OtherCharactersEndTheNumberAndNoNumberReadsZero)
{
    expectReadings({{u"1,000", 1},
                    {u"12abc", 12},
                    {u"100%", 100},
                    {u"3-4", 3},
                    {u"", 0},
                    {u"abc", 0},
                    {u"$5", 0},
                    {u"-", 0},
                    {u"--5", 0},
                    {u"+-5", 0},
                    {u".", 0},
                    {u"E5", 0},
                    {u"&", 0},
                    {u"&H", 0},
                    {u"&HG", 0},
                    {u"&17", 0},
                    {u"\u00a05", 0}});
}

TEST(NumberReading, HexadecimalAndOctalAs16BitThen32BitTwosComplement)
{
    expectReadings({{u"&HFF", 255},
                    {u"&hff", 255},
                    {u"&H7FFF", 32767},
                    {u"&H8000", -32768},
                    {u"&HFFFF", -1},
                    {u"&HFFFFxyz", -1},
                    {u"&H10000", 65536},
                    {u"&HFF0000", 16711680},
                    {u"&H7FFFFFFF", 2147483647},
                    {u"&H80000000", -2147483648.0},
                    {u"&H8000000F", -2147483633.0},
                    {u"&h8000000f", -2147483633.0},
                    {u"&HFFFFFFFF", -1},
                    {u"&H00000000FF", 255},
                    {u"&O17", 15},
                    {u"&o17", 15},
                    {u"&O178", 15},
                    {u"&O77777", 32767},
                    {u"&O100000", -32768},
                    {u"&O177777", -1},
                    {u"&O200000", 65536},
                    {u"&O37777777777", -1}});
}

TEST(NumberReading, NumbersTooLargeToReadHaveNoValue)
{
    for (const std::u16string text : {u"&H100000000", u"&H123456789", u"&O40000000000", u"1e400", u"-1D999"})
        EXPECT_FALSE(readNumber(text)) << std::string(text.begin(), text.end());
}

TEST(NumberReading, NearestIntegerWithHalvesToEvenAndOverflow)
{
    EXPECT_EQ(readInt32(u"2.5"), 2);
    EXPECT_EQ(readInt32(u"3.5"), 4);
    EXPECT_EQ(readInt32(u"-2.5"), -2);
    EXPECT_EQ(readInt32(u"2.51"), 3);
    EXPECT_EQ(readInt32(u"&H8000000F"), -2147483633);
    EXPECT_EQ(readInt32(u"2147483647"), 2147483647);
    EXPECT_EQ(readInt32(u"-2147483648"), -2147483647 - 1);
    EXPECT_EQ(readInt32(u"2147483646.5"), 2147483646);
    EXPECT_FALSE(readInt32(u"2147483648"));
    EXPECT_FALSE(readInt32(u"2147483647.5")); // rounds to the even 2147483648
    EXPECT_FALSE(readInt32(u"-2147483649"));
    EXPECT_FALSE(readInt32(u"99999999999"));
    EXPECT_FALSE(readInt32(u"&H123456789"));

    EXPECT_EQ(readInt16(u"2.5"), 2);
    EXPECT_EQ(readInt16(u"3.5"), 4);
    EXPECT_EQ(readInt16(u"ten"), 0);
    EXPECT_EQ(readInt16(u"-32768"), -32768);
    EXPECT_EQ(readInt16(u"&HFFFF"), -1);
    EXPECT_FALSE(readInt16(u"32768"));
    EXPECT_FALSE(readInt16(u"32767.5"));
    EXPECT_FALSE(readInt16(u"&H10000"));
}

} // namespace
} // namespace quillnote::demo
