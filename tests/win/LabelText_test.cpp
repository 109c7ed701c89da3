// A long plain text drawn through a clip: only the lines in view are drawn,
// and the pixels in view are the same as when the whole text is drawn.

#include "MemoryPicture.h"
#include "forms/Font.h"
#include "forms/Gdi.h"
#include "forms/LabelText.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace quillnote::forms {
namespace {

// A white picture to draw text into, and what it shows in some rows.
class Page : public test::MemoryPicture {
public:
    Page(int width, int height) : MemoryPicture(width, height)
    {
        fill(RGB(255, 255, 255));
        SetBkMode(dc(), TRANSPARENT);
    }
    std::vector<DWORD> rows(int top, int bottom) const
    {
        flush();
        std::vector<DWORD> pixels;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < width(); ++x)
                pixels.push_back(pixel(x, y));
        return pixels;
    }
    int inkIn(int top, int bottom) const
    {
        int count = 0;
        for (const DWORD pixel : rows(top, bottom))
            count += pixel != 0xFFFFFF ? 1 : 0;
        return count;
    }
};

// Lines of different lengths and breaks of every kind, tabs and a break at
// the very end.
std::wstring longText(int lines)
{
    std::wstring text;
    const wchar_t* const breaks[] = {L"\r\n", L"\n", L"\r"};
    for (int i = 0; i < lines; ++i)
        text += L"Line\t" + std::to_wstring(i) + std::wstring(static_cast<std::size_t>(i % 7), L'W') + breaks[i % 3];
    return text;
}

TEST(LabelTextTest, ALongTextDrawnThroughAClipShowsTheSamePixelsAsDrawnWhole)
{
    Font font{FontSpec{}};
    const LabelText text(font.get(), longText(400));
    ASSERT_TRUE(text.plain());
    const SIZE size = text.size();
    const int height = static_cast<int>(size.cy);
    ASSERT_GT(size.cy, 400 * 10) << "every line is measured";
    const RECT rect = {5, 3, 5 + size.cx, 3 + size.cy};

    for (const UINT align : {UINT{DT_LEFT}, UINT{DT_CENTER}, UINT{DT_RIGHT}}) {
        Page whole(size.cx + 10, size.cy + 6);
        text.draw(whole.dc(), rect, align);
        // Views at the start, in the middle across line boundaries, and at
        // the end; each must match what drawing the whole text gave.
        for (const auto& [top, bottom] :
             {std::pair{0, 40}, std::pair{1007, 1290}, std::pair{height - 30, height + 6}}) {
            Page view(size.cx + 10, size.cy + 6);
            SaveDC(view.dc());
            IntersectClipRect(view.dc(), 0, top, size.cx + 10, bottom);
            text.draw(view.dc(), rect, align);
            RestoreDC(view.dc(), -1);
            EXPECT_GT(view.inkIn(top, bottom), 0) << "rows " << top << ".." << bottom;
            EXPECT_EQ(view.rows(top, bottom), whole.rows(top, bottom)) << "rows " << top << ".." << bottom;
        }
    }
}

TEST(LabelTextTest, AClipOutsideTheTextDrawsNothingAndAShortTextIsDrawnWhole)
{
    Font font{FontSpec{}};
    const LabelText text(font.get(), longText(50));
    const SIZE size = text.size();
    Page page(size.cx + 10, size.cy + 200);
    SaveDC(page.dc());
    IntersectClipRect(page.dc(), 0, size.cy + 100, size.cx, size.cy + 200);
    text.draw(page.dc(), RECT{0, 0, size.cx, size.cy}, DT_LEFT);
    RestoreDC(page.dc(), -1);
    EXPECT_EQ(page.inkIn(0, size.cy + 200), 0);

    const LabelText one(font.get(), L"Message Text\r\n");
    EXPECT_EQ(one.size().cy, 13) << "a break at the very end adds no line";
    Page small(100, 20);
    one.draw(small.dc(), RECT{0, 0, one.size().cx, one.size().cy}, DT_LEFT);
    EXPECT_GT(small.inkIn(0, 13), 0);
}

} // namespace
} // namespace quillnote::forms
