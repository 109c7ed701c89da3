#include "ImageResample.h"

#include <gtest/gtest.h>

namespace quillnote {
namespace {

using Pixels = std::vector<std::uint32_t>;

TEST(ImageResample, TheSameSizeGivesTheSamePixels)
{
    const Pixels source = {0x000000, 0xFFFFFF, 0x123456, 0xABCDEF, 0x808080, 0x010203};
    EXPECT_EQ(resampleByArea(source, 3, 2, 3, 2), source);
}

TEST(ImageResample, AWholeFactorRepeatsEachPixel)
{
    const Pixels source = {0x000000, 0xFFFFFF, 0xFF0000, 0x0000FF};
    const Pixels expected = {0x000000, 0x000000, 0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000, 0xFFFFFF, 0xFFFFFF,
                             0xFF0000, 0xFF0000, 0x0000FF, 0x0000FF, 0xFF0000, 0xFF0000, 0x0000FF, 0x0000FF};
    EXPECT_EQ(resampleByArea(source, 2, 2, 4, 4), expected);
}

TEST(ImageResample, OneAndAHalfTimesBlendsOnlyTheStraddledPixels)
{
    // Two columns, black and white, become three: black, the middle pixel
    // half of each, white.
    const Pixels source = {0x000000, 0xFFFFFF};
    const Pixels wider = resampleByArea(source, 2, 1, 3, 1);
    ASSERT_EQ(wider.size(), 3u);
    EXPECT_EQ(wider[0], 0x000000u);
    EXPECT_EQ(wider[1], 0x808080u); // 127.5 rounds up
    EXPECT_EQ(wider[2], 0xFFFFFFu);
}

TEST(ImageResample, ShrinkingAveragesTheCoveredPixels)
{
    const Pixels source = {0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
    EXPECT_EQ(resampleByArea(source, 2, 2, 1, 1), Pixels{0xBFBFBF}); // 191.25
}

TEST(ImageResample, AnEvenColourStaysEvenAtAnySize)
{
    const Pixels source(14 * 14, 0x00C0C0C0);
    for (int size : {14, 17, 18, 21, 28, 7, 1}) {
        SCOPED_TRACE(size);
        const Pixels result = resampleByArea(source, 14, 14, size, size);
        ASSERT_EQ(result.size(), static_cast<size_t>(size * size));
        for (std::uint32_t pixel : result)
            EXPECT_EQ(pixel, 0x00C0C0C0u);
    }
}

TEST(ImageResample, EachByteIsAveragedOnItsOwn)
{
    const Pixels source = {0xFF000000, 0x00FF0000};
    EXPECT_EQ(resampleByArea(source, 2, 1, 1, 1), Pixels{0x80800000});
}

TEST(ImageResample, SizesThatCannotBeGiveNothing)
{
    const Pixels source(4, 0);
    EXPECT_TRUE(resampleByArea(source, 2, 2, 0, 3).empty());
    EXPECT_TRUE(resampleByArea(source, 2, 2, 3, -1).empty());
    EXPECT_TRUE(resampleByArea(source, 0, 2, 3, 3).empty());
    EXPECT_TRUE(resampleByArea(source, 3, 2, 3, 3).empty()) << "source holds 4 pixels, not 6";
    EXPECT_TRUE(resampleByArea({}, 1, 1, 3, 3).empty());
}

} // namespace
} // namespace quillnote
