// A message taller than the screen: the dialog fits the work area of its
// monitor, its buttons can be reached, and the text scrolls with the keys,
// the wheel and the body's scroll bar.

#include "DialogDriver.h"
#include "DialogTest.h"

#include <string>
#include <vector>

namespace quillnote::test {
namespace {

std::wstring manyLines(int count)
{
    std::wstring text;
    for (int i = 1; i < count; ++i)
        text += L"Line " + std::to_wstring(i) + L"\r\n";
    return text + L"The last line";
}

RECT primaryWorkArea()
{
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    return info.rcWork;
}

bool inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

SCROLLINFO scrollOf(HWND body)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(body, SB_VERT, &info);
    return info;
}

// The last position the text can scroll to.
int lastPosition(const SCROLLINFO& info) { return info.nMax - static_cast<int>(info.nPage) + 1; }

// The body's pixels in rows [top, bottom), from a few pixels inside its
// left edge to the same inside its right edge.
std::vector<COLORREF> band(HWND body, int top, int bottom)
{
    RECT client = {};
    GetClientRect(body, &client);
    std::vector<COLORREF> pixels;
    HDC dc = GetDC(body);
    for (int y = top; y < bottom; ++y)
        for (int x = 4; x < client.right - 4; ++x)
            pixels.push_back(GetPixel(dc, x, y));
    ReleaseDC(body, dc);
    return pixels;
}

// How many pixels of a band differ from the body's colour (its first pixel
// at the left edge, where no text stands).
int ink(HWND body, const std::vector<COLORREF>& pixels)
{
    HDC dc = GetDC(body);
    const COLORREF paper = GetPixel(dc, 1, 1);
    ReleaseDC(body, dc);
    int count = 0;
    for (const COLORREF c : pixels)
        count += c != paper ? 1 : 0;
    return count;
}

void pressAndWait(HWND target, UINT key)
{
    pressKey(target, key);
    pumpUntil([] { return false; }, 200);
}

using TallMessageTest = DialogTest;

TEST_F(TallMessageTest, FiveHundredLinesFitTheWorkAreaAndScroll)
{
    HWND dialog = showModeless(manyLines(500), 3);
    ASSERT_NE(dialog, nullptr);
    const DialogView view = viewOf(dialog);
    const RECT work = primaryWorkArea();
    EXPECT_TRUE(inside(view.rect, work)) << view.rect.top << ".." << view.rect.bottom;
    ASSERT_EQ(view.buttons.size(), 3u);
    for (const ButtonInfo& button : view.buttons)
        EXPECT_TRUE(inside(button.rect, view.rect)) << "a button outside the dialog";

    SCROLLINFO info = scrollOf(view.body);
    EXPECT_EQ(info.nPos, 0);
    ASSERT_GT(info.nMax + 1, static_cast<int>(info.nPage)) << "the text does not scroll";
    HWND focus = GetFocus();
    ASSERT_NE(focus, nullptr);

    pressAndWait(focus, VK_NEXT);
    const int afterPage = scrollOf(view.body).nPos;
    EXPECT_GT(afterPage, 0) << "Page Down";
    pressAndWait(focus, VK_DOWN);
    EXPECT_GT(scrollOf(view.body).nPos, afterPage) << "Down";
    pressAndWait(focus, VK_PRIOR);
    pressAndWait(focus, VK_UP);
    pressAndWait(focus, VK_PRIOR);
    EXPECT_EQ(scrollOf(view.body).nPos, 0) << "Page Up and Up";

    // The text area ends one gap (12 pixels) above the buttons: the text is
    // cut there, and its last visible line changes when the text scrolls.
    POINT buttonTop = {view.buttons[0].rect.left, view.buttons[0].rect.top};
    ScreenToClient(view.body, &buttonTop);
    const int areaBottom = buttonTop.y - 12;
    EXPECT_EQ(ink(view.body, band(view.body, areaBottom + 1, buttonTop.y - 1)), 0) << "text below its area";
    const std::vector<COLORREF> firstPage = band(view.body, areaBottom - 14, areaBottom);
    EXPECT_GT(ink(view.body, firstPage), 0) << "no text at the bottom of the area";

    pressKeyWithControl(focus, VK_END);
    EXPECT_EQ(scrollOf(view.body).nPos, lastPosition(info)) << "Ctrl+End";
    const std::vector<COLORREF> lastPage = band(view.body, areaBottom - 14, areaBottom);
    EXPECT_GT(ink(view.body, lastPage), 0) << "no last line";
    EXPECT_NE(lastPage, firstPage) << "the last line looks like the first page's";
    pressKeyWithControl(focus, VK_HOME);
    EXPECT_EQ(scrollOf(view.body).nPos, 0) << "Ctrl+Home";

    SendMessageW(focus, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    pumpUntil([] { return false; }, 200);
    const int afterWheel = scrollOf(view.body).nPos;
    EXPECT_GT(afterWheel, 0) << "wheel down";
    SendMessageW(focus, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    pumpUntil([] { return false; }, 200);
    EXPECT_EQ(scrollOf(view.body).nPos, 0) << "wheel up";

    SendMessageW(view.body, WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
    pumpUntil([] { return false; }, 200);
    EXPECT_GT(scrollOf(view.body).nPos, 0) << "the scroll bar";

    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_EQ(GetFocus(), focus) << "scrolling moved the focus";
    pressKey(focus, VK_ESCAPE);
    EXPECT_TRUE(pumpUntil([&] { return !IsWindow(dialog); }, 3000)) << "Esc";
    close(dialog);
}

TEST_F(TallMessageTest, AShortMessageHasNoScrollBar)
{
    HWND dialog = showModeless(L"Short", 0);
    ASSERT_NE(dialog, nullptr);
    const DialogView view = viewOf(dialog);
    EXPECT_EQ(GetWindowLongW(view.body, GWL_STYLE) & WS_VSCROLL, 0);
    close(dialog);
}

TEST_F(TallMessageTest, TheButtonsOfATallModalDialogCanBeClicked)
{
    RECT dialogRect = {};
    bool buttonsInside = false;
    DialogDriver driver([&](const DialogView& view) {
        dialogRect = view.rect;
        buttonsInside = !view.buttons.empty();
        for (const ButtonInfo& button : view.buttons)
            buttonsInside = buttonsInside && inside(button.rect, primaryWorkArea());
        if (const ButtonInfo* no = view.button(L"&No"))
            clickButton(*no);
    });
    EXPECT_EQ(msgBox(manyLines(500), 3), 7); // "&No"
    EXPECT_TRUE(buttonsInside);
    EXPECT_TRUE(inside(dialogRect, primaryWorkArea()));
}

} // namespace
} // namespace quillnote::test
