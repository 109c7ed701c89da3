// The canvases' bitmaps are kept when a canvas goes and serve the next
// canvas that fits: drawing through GDI and straight into the pixels must
// agree on a reused, wider bitmap, and the store must stay bounded and give
// everything back.

#include "GuiObjects.h"
#include "core/PixelRaster.h"
#include "forms/DibSections.h"
#include "forms/Gdi.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

namespace quillnote::forms {
namespace {

class DibSectionsTest : public testing::Test {
protected:
    void SetUp() override { releaseKeptDibSections(); }
    void TearDown() override { releaseKeptDibSections(); }
};

std::uint32_t* bitsOfCanvasThatWent(int width, int height)
{
    Canvas canvas;
    EXPECT_TRUE(canvas.create(nullptr, width, height));
    return canvas.bits();
}

TEST_F(DibSectionsTest, ACanvasReusesTheBitmapOfOneThatWentAndDrawsThroughItsRows)
{
    std::uint32_t* const kept = bitsOfCanvasThatWent(300, 100);
    Canvas canvas;
    ASSERT_TRUE(canvas.create(nullptr, 200, 80));
    ASSERT_EQ(canvas.bits(), kept);
    ASSERT_EQ(canvas.stride(), 300);
    EXPECT_EQ(canvas.width(), 200);
    EXPECT_EQ(canvas.height(), 80);

    // GDI and the pixels agree on where each pixel lies.
    RECT all = {0, 0, 200, 80};
    FillRect(canvas.dc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetPixelV(canvas.dc(), 150, 50, RGB(255, 0, 0));
    GdiFlush();
    EXPECT_EQ(canvas.bits()[static_cast<std::size_t>(50) * 300 + 150] & 0xFFFFFFu, 0xFF0000u);
    PixelRaster raster(canvas.bits(), canvas.width(), canvas.height(), PixelOrder::Rgb, canvas.stride());
    raster.fillRect(10, 60, 12, 62, Rgb{0, 0, 255});
    EXPECT_EQ(GetPixel(canvas.dc(), 11, 61), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(canvas.dc(), 13, 61), RGB(255, 255, 255));
}

TEST_F(DibSectionsTest, OnlyABitmapThatFitsAndIsNotFarLargerIsReused)
{
    std::uint32_t* const kept = bitsOfCanvasThatWent(100, 100);
    Canvas wider, smaller;
    ASSERT_TRUE(wider.create(nullptr, 120, 50));
    EXPECT_NE(wider.bits(), kept);
    ASSERT_TRUE(smaller.create(nullptr, 20, 20)); // a twenty-fifth of its area
    EXPECT_NE(smaller.bits(), kept);
    EXPECT_EQ(smaller.stride(), 20);
    Canvas fitting;
    ASSERT_TRUE(fitting.create(nullptr, 60, 60));
    EXPECT_EQ(fitting.bits(), kept);
}

TEST_F(DibSectionsTest, TheStoreStaysBoundedAndGivesItsBitmapsBack)
{
    // GDI makes some objects of its own at its first memory DC.
    bitsOfCanvasThatWent(10, 10);
    releaseKeptDibSections();
    const DWORD before = test::gdiObjectCount();
    for (int round = 0; round < 3; ++round) {
        std::vector<Canvas> canvases(20);
        for (std::size_t i = 0; i < canvases.size(); ++i)
            ASSERT_TRUE(canvases[i].create(nullptr, 40 + static_cast<int>(i) * 7, 30));
    }
    // A bitmap of a large screen's size is not kept at all.
    bitsOfCanvasThatWent(2000, 1200);
    const DWORD kept = test::gdiObjectCount() - before;
    EXPECT_GE(kept, 1u);
    EXPECT_LE(kept, 8u);
    releaseKeptDibSections();
    EXPECT_EQ(test::gdiObjectCount(), before);
}

} // namespace
} // namespace quillnote::forms
