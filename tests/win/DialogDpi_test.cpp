// The dialog at the screen's resolution, whatever it is: the program runs at
// 96 DPI in the suite and again at 120, 144 and 192 DPI (the resolution is
// read when a process starts, so each of those runs is a process of its own
// with the prefix's LogPixels set for it). Every expectation is worked out
// from the resolution the program finds, so the same checks hold at all of
// them: no text cut off, the close box and the icon at their scaled sizes,
// the heading's bands across the whole strip; and the dialog's windows aware
// of their monitor's resolution, following a change of it.

#include "DialogTest.h"
#include "Snapshot.h"
#include "core/DialogGeometry.h"
#include "core/DpiScaling.h"
#include "core/LinearGradient.h"
#include "core/Rounding.h"
#include "forms/Gdi.h"
#include "win/AccessibleIid.h"
#include "win/ProcAddress.h"

#include <oleacc.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace quillnote::test {
namespace {

// --- Reading pixels ----------------------------------------------------------

int brightness(const Pixel& p) { return p.r + p.g + p.b; }

bool isEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

::testing::AssertionResult inside(const RECT& inner, const RECT& outer)
{
    if (!isEmpty(inner) && inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
        inner.bottom <= outer.bottom)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << inner.left << ", " << inner.top << ")-(" << inner.right << ", "
                                         << inner.bottom << ") is not inside (" << outer.left << ", " << outer.top
                                         << ")-(" << outer.right << ", " << outer.bottom << ")";
}

// --- The resolution ---------------------------------------------------------

int screenDpi()
{
    forms::WindowDc screen(nullptr);
    return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

double twipsPerPixel() { return twipsPerPixelAt(screenDpi()); }
int pixels(double twips) { return whole(twips / twipsPerPixel()); }

HMODULE user32() { return GetModuleHandleW(L"user32.dll"); }

// The message label's place, as the dialog tells accessibility tools, in
// the body's client pixels.
RECT messageLabelIn(HWND dialog, HWND body)
{
    win::ComPtr<IAccessible> object;
    RECT r = {};
    if (FAILED(AccessibleObjectFromWindow(dialog, OBJID_CLIENT, win::AccessibleIid, object.putVoid())) || !object)
        return r;
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = 1; // the message
    LONG left = 0, top = 0, width = 0, height = 0;
    if (object->accLocation(&left, &top, &width, &height, child) != S_OK)
        return r;
    POINT corner{left, top};
    ScreenToClient(body, &corner);
    return RECT{corner.x, corner.y, corner.x + width, corner.y + height};
}

bool isBlack(const Pixel& p) { return brightness(p) < 3 * 64; }

// --- The checks, shared by the runs at every resolution ---------------------

constexpr const wchar_t* Message = L"Save the changes to \"Quarterly report.txt\"\r\nbefore closing?";
constexpr short YesNoCancelQuestion = 3 + 32;
constexpr OLE_COLOR Navy = 0x800000;

// A button's caption lies inside its face: a caption too large for the face
// would be cut at its edges and reach the border of the area searched. The
// raised edge (2 pixels) is dark too, and so are the focused button's frame
// and dotted focus rectangle: for it, only the part inside the focus
// rectangle is searched, and the caption's last row may touch its line.
void expectCaptionInsideFace(HWND button, int dpi)
{
    const Snapshot face(button);
    ASSERT_TRUE(face.valid());
    const bool focused = GetFocus() == button;
    const int inset = focused ? 2 + scaledPixels(4, dpi) : 2;
    const RECT area = {inset, inset, face.width() - inset, face.height() - inset};
    const RECT ink = face.inkBounds(area, isBlack);
    const int below = focused ? 0 : 1;
    EXPECT_TRUE(inside(ink, RECT{inset + 1, inset + 1, face.width() - inset - 1, face.height() - inset - below}))
        << "caption in the face";
}

// Neither the message nor a button caption is cut off: the message's ink
// lies inside its label, the label inside the body and clear of the buttons
// and the icon; each caption's ink lies inside its button's face.
void expectNoTextCutOff(HWND dialog, int dpi)
{
    const DialogView view = viewOf(dialog);
    ASSERT_EQ(view.buttons.size(), 3u);
    const Snapshot body(view.body);
    ASSERT_TRUE(body.valid());
    const RECT label = messageLabelIn(dialog, view.body);
    ASSERT_FALSE(isEmpty(label));
    RECT bodyArea = {0, 0, body.width(), body.height()};
    EXPECT_TRUE(inside(label, bodyArea)) << "label in the body";
    const double tpp = twipsPerPixelAt(dpi);
    const int iconRight = whole(IconPlace::Left / tpp) + scaledPixels(32, dpi);
    EXPECT_GE(label.left, iconRight) << "label right of the icon";
    LONG buttonsTop = body.height();
    for (const ButtonInfo& button : view.buttons) {
        const RECT place = rectIn(button.hwnd, view.body);
        buttonsTop = std::min(buttonsTop, place.top);
    }
    EXPECT_LE(label.bottom, buttonsTop) << "label above the buttons";
    // Every dark pixel right of the icon and above the buttons is the message.
    const RECT textArea = {iconRight, 0, body.width(), buttonsTop};
    const RECT ink = body.inkBounds(textArea, isBlack);
    EXPECT_TRUE(inside(ink, label)) << "message ink in its label";
    // Two lines: the ink is at least as tall as one line and a half.
    TEXTMETRICW metrics = {};
    {
        forms::WindowDc screen(nullptr);
        forms::UniqueFont font(CreateFontW(-MulDiv(33, dpi, 288), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0,
                                           0, L"MS Sans Serif"));
        forms::SelectGuard select(screen.get(), font.get());
        GetTextMetricsW(screen.get(), &metrics);
    }
    EXPECT_GE(ink.bottom - ink.top, metrics.tmHeight * 3 / 2);

    for (const ButtonInfo& button : view.buttons) {
        SCOPED_TRACE(button.caption);
        expectCaptionInsideFace(button.hwnd, dpi);
    }
}

// The heading's caption (white on a plain navy strip) lies inside the strip,
// left of the close box.
void expectHeadingCaptionInside(HWND dialog, int closeBoxLeft)
{
    const DialogView view = viewOf(dialog);
    const Snapshot strip(view.headingStrip);
    ASSERT_TRUE(strip.valid());
    const RECT left = {0, 0, closeBoxLeft, strip.height()};
    const RECT ink = strip.inkBounds(left, [](const Pixel& p) { return brightness(p) > 3 * 192; });
    EXPECT_TRUE(inside(ink, RECT{1, 1, closeBoxLeft - 1, strip.height() - 1})) << "caption ink in the strip";
}

// The close box is the one square of other pixels at the strip's right, of
// its scaled size at the place its twips give.
void expectCloseBoxAtScaledSize(HWND dialog, int& closeBoxLeft)
{
    const DialogView view = viewOf(dialog);
    const Snapshot strip(view.headingStrip);
    ASSERT_TRUE(strip.valid());
    const Pixel navy{0, 0, 128};
    const int from = strip.width() - pixels(360) - 4;
    const RECT right = {from, 0, strip.width(), strip.height()};
    const RECT box = strip.inkBounds(right, [&](const Pixel& p) { return p != navy; });
    const int size = scaledPixels(14, screenDpi());
    EXPECT_EQ(box.right - box.left, size);
    EXPECT_EQ(box.bottom - box.top, size);
    const int width = view.rect.right - view.rect.left;
    EXPECT_NEAR(box.left, pixels(width * twipsPerPixel() - 360), 1);
    EXPECT_EQ(box.top, pixels(60));
    // Raised: its top left edge is white, as at 96 DPI.
    EXPECT_EQ(strip.at(box.left + 1, box.top), (Pixel{255, 255, 255}));
    closeBoxLeft = box.left;
}

// The system's icon at the system's large-icon size, drawn by the test on
// the body's colour: the dialog's icon covers the same pixels.
void expectIconAtSystemSize(HWND dialog, int dpi, int tolerance = 0)
{
    const DialogView view = viewOf(dialog);
    const Snapshot body(view.body);
    ASSERT_TRUE(body.valid());
    const Pixel face{GetRValue(GetSysColor(COLOR_BTNFACE)), GetGValue(GetSysColor(COLOR_BTNFACE)),
                     GetBValue(GetSysColor(COLOR_BTNFACE))};
    const int size = scaledPixels(32, dpi);
    const double tpp = twipsPerPixelAt(dpi);
    const int left = whole(IconPlace::Left / tpp), top = whole(IconPlace::Top / tpp);
    const RECT area = {0, 0, left + size + 4, top + size + 4};
    const RECT shown = body.inkBounds(area, [&](const Pixel& p) { return p != face; });

    // The reference: the same icon at that size on the same colour.
    forms::WindowDc screen(nullptr);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    forms::UniqueBitmap bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_TRUE(bitmap && bits);
    forms::UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    RECT referenceRect = {};
    {
        forms::SelectGuard select(memory.get(), bitmap.get());
        forms::UniqueBrush brush(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
        RECT all = {0, 0, size, size};
        FillRect(memory.get(), &all, brush.get());
        auto icon = static_cast<HICON>(LoadImageW(nullptr, MAKEINTRESOURCEW(32514), IMAGE_ICON, size, size, LR_SHARED));
        ASSERT_NE(icon, nullptr);
        DrawIconEx(memory.get(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
        GdiFlush();
        const auto* words = static_cast<const std::uint32_t*>(bits);
        referenceRect = RECT{size, size, 0, 0};
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const std::uint32_t v = words[y * size + x];
                const Pixel p{static_cast<int>((v >> 16) & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                              static_cast<int>(v & 0xFF)};
                if (p == face)
                    continue;
                referenceRect.left = std::min<LONG>(referenceRect.left, x);
                referenceRect.top = std::min<LONG>(referenceRect.top, y);
                referenceRect.right = std::max<LONG>(referenceRect.right, x + 1);
                referenceRect.bottom = std::max<LONG>(referenceRect.bottom, y + 1);
            }
    }
    ASSERT_FALSE(isEmpty(referenceRect));
    EXPECT_NEAR(shown.left, left + referenceRect.left, tolerance);
    EXPECT_NEAR(shown.top, top + referenceRect.top, tolerance);
    EXPECT_NEAR(shown.right - shown.left, referenceRect.right - referenceRect.left, tolerance);
    EXPECT_NEAR(shown.bottom - shown.top, referenceRect.bottom - referenceRect.top, tolerance);
}

class DialogDpiTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        RecordProperty("dpi", screenDpi());
    }
};

TEST_F(DialogDpiTest, TheResolutionIsOneTheDialogKnows)
{
    const int dpi = screenDpi();
    EXPECT_TRUE(dpi == 96 || dpi == 120 || dpi == 144 || dpi == 192) << dpi;
    EXPECT_EQ(GetSystemMetrics(SM_CXICON), scaledPixels(32, dpi));
}

TEST_F(DialogDpiTest, NoTextIsCutOff)
{
    SCOPED_TRACE(testing::Message() << screenDpi() << " DPI");
    box_->put_BackColorHeading(Navy);
    box_->put_SolidColorHeading(VARIANT_TRUE);
    HWND dialog = showModeless(Message, YesNoCancelQuestion);
    ASSERT_NE(dialog, nullptr);
    expectNoTextCutOff(dialog, screenDpi());
    int closeBoxLeft = 0;
    expectCloseBoxAtScaledSize(dialog, closeBoxLeft);
    expectHeadingCaptionInside(dialog, closeBoxLeft);
    close(dialog);
}

TEST_F(DialogDpiTest, IconIsTheSystemsLargeIcon)
{
    SCOPED_TRACE(testing::Message() << screenDpi() << " DPI");
    HWND dialog = showModeless(Message, YesNoCancelQuestion);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetSystemMetrics(SM_CXICON), scaledPixels(32, screenDpi()));
    expectIconAtSystemSize(dialog, screenDpi());
    close(dialog);
}

TEST_F(DialogDpiTest, HeadingBandsReachTheRightEdge)
{
    // Headings of several widths, so that the 85 steps fall short of the
    // edge in some of them.
    box_->put_BackColorHeading(Navy);
    const wchar_t* messages[] = {L"Short", L"A somewhat longer message", L"A message long enough to widen the dialog"};
    for (const wchar_t* message : messages) {
        SCOPED_TRACE(message);
        HWND dialog = showModeless(message, 0);
        ASSERT_NE(dialog, nullptr);
        const DialogView view = viewOf(dialog);
        const Snapshot strip(view.headingStrip);
        ASSERT_TRUE(strip.valid());
        const int y = strip.height() - 2; // below the close box
        const Pixel start = strip.at(1, y);
        EXPECT_EQ(start, (Pixel{0, 0, 128}));
        // Where the bands end: the steps' end at 96 DPI, which keeps its
        // long-standing places (the last columns may keep the strip's plain
        // colour); the strip's edge at any other resolution.
        const double tpp = twipsPerPixel();
        RECT whole = {};
        GetClientRect(view.headingStrip, &whole);
        const GradientPlan plan =
            linearGradientBands(whole.right * tpp, whole.bottom * tpp, 0x800000, Direction::LeftToRight, true, true);
        ASSERT_FALSE(plan.bands.empty());
        const int stepsEnd = std::min(strip.width(), pixels(plan.bands.back().x2));
        const int end = screenDpi() == DesignDpi ? stepsEnd : strip.width();
        for (int x = strip.width() / 2; x < end; ++x)
            EXPECT_GE(brightness(strip.at(x, y)), brightness(strip.at(x - 1, y))) << "column " << x;
        EXPECT_GT(brightness(strip.at(end - 1, y)), brightness(start) + 30);
        for (int x = end; x < strip.width(); ++x)
            EXPECT_EQ(strip.at(x, y), start) << "column " << x << " beyond the steps at 96 DPI";
        close(dialog);
    }
}

// --- Awareness --------------------------------------------------------------

using SetThreadContext = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
using GetThreadContext = DPI_AWARENESS_CONTEXT(WINAPI*)();
using WindowContext = DPI_AWARENESS_CONTEXT(WINAPI*)(HWND);
using AwarenessOf = DPI_AWARENESS(WINAPI*)(DPI_AWARENESS_CONTEXT);
using DpiForWindow = UINT(WINAPI*)(HWND);

TEST_F(DialogDpiTest, WindowsArePerMonitorAwareForAnUnawareCaller)
{
    const auto setContext = win::procAddress<SetThreadContext>(user32(), "SetThreadDpiAwarenessContext");
    const auto threadContext = win::procAddress<GetThreadContext>(user32(), "GetThreadDpiAwarenessContext");
    const auto windowContext = win::procAddress<WindowContext>(user32(), "GetWindowDpiAwarenessContext");
    const auto awarenessOf = win::procAddress<AwarenessOf>(user32(), "GetAwarenessFromDpiAwarenessContext");
    const auto dpiForWindow = win::procAddress<DpiForWindow>(user32(), "GetDpiForWindow");
    if (!setContext || !threadContext || !windowContext || !awarenessOf || !dpiForWindow)
        GTEST_SKIP() << "this system has no per-thread awareness";
    const int dpi = screenDpi();

    const DPI_AWARENESS_CONTEXT before = setContext(DPI_AWARENESS_CONTEXT_UNAWARE);
    ASSERT_NE(before, nullptr);
    ASSERT_EQ(awarenessOf(threadContext()), DPI_AWARENESS_UNAWARE);
    box_->put_Modal(VARIANT_FALSE);
    box_->put_BackColorHeading(Navy);
    box_->put_SolidColorHeading(VARIANT_TRUE);
    msgBox(Message, YesNoCancelQuestion);
    // The caller's thread has its own awareness back.
    EXPECT_EQ(awarenessOf(threadContext()), DPI_AWARENESS_UNAWARE);
    setContext(before);

    HWND dialog = findDialog(GetCurrentThreadId());
    ASSERT_NE(dialog, nullptr);
    flushEvents(300);
    EXPECT_EQ(awarenessOf(windowContext(dialog)), DPI_AWARENESS_PER_MONITOR_AWARE);
    const DialogView view = viewOf(dialog);
    EXPECT_EQ(awarenessOf(windowContext(view.body)), DPI_AWARENESS_PER_MONITOR_AWARE);
    EXPECT_EQ(static_cast<int>(dpiForWindow(dialog)), dpi);
    // Laid out at the real resolution, not the 96 DPI an unaware caller
    // is shown.
    int closeBoxLeft = 0;
    expectCloseBoxAtScaledSize(dialog, closeBoxLeft);
    expectNoTextCutOff(dialog, dpi);
    close(dialog);
}

// A move to a monitor of another resolution arrives as WM_DPICHANGED with
// the rectangle the system suggests; Wine never sends it (one resolution for
// every monitor), so the test sends what the system would.
TEST_F(DialogDpiTest, FollowsAMoveToAnotherResolution)
{
    box_->put_BackColorHeading(Navy);
    box_->put_SolidColorHeading(VARIANT_TRUE);
    HWND dialog = showModeless(Message, YesNoCancelQuestion);
    ASSERT_NE(dialog, nullptr);
    const int dpi = screenDpi();
    const int other = dpi == 144 ? 96 : 144;
    const DialogView before = viewOf(dialog);
    const LONG width = before.rect.right - before.rect.left, height = before.rect.bottom - before.rect.top;
    const RECT labelBefore = messageLabelIn(dialog, before.body);
    RECT suggested = {before.rect.left, before.rect.top, before.rect.left + MulDiv(width, other, dpi),
                      before.rect.top + MulDiv(height, other, dpi)};
    SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(other, other), reinterpret_cast<LPARAM>(&suggested));
    flushEvents(300);

    const DialogView after = viewOf(dialog);
    // At the suggested corner, in the size of the new layout: about the
    // suggested size, and never smaller than the text needs (checked below).
    EXPECT_EQ(after.rect.left, suggested.left);
    EXPECT_EQ(after.rect.top, suggested.top);
    EXPECT_NEAR(after.rect.right - after.rect.left, suggested.right - suggested.left,
                (suggested.right - suggested.left) / 4);
    EXPECT_NEAR(after.rect.bottom - after.rect.top, suggested.bottom - suggested.top,
                (suggested.bottom - suggested.top) / 4);
    ASSERT_EQ(after.buttons.size(), 3u);
    const double tpp = twipsPerPixelAt(other);
    for (const ButtonInfo& button : after.buttons) {
        SCOPED_TRACE(button.caption);
        EXPECT_EQ(button.rect.right - button.rect.left, whole(1095 / tpp));
        EXPECT_EQ(button.rect.bottom - button.rect.top, whole(375 / tpp));
    }
    // The close box at its size for the new resolution.
    const Snapshot strip(after.headingStrip);
    ASSERT_TRUE(strip.valid());
    EXPECT_EQ(strip.height(), whole(330 / tpp));
    const RECT right = {strip.width() / 2, 0, strip.width(), strip.height()};
    const RECT box = strip.inkBounds(right, [](const Pixel& p) { return p != Pixel{0, 0, 128}; });
    EXPECT_EQ(box.right - box.left, scaledPixels(14, other));
    EXPECT_EQ(box.bottom - box.top, scaledPixels(14, other));
    // The buttons' captions still fit and the message is not cut off; the
    // label is measured in the new font.
    for (const ButtonInfo& button : after.buttons) {
        SCOPED_TRACE(button.caption);
        expectCaptionInsideFace(button.hwnd, other);
    }
    // The icon loaded again at the large-icon size there (scaled down from a
    // larger image where the system has one, so its edge may differ by a
    // pixel from the system's own icon of that size).
    expectIconAtSystemSize(dialog, other, 1);
    const RECT label = messageLabelIn(dialog, after.body);
    EXPECT_NEAR(static_cast<double>(label.right - label.left) / (labelBefore.right - labelBefore.left),
                static_cast<double>(other) / dpi, 0.25);

    // And back: the dialog is as it was.
    RECT original = before.rect;
    SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&original));
    flushEvents(300);
    const DialogView back = viewOf(dialog);
    EXPECT_EQ(back.rect.left, before.rect.left);
    EXPECT_EQ(back.rect.top, before.rect.top);
    EXPECT_EQ(back.rect.right - back.rect.left, width);
    EXPECT_EQ(back.rect.bottom - back.rect.top, height);
    for (size_t i = 0; i < back.buttons.size() && i < before.buttons.size(); ++i) {
        EXPECT_EQ(back.buttons[i].rect.left, before.buttons[i].rect.left);
        EXPECT_EQ(back.buttons[i].rect.right, before.buttons[i].rect.right);
        EXPECT_EQ(back.buttons[i].rect.bottom, before.buttons[i].rect.bottom);
    }
    int closeBoxLeft = 0;
    expectCloseBoxAtScaledSize(dialog, closeBoxLeft);
    expectNoTextCutOff(dialog, dpi);
    close(dialog);
}

} // namespace
} // namespace quillnote::test
