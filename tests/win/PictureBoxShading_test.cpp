// The body's shading drawn on a picture box, straight into its persistent
// picture (a bitmap that may be wider than the box), is the shading the
// painters draw in memory, pixel for pixel.

#include "MemoryPicture.h"
#include "core/FadePainter.h"
#include "core/RasterSurface.h"
#include "dialog/MessageBoxForm.h"
#include "forms/PictureBoxSurface.h"

#include <gtest/gtest.h>

namespace quillnote {
namespace {

TEST(PictureBoxShading, EveryFadeOnTheBodyIsTheFadeDrawnInMemory)
{
    SharedSettings settings;
    MessageBoxForm form{settings};
    ASSERT_TRUE(form.load());
    const SIZE size = form.Background.clientSize();
    ASSERT_GT(size.cx, 0);
    ASSERT_GT(size.cy, 0);
    const double twipsPerPixel = form.Background.bounds().width / size.cx;

    for (std::int16_t code = 5; code <= 16; ++code) {
        Colour boxColour = 0x00C08040, memoryColour = 0x00C08040;
        std::int16_t boxCode = code, memoryCode = code;
        {
            forms::PictureBoxSurface body(form.Background);
            ASSERT_TRUE(paintFade(body, boxColour, boxCode, forms::systemColours()));
        }
        RasterSurface memory(size.cx, size.cy, twipsPerPixel);
        ASSERT_TRUE(paintFade(memory, memoryColour, memoryCode, {}));

        test::MemoryPicture copy(size.cx, size.cy);
        BitBlt(copy.dc(), 0, 0, size.cx, size.cy, form.Background.hdc(), 0, 0, SRCCOPY);
        copy.flush();
        int differing = 0;
        for (int y = 0; y < size.cy; ++y) {
            for (int x = 0; x < size.cx; ++x) {
                const Rgb drawn = memory.rgbAt(x, y);
                const DWORD expected = static_cast<DWORD>((drawn.r << 16) | (drawn.g << 8) | drawn.b);
                differing += copy.pixel(x, y) != expected ? 1 : 0;
            }
        }
        EXPECT_EQ(differing, 0) << "code " << code << ", " << size.cx << " x " << size.cy;
    }
}

} // namespace
} // namespace quillnote
