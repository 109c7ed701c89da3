// A message taller or wider than the screen: the dialog fits the work area
// of its monitor, its buttons can be reached, and the text scrolls with the
// keys, the wheel and scroll bars that stand beside and under the text.

#include "DialogDriver.h"
#include "DialogTest.h"
#include "dialog/DialogControlIds.h"

#include <algorithm>
#include <iterator>
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

// The body's shown scroll bar of one direction, found by its control ID;
// null when it is not there or hidden.
HWND scrollBarOf(HWND body, bool vertical)
{
    HWND bar = GetDlgItem(body, vertical ? dialog_ids::DownScrollBar : dialog_ids::AcrossScrollBar);
    if (!bar || !IsWindowVisible(bar))
        return nullptr;
    EXPECT_EQ(className(bar), L"ScrollBar");
    EXPECT_EQ((GetWindowLongW(bar, GWL_STYLE) & SBS_VERT) != 0, vertical) << "a bar of the other direction";
    return bar;
}

SCROLLINFO scrollOf(HWND bar)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(bar, SB_CTL, &info);
    return info;
}

// The last position the text can scroll to.
int lastPosition(const SCROLLINFO& info) { return info.nMax - static_cast<int>(info.nPage) + 1; }

// The body's pixels in rows [top, bottom) and columns [left, right); by
// default from a few pixels inside its left edge to a few pixels inside the
// dialog's frame, which covers the body's last 3 pixels at the right.
std::vector<COLORREF> band(HWND body, int top, int bottom, int left = 4, int right = -8)
{
    RECT client = {};
    GetClientRect(body, &client);
    if (right < 0)
        right += client.right;
    std::vector<COLORREF> pixels;
    HDC dc = GetDC(body);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
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

// A key posted to the dialog and handled.
void pressAndHandle(HWND target, UINT key)
{
    pressKey(target, key);
    dispatchQueued();
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

    HWND bar = scrollBarOf(view.body, true);
    ASSERT_NE(bar, nullptr) << "no vertical scroll bar";
    EXPECT_EQ(scrollBarOf(view.body, false), nullptr) << "a horizontal bar for lines that fit";
    SCROLLINFO info = scrollOf(bar);
    EXPECT_EQ(info.nPos, 0);
    ASSERT_GT(info.nMax + 1, static_cast<int>(info.nPage)) << "the text does not scroll";
    HWND focus = GetFocus();
    ASSERT_NE(focus, nullptr);

    pressAndHandle(focus, VK_NEXT);
    const int afterPage = scrollOf(bar).nPos;
    EXPECT_GT(afterPage, 0) << "Page Down";
    pressAndHandle(focus, VK_DOWN);
    EXPECT_GT(scrollOf(bar).nPos, afterPage) << "Down";
    pressAndHandle(focus, VK_PRIOR);
    pressAndHandle(focus, VK_UP);
    pressAndHandle(focus, VK_PRIOR);
    EXPECT_EQ(scrollOf(bar).nPos, 0) << "Page Up and Up";

    // The text area ends one gap (12 pixels) above the buttons: the text is
    // cut there, and its last visible line changes when the text scrolls.
    POINT buttonTop = {view.buttons[0].rect.left, view.buttons[0].rect.top};
    ScreenToClient(view.body, &buttonTop);
    const int areaBottom = buttonTop.y - 12;
    EXPECT_EQ(ink(view.body, band(view.body, areaBottom + 1, buttonTop.y - 1)), 0) << "text below its area";
    const std::vector<COLORREF> firstPage = band(view.body, areaBottom - 14, areaBottom);
    EXPECT_GT(ink(view.body, firstPage), 0) << "no text at the bottom of the area";

    pressKeyWithControl(focus, VK_END);
    EXPECT_EQ(scrollOf(bar).nPos, lastPosition(info)) << "Ctrl+End";
    const std::vector<COLORREF> lastPage = band(view.body, areaBottom - 14, areaBottom);
    EXPECT_GT(ink(view.body, lastPage), 0) << "no last line";
    EXPECT_NE(lastPage, firstPage) << "the last line looks like the first page's";
    pressKeyWithControl(focus, VK_HOME);
    EXPECT_EQ(scrollOf(bar).nPos, 0) << "Ctrl+Home";

    SendMessageW(focus, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    const int afterWheel = scrollOf(bar).nPos;
    EXPECT_GT(afterWheel, 0) << "wheel down";
    SendMessageW(focus, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(scrollOf(bar).nPos, 0) << "wheel up";

    SendMessageW(view.body, WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), reinterpret_cast<LPARAM>(bar));
    const int afterBarPage = scrollOf(bar).nPos;
    EXPECT_GT(afterBarPage, 0) << "the scroll bar";

    // The bar stands beside the text area only, at the dialog's right edge;
    // a click on its lower arrow scrolls and leaves the focus where it was.
    const RECT barRect = rectIn(bar, GetParent(bar));
    RECT dialogClient = {};
    GetClientRect(dialog, &dialogClient);
    MapWindowPoints(dialog, view.body, reinterpret_cast<POINT*>(&dialogClient), 2);
    EXPECT_EQ(barRect.right, dialogClient.right) << "the bar is not at the dialog's visible right edge";
    EXPECT_LE(barRect.bottom, areaBottom + 1) << "the bar reaches down beside the buttons";
    EXPECT_GT(barRect.bottom - barRect.top, 100);
    clickAt(bar, (barRect.right - barRect.left) / 2, barRect.bottom - barRect.top - 3);
    dispatchQueued();
    EXPECT_GT(scrollOf(bar).nPos, afterBarPage) << "a click on the lower arrow";

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
    EXPECT_EQ(GetWindowLongW(view.body, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL), 0);
    EXPECT_EQ(scrollBarOf(view.body, true), nullptr);
    EXPECT_EQ(scrollBarOf(view.body, false), nullptr);
    close(dialog);
}

// One line far wider than the screen, ending in a mark, and a short second
// line.
std::wstring wideMessage()
{
    std::wstring line;
    for (int i = 0; i < 60; ++i)
        line += L"Column " + std::to_wstring(i) + L" of a very long line; ";
    return line + L"END|||\r\nA second line";
}

TEST_F(TallMessageTest, ALineWiderThanTheScreenScrollsAcross)
{
    HWND dialog = showModeless(wideMessage(), 0);
    ASSERT_NE(dialog, nullptr);
    const DialogView view = viewOf(dialog);
    const RECT work = primaryWorkArea();
    EXPECT_LE(view.rect.right - view.rect.left, work.right - work.left) << "the dialog is wider than the screen";
    EXPECT_EQ(scrollBarOf(view.body, true), nullptr) << "a vertical bar for two lines";
    HWND bar = scrollBarOf(view.body, false);
    ASSERT_NE(bar, nullptr) << "no horizontal scroll bar";
    ASSERT_EQ(view.buttons.size(), 1u);
    POINT buttonTop = {view.buttons[0].rect.left, view.buttons[0].rect.top};
    ScreenToClient(view.body, &buttonTop);
    const RECT barRect = rectIn(bar, GetParent(bar));
    EXPECT_LE(barRect.bottom, buttonTop.y) << "the bar overlaps the button";
    SCROLLINFO info = scrollOf(bar);
    EXPECT_EQ(info.nPos, 0);
    ASSERT_GT(info.nMax + 1, static_cast<int>(info.nPage)) << "the line does not scroll";

    // The text area ends at the bar's right end: right of it, no ink.
    const int textTop = barRect.top - 26, textBottom = barRect.top;
    EXPECT_EQ(ink(view.body, band(view.body, textTop, textBottom, barRect.right + 1)), 0) << "text beyond its area";
    const std::vector<COLORREF> start = band(view.body, textTop, textBottom, barRect.left, barRect.right);
    EXPECT_GT(ink(view.body, start), 0);

    HWND focus = GetFocus();
    ASSERT_NE(focus, nullptr);
    pressAndHandle(focus, VK_RIGHT);
    const int afterRight = scrollOf(bar).nPos;
    EXPECT_GT(afterRight, 0) << "Right";
    pressAndHandle(focus, VK_LEFT);
    EXPECT_EQ(scrollOf(bar).nPos, 0) << "Left";
    pressAndHandle(focus, VK_END);
    EXPECT_EQ(scrollOf(bar).nPos, lastPosition(info)) << "End";
    const std::vector<COLORREF> end = band(view.body, textTop, textBottom, barRect.left, barRect.right);
    EXPECT_GT(ink(view.body, end), 0) << "nothing shown at the end of the line";
    EXPECT_NE(end, start) << "the end of the line looks like its start";
    pressAndHandle(focus, VK_HOME);
    EXPECT_EQ(scrollOf(bar).nPos, 0) << "Home";

    // Shift with the wheel, and the horizontal wheel, scroll across.
    SendMessageW(focus, WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, static_cast<WORD>(-WHEEL_DELTA)), 0);
    const int afterWheel = scrollOf(bar).nPos;
    EXPECT_GT(afterWheel, 0) << "Shift and the wheel";
    SendMessageW(focus, WM_MOUSEHWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_GT(scrollOf(bar).nPos, afterWheel) << "the horizontal wheel";
    SendMessageW(view.body, WM_HSCROLL, MAKEWPARAM(SB_LEFT, 0), reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(scrollOf(bar).nPos, 0) << "the bar's request";

    EXPECT_EQ(GetFocus(), focus) << "scrolling moved the focus";
    close(dialog);
}

TEST_F(TallMessageTest, AMessageTooTallAndTooWideScrollsBothWays)
{
    std::wstring text;
    for (int i = 0; i < 300; ++i)
        text += L"Line " + std::to_wstring(i) + L"\r\n";
    HWND dialog = showModeless(text + wideMessage(), 1);
    ASSERT_NE(dialog, nullptr);
    const DialogView view = viewOf(dialog);
    EXPECT_TRUE(inside(view.rect, primaryWorkArea()));
    HWND down = scrollBarOf(view.body, true);
    HWND across = scrollBarOf(view.body, false);
    ASSERT_NE(down, nullptr);
    ASSERT_NE(across, nullptr);
    const RECT downRect = rectIn(down, GetParent(down)), acrossRect = rectIn(across, GetParent(across));
    EXPECT_LE(acrossRect.right, downRect.left) << "the bars overlap";
    EXPECT_GE(acrossRect.top, downRect.bottom - 1) << "the horizontal bar is not under the text area";

    HWND focus = GetFocus();
    ASSERT_NE(focus, nullptr);
    pressKeyWithControl(focus, VK_END);
    pressAndHandle(focus, VK_END);
    EXPECT_EQ(scrollOf(down).nPos, lastPosition(scrollOf(down))) << "Ctrl+End";
    EXPECT_EQ(scrollOf(across).nPos, lastPosition(scrollOf(across))) << "End";
    pressKeyWithControl(focus, VK_HOME);
    pressAndHandle(focus, VK_HOME);
    EXPECT_EQ(scrollOf(down).nPos, 0);
    EXPECT_EQ(scrollOf(across).nPos, 0);
    close(dialog);
}

TEST_F(TallMessageTest, TheBodyAnswersTheWholeMessageAsItsWindowText)
{
    const std::wstring message = manyLines(10000);
    HWND dialog = showModeless(message, 0);
    ASSERT_NE(dialog, nullptr);
    const DialogView view = viewOf(dialog);
    EXPECT_EQ(GetWindowTextLengthW(view.body), static_cast<int>(message.size()));
    EXPECT_EQ(view.message, message);

    // A short buffer gets the start of the text, terminated.
    wchar_t start[8];
    std::fill(std::begin(start), std::end(start), L'#');
    EXPECT_EQ(SendMessageW(view.body, WM_GETTEXT, 8, reinterpret_cast<LPARAM>(start)), 7);
    EXPECT_EQ(std::wstring(start), L"Line 1\r");
    EXPECT_EQ(SendMessageW(view.body, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(start)), 0);
    EXPECT_EQ(SendMessageW(view.body, WM_GETTEXT, 8, 0), 0) << "no buffer";

    // Text written from outside is what it answers from then on.
    SetWindowTextW(view.body, L"Replaced");
    EXPECT_EQ(windowText(view.body), L"Replaced");
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
