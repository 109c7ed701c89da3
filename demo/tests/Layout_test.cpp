// The controls stand where the layout puts them: their window rectangles in
// pixels, and a picture of the window taken from the screen, checked at
// pixels that only the right control at the right place paints.

#include "DemoFixture.h"
#include "Snapshot.h"

namespace quillnote::demo::test {
namespace {

using C = Control;

// The window's client area as the screen shows it, repainted first.
class Screenshot {
public:
    explicit Screenshot(HWND window) : snapshot_(repainted(window)) {}

    // As a COLORREF, for comparison with GetSysColor; CLR_INVALID outside.
    COLORREF at(int x, int y) const
    {
        if (!snapshot_.valid() || x < 0 || y < 0 || x >= snapshot_.width() || y >= snapshot_.height())
            return CLR_INVALID;
        const quillnote::test::Pixel p = snapshot_.at(x, y);
        return RGB(p.r, p.g, p.b);
    }

private:
    static HWND repainted(HWND window)
    {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return window;
    }

    quillnote::test::Snapshot snapshot_;
};

RECT designPixels(C control)
{
    const TwipsRect twips = clientRectOf(control);
    return RECT{twips.left / 15, twips.top / 15, twips.right() / 15, twips.bottom() / 15};
}

class LayoutOnScreen : public DemoFixture {
protected:
    void SetUp() override
    {
        DemoFixture::SetUp();
        focus(C::Modal); // the message at its designed height
    }
};

TEST_F(LayoutOnScreen, EveryControlStandsAtItsPlaceInPixels)
{
    for (const ControlRow& row : controlTable()) {
        SCOPED_TRACE(static_cast<int>(row.control));
        const RECT expected = designPixels(row.control);
        const RECT actual = clientRectPixels(row.control);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.right, expected.right);
        EXPECT_EQ(actual.bottom, expected.bottom);
        EXPECT_TRUE(visible(row.control));
    }
}

TEST_F(LayoutOnScreen, SwatchesArrowsValueBoxesFramesAndButtonsAppearThere)
{
    const Screenshot shot(mainWindow());
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    // Single borders are drawn in the window-frame colour (black on Windows,
    // a grey in Wine's default scheme).
    const COLORREF border = GetSysColor(COLOR_WINDOWFRAME);
    const COLORREF swatches[] = {GetSysColor(COLOR_ACTIVECAPTION), face, face, GetSysColor(COLOR_HIGHLIGHTTEXT),
                                 GetSysColor(COLOR_BTNTEXT)};
    for (int i = 0; i < ColourFieldCount; ++i) {
        SCOPED_TRACE(i);
        const RECT swatch = designPixels(colourFields()[i].swatch);
        const int y = (swatch.top + swatch.bottom) / 2;
        EXPECT_EQ(shot.at((swatch.left + swatch.right) / 2, y), swatches[i]);
        EXPECT_EQ(shot.at(swatch.left, y), border);
        EXPECT_EQ(shot.at(swatch.right - 1, y), border);
        // The arrow's black triangle in the middle of its button's face.
        const RECT arrow = designPixels(colourFields()[i].arrow);
        const int cx = (arrow.left + arrow.right) / 2;
        EXPECT_EQ(shot.at(cx, (arrow.top + arrow.bottom) / 2), RGB(0, 0, 0));
        EXPECT_EQ(shot.at(cx, arrow.top + 3), face);
        EXPECT_EQ(shot.at(cx, arrow.bottom - 4), face);
    }
    for (C valueBox : {C::HeadingType, C::TextAlignment, C::GradientDirection, C::SPosition}) {
        const RECT box = designPixels(valueBox);
        EXPECT_EQ(shot.at(box.left, (box.top + box.bottom) / 2), border) << static_cast<int>(valueBox);
        EXPECT_EQ(shot.at(box.left - 1, (box.top + box.bottom) / 2), face) << static_cast<int>(valueBox);
    }
    // Each frame's etched edge runs down its left side, on the window's face.
    for (C frame :
         {C::IconFrame, C::ButtonFrame, C::DefaultFrame, C::AppearanceFrame, C::PresentationFrame, C::BehaviorFrame}) {
        const RECT rect = designPixels(frame);
        const int y = (rect.top + rect.bottom) / 2;
        EXPECT_EQ(shot.at(rect.left, y), GetSysColor(COLOR_BTNSHADOW)) << static_cast<int>(frame);
        EXPECT_EQ(shot.at(rect.left + 1, y), GetSysColor(COLOR_BTNHIGHLIGHT)) << static_cast<int>(frame);
        EXPECT_EQ(shot.at(rect.left - 1, y), face) << static_cast<int>(frame);
    }
    // The default button's frame line, and none around Reset.
    const RECT show = designPixels(C::ShowButton);
    EXPECT_EQ(shot.at(show.left, (show.top + show.bottom) / 2), border);
    const RECT reset = designPixels(C::ResetButton);
    EXPECT_NE(shot.at(reset.left, (reset.top + reset.bottom) / 2), border);
}

TEST_F(LayoutOnScreen, FocusedSelectorAndExpandedMessage)
{
    // A selector's value box is highlighted while its up-down has the focus.
    const RECT box = designPixels(C::TextAlignment);
    focus(C::AlignUpDown);
    EXPECT_EQ(Screenshot(mainWindow()).at(box.left + 2, box.top + 2), GetSysColor(COLOR_HIGHLIGHT));
    pressKey(C::AlignUpDown, VK_TAB);
    EXPECT_EQ(Screenshot(mainWindow()).at(box.left + 2, box.top + 2), GetSysColor(COLOR_BTNFACE));

    // The grown message is painted above the frames' top edges.
    focus(C::Message);
    EXPECT_EQ(clientRectPixels(C::Message).bottom, (120 + 900) / 15);
    const RECT frame = designPixels(C::DefaultFrame);
    EXPECT_EQ(Screenshot(mainWindow()).at(frame.right - 20, frame.top + 2), GetSysColor(COLOR_WINDOW));
}

} // namespace
} // namespace quillnote::demo::test
