// The living dialog under Wine: heading looks, body shading, the close box's
// pressed picture, focus, the countdown after re-activation, keeping on top
// and dragging. Pixels are read from the shown windows.

#include "DialogTest.h"
#include "PeerProcess.h"
#include "Snapshot.h"
#include "forms/Gdi.h"

#include <cstdlib>
#include <string>
#include <thread>

namespace quillnote::test {
namespace {

Pixel pixelOf(HWND window, int x, int y)
{
    forms::WindowDc dc(window);
    const COLORREF c = GetPixel(dc.get(), x, y);
    return Pixel{GetRValue(c), GetGValue(c), GetBValue(c)};
}

Pixel fromColorRef(COLORREF c) { return Pixel{GetRValue(c), GetGValue(c), GetBValue(c)}; }

// Within `tolerance` per channel.
::testing::AssertionResult closeTo(const Pixel& got, const Pixel& want, int tolerance = 0)
{
    if (std::abs(got.r - want.r) <= tolerance && std::abs(got.g - want.g) <= tolerance &&
        std::abs(got.b - want.b) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got (" << got.r << ", " << got.g << ", " << got.b << "), want (" << want.r
                                         << ", " << want.g << ", " << want.b << ") within " << tolerance;
}

int brightness(const Pixel& p) { return p.r + p.g + p.b; }

// A one-line message wide enough to give the body room for probes.
constexpr const wchar_t* WideMessage = L"A message that makes the body wide enough";
// Pixels of the body that the dialog's frame covers at its right and bottom.
constexpr int FrameOverlap = 6;

using DialogRuntimeTest = DialogTest;

TEST_F(DialogRuntimeTest, ActiveHeadingStartsInItsColourAndLightensToTheRight)
{
    box_->put_BackColorHeading(0x800000); // navy
    HWND dialog = showModeless(L"Heading", 0);
    ASSERT_NE(dialog, nullptr);
    const DialogView view = viewOf(dialog);
    RECT strip = {};
    GetClientRect(view.headingStrip, &strip);
    EXPECT_TRUE(closeTo(pixelOf(view.headingStrip, 1, 1), Pixel{0, 0, 128}));
    const Pixel middle = pixelOf(view.headingStrip, strip.right / 2, 1);
    const Pixel right = pixelOf(view.headingStrip, strip.right - 30, 1);
    EXPECT_GT(brightness(middle), brightness(Pixel{0, 0, 128}));
    EXPECT_GT(brightness(right), brightness(middle));
    close(dialog);
}

TEST_F(DialogRuntimeTest, SolidHeadingIsOnePlainColour)
{
    box_->put_BackColorHeading(0x2080C0);
    box_->put_SolidColorHeading(VARIANT_TRUE);
    HWND dialog = showModeless(L"Solid", 0);
    ASSERT_NE(dialog, nullptr);
    const DialogView view = viewOf(dialog);
    RECT strip = {};
    GetClientRect(view.headingStrip, &strip);
    EXPECT_TRUE(closeTo(pixelOf(view.headingStrip, 1, 1), Pixel{0xC0, 0x80, 0x20}));
    EXPECT_TRUE(closeTo(pixelOf(view.headingStrip, strip.right - 30, 1), Pixel{0xC0, 0x80, 0x20}));
    close(dialog);
}

TEST_F(DialogRuntimeTest, FirstPaintOfTheWholeDialogMatchesEachWindowPaintingItself)
{
    // The first paint draws the heading, the body and the buttons at once;
    // a later repaint lets each window paint itself. Both must show the
    // same pixels: the icon, the text, every button and the focus, and the
    // scroll bar of a message taller than the screen.
    std::wstring tall;
    for (int line = 1; line <= 200; ++line)
        tall += L"Line " + std::to_wstring(line) + L"\r\n";
    const struct {
        const wchar_t* name;
        std::wstring message;
    } cases[] = {{L"three buttons", WideMessage}, {L"a scroll bar", tall}};
    box_->put_GradientPaint(VARIANT_TRUE);
    for (const auto& c : cases) {
        HWND dialog = showModeless(c.message, 3 + 32); // Yes, No, Cancel; question icon
        ASSERT_NE(dialog, nullptr) << c.name;
        const Snapshot first(dialog);
        ASSERT_TRUE(first.valid()) << c.name;

        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        const Snapshot again(dialog);
        ASSERT_EQ(again.pixels().size(), first.pixels().size()) << c.name;
        std::size_t differing = 0;
        for (std::size_t i = 0; i < first.pixels().size(); ++i)
            differing += first.pixels()[i] != again.pixels()[i] ? 1 : 0;
        EXPECT_EQ(differing, 0u) << c.name << ": of " << first.pixels().size() << " pixels";
        close(dialog);
    }
}

TEST_F(DialogRuntimeTest, ADialogLooksTheSameOnTheBitmapsOfALargerOne)
{
    // A picture takes the bitmap of a picture that went when it fits. The
    // first dialog makes bitmaps of its own size and keeps them while it is
    // open; after a wider dialog has gone, a second dialog like the first
    // gets the wider one's bitmaps, with longer rows than its pictures.
    box_->put_GradientPaint(VARIANT_TRUE);
    box_->put_GradientDirection(7); // circle around the centre
    HWND first = showModeless(L"Short", 3 + 32);
    ASSERT_NE(first, nullptr);
    const Snapshot own(first);
    HWND wide = showModeless(L"A message of one long line, long enough to widen the dialog well beyond its "
                             L"narrowest width",
                             3 + 32);
    ASSERT_NE(wide, nullptr);
    const Snapshot wider(wide);
    close(wide);
    HWND second = showModeless(L"Short", 3 + 32);
    ASSERT_NE(second, nullptr);
    const Snapshot reused(second);
    close(second);
    close(first);
    ASSERT_TRUE(own.valid());
    ASSERT_GT(wider.width(), own.width());
    ASSERT_EQ(reused.pixels().size(), own.pixels().size());
    std::size_t differing = 0;
    for (std::size_t i = 0; i < own.pixels().size(); ++i)
        differing += own.pixels()[i] != reused.pixels()[i] ? 1 : 0;
    EXPECT_EQ(differing, 0u) << "of " << own.pixels().size() << " pixels";
}

TEST_F(DialogRuntimeTest, InactiveHeadingUsesTheInactiveCaptionColour)
{
    HWND dialog = showModeless(L"Inactive", 0);
    ASSERT_NE(dialog, nullptr);
    const DialogView view = viewOf(dialog);
    {
        TestWindow other(L"Other", 0, 0, 200, 150);
        SetActiveWindow(other.hwnd());
        flushEvents(300); // a poll tick repaints the heading
        ASSERT_NE(GetActiveWindow(), dialog);
        const Pixel inactive = fromColorRef(GetSysColor(COLOR_INACTIVECAPTION));
        EXPECT_TRUE(closeTo(pixelOf(view.headingStrip, 1, 1), inactive));
        RECT strip = {};
        GetClientRect(view.headingStrip, &strip);
        // The inactive look lightens slowly: at most 28 steps of 3.
        const Pixel right = pixelOf(view.headingStrip, strip.right - 30, 1);
        EXPECT_GE(brightness(right), brightness(inactive));
        EXPECT_LE(right.r, std::min(255, inactive.r + 84));
    }
    SetActiveWindow(dialog);
    flushEvents(300);
    EXPECT_TRUE(closeTo(pixelOf(view.headingStrip, 1, 1), fromColorRef(GetSysColor(COLOR_ACTIVECAPTION))));
    close(dialog);
}

TEST_F(DialogRuntimeTest, BodyDarkensAwayFromTheStartOfEachLinearDirection)
{
    box_->put_GradientPaint(VARIANT_TRUE);
    box_->put_BackColorBody(0xFFFFFF);
    const struct {
        short direction;
        bool startAtTop, startAtBottom, startAtLeft, startAtRight;
    } cases[] = {{1, true, false, false, false},
                 {2, false, true, false, false},
                 {3, false, false, true, false},
                 {4, false, false, false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "direction " << c.direction);
        box_->put_GradientDirection(c.direction);
        HWND dialog = showModeless(WideMessage, 6); // no buttons: the body is bare
        ASSERT_NE(dialog, nullptr);
        const DialogView view = viewOf(dialog);
        RECT body = {};
        GetClientRect(view.body, &body);
        const int w = body.right, h = body.bottom;
        // Probes away from the text, inside the part of the body that the
        // dialog's frame does not cover (the body is as wide and high as the
        // outer dialog, so its right and bottom edges lie under the frame).
        const Pixel top = pixelOf(view.body, 4, 2);
        const Pixel bottom = pixelOf(view.body, 4, h - FrameOverlap - 3);
        const Pixel left = pixelOf(view.body, 2, h - 12);
        const Pixel right = pixelOf(view.body, w - FrameOverlap - 3, h - 12);
        if (c.startAtTop) {
            EXPECT_GT(brightness(top), brightness(bottom));
        }
        if (c.startAtBottom) {
            EXPECT_GT(brightness(bottom), brightness(top));
        }
        if (c.startAtLeft) {
            EXPECT_GT(brightness(left), brightness(right));
        }
        if (c.startAtRight) {
            EXPECT_GT(brightness(right), brightness(left));
        }
        close(dialog);
    }
}

TEST_F(DialogRuntimeTest, FadesPutTheColourAtTheirCentreOrCorner)
{
    box_->put_GradientPaint(VARIANT_TRUE);
    box_->put_BackColorBody(0x0000FF); // red
    // Property 7: circle around the centre, fading out from red to black.
    box_->put_GradientDirection(7);
    HWND dialog = showModeless(WideMessage, 6);
    ASSERT_NE(dialog, nullptr);
    DialogView view = viewOf(dialog);
    RECT body = {};
    GetClientRect(view.body, &body);
    const Pixel centre = pixelOf(view.body, body.right / 2, body.bottom / 2);
    const Pixel corner = pixelOf(view.body, body.right - FrameOverlap - 1, body.bottom - FrameOverlap - 1);
    EXPECT_GT(centre.r, 200);
    EXPECT_EQ(centre.g, 0);
    EXPECT_LT(corner.r, centre.r);
    close(dialog);

    // Property 9: circle from the top-left corner, fading out.
    box_->put_GradientDirection(9);
    dialog = showModeless(WideMessage, 6);
    ASSERT_NE(dialog, nullptr);
    view = viewOf(dialog);
    GetClientRect(view.body, &body);
    const Pixel topLeft = pixelOf(view.body, 1, body.bottom / 2);
    const Pixel bottomRight = pixelOf(view.body, body.right - FrameOverlap - 1, body.bottom - FrameOverlap - 1);
    EXPECT_GT(topLeft.r, 200);
    EXPECT_TRUE(closeTo(bottomRight, Pixel{0, 0, 0}));
    close(dialog);

    // A system colour in BackColorBody was resolved for the fade and stays
    // resolved.
    box_->put_BackColorBody(static_cast<OLE_COLOR>(0x8000000F));
    box_->put_GradientDirection(8);
    dialog = showModeless(WideMessage, 6);
    close(dialog);
    OLE_COLOR after = 0;
    box_->get_BackColorBody(&after);
    EXPECT_EQ(after, static_cast<OLE_COLOR>(GetSysColor(COLOR_BTNFACE)));
}

TEST_F(DialogRuntimeTest, CloseBoxShowsItsPressedPictureWhileHeldDown)
{
    HWND dialog = showModeless(L"Close box", 4);
    ASSERT_NE(dialog, nullptr);
    const DialogView view = viewOf(dialog);
    const int width = view.rect.right - view.rect.left;
    const int boxLeft = width - 24, boxTop = 4; // 360 and 60 twips
    // Raised: white outer edge at the top left; pressed: grey.
    EXPECT_TRUE(closeTo(pixelOf(view.headingStrip, boxLeft + 2, boxTop), Pixel{255, 255, 255}));
    pressAt(view.headingStrip, boxLeft + 7, boxTop + 7);
    flushEvents(200);
    ASSERT_TRUE(IsWindow(dialog));
    EXPECT_TRUE(closeTo(pixelOf(view.headingStrip, boxLeft + 2, boxTop), Pixel{128, 128, 128}));
    releaseAt(view.headingStrip, boxLeft + 7, boxTop + 7);
    EXPECT_TRUE(pumpUntil([&] { return !IsWindow(dialog); }, 3000));
}

TEST_F(DialogRuntimeTest, TabMovesTheFocusAndThePollKeepsItThere)
{
    std::wstring firstFocus, afterTab;
    DialogDriver driver([&](const DialogView& view) {
        firstFocus = view.focusedCaption();
        pressKey(view.focus, VK_TAB);
    });
    driver.then(400, [&](const DialogView& later) { // several poll ticks
        afterTab = later.focusedCaption();
        pressKey(later.focus, VK_RETURN);
    });
    EXPECT_EQ(msgBox(L"Tab", 3), 7); // Enter on "&No"
    EXPECT_EQ(firstFocus, L"&Yes");
    EXPECT_EQ(afterTab, L"&No");
}

TEST_F(DialogRuntimeTest, ReactivationRestartsTheCountdown)
{
    // Two seconds: shown at 0, it would close at the second tick (2 s).
    // Activated again at about 1.3 s, it counts two ticks from there.
    box_->put_TimerSeconds(2);
    HWND dialog = showModeless(L"Countdown", 4);
    ASSERT_NE(dialog, nullptr);
    const DWORD shown = GetTickCount();
    flushEvents(1000);
    {
        TestWindow other(L"Other", 0, 0, 200, 150);
        SetActiveWindow(other.hwnd());
        flushEvents(100);
        SetActiveWindow(dialog);
    }
    SetActiveWindow(dialog);
    pumpUntil([&] { return GetTickCount() - shown >= 2500 || !IsWindow(dialog); }, 3000);
    EXPECT_TRUE(IsWindow(dialog)) << "closed on the count from the first activation";
    EXPECT_TRUE(pumpUntil([&] { return !IsWindow(dialog); }, 3000));
    close(dialog);
}

// Coming back from another program is not an activation from this program:
// the focus stays on the button the user moved to, and the countdown goes on
// from where it was.
TEST_F(DialogRuntimeTest, ComingBackFromAnotherProgramKeepsTheFocusAndTheCountdown)
{
    PeerProcess peer;
    ASSERT_NE(peer.window(), nullptr) << "the peer program did not start";
    box_->put_TimerSeconds(5);
    HWND dialog = showModeless(L"Away and back", 4); // Yes, No
    ASSERT_NE(dialog, nullptr);
    const DWORD shown = GetTickCount();
    const DialogView view = viewOf(dialog);
    ASSERT_NE(view.button(L"&No"), nullptr);
    pressKey(view.focus, VK_TAB);
    flushEvents(200);
    ASSERT_EQ(GetFocus(), view.button(L"&No")->hwnd);

    SetForegroundWindow(peer.window());
    ASSERT_TRUE(pumpUntil([&] { return GetActiveWindow() != dialog; }, 3000));
    flushEvents(800);
    SetForegroundWindow(dialog);
    ASSERT_TRUE(pumpUntil([&] { return GetActiveWindow() == dialog; }, 3000));
    flushEvents(300); // poll ticks
    EXPECT_EQ(GetFocus(), view.button(L"&No")->hwnd) << "the focus went back to the default button";

    // Five ticks from the show close it about 5 s after it; a countdown
    // started again on return would run to 6.5 s or later.
    const DWORD returned = GetTickCount() - shown;
    ASSERT_LT(returned, 4000u) << "too slow to tell the two countdowns apart";
    EXPECT_TRUE(pumpUntil([&] { return !IsWindow(dialog); }, 6000 - returned))
        << "the countdown started again on return";
    close(dialog);
}

// A heading in a system colour follows a change of that colour while the
// dialog is open.
TEST_F(DialogRuntimeTest, HeadingFollowsAChangeOfTheSystemColours)
{
    const INT element = COLOR_ACTIVECAPTION;
    const COLORREF original = GetSysColor(element);
    const COLORREF changed = original == RGB(0, 128, 0) ? RGB(128, 0, 0) : RGB(0, 128, 0);
    struct Restore {
        INT element;
        COLORREF colour;
        ~Restore() { SetSysColors(1, &element, &colour); }
    } restore{element, original};

    for (const bool solid : {false, true}) {
        SCOPED_TRACE(solid ? "solid" : "gradient");
        box_->put_SolidColorHeading(solid ? VARIANT_TRUE : VARIANT_FALSE);
        SetSysColors(1, &element, &original);
        HWND dialog = showModeless(L"System colours", 0); // the default heading colour is the active caption's
        ASSERT_NE(dialog, nullptr);
        const DialogView view = viewOf(dialog);
        ASSERT_EQ(GetActiveWindow(), dialog);
        EXPECT_TRUE(closeTo(pixelOf(view.headingStrip, 1, 1), fromColorRef(original)));
        ASSERT_TRUE(SetSysColors(1, &element, &changed));
        flushEvents(400); // poll ticks
        EXPECT_TRUE(closeTo(pixelOf(view.headingStrip, 1, 1), fromColorRef(changed)));
        close(dialog);
    }
}

TEST_F(DialogRuntimeTest, KeepOnTopMakesTheDialogTopmost)
{
    HWND dialog = showModeless(L"Top", 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST);
    close(dialog);
    box_->put_KeepOnTop(VARIANT_FALSE);
    dialog = showModeless(L"Not on top", 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST);
    close(dialog);
}

// Real mouse input, as a user's: a press at a screen point, a move by
// (dx, dy), a release. Sent from a helper thread, since a press that starts
// the window system's move loop only returns when the button is released.
void dragOnScreen(POINT from, int dx, int dy)
{
    const auto send = [](DWORD flags, POINT at) {
        sendMouseAt(at, flags);
        Sleep(60);
    };
    send(MOUSEEVENTF_MOVE, from);
    send(MOUSEEVENTF_LEFTDOWN, from);
    for (int step = 1; step <= 5; ++step)
        send(MOUSEEVENTF_MOVE, POINT{from.x + dx * step / 5, from.y + dy * step / 5});
    send(MOUSEEVENTF_LEFTUP, POINT{from.x + dx, from.y + dy});
}

TEST_F(DialogRuntimeTest, DraggingMovesTheDialogOnlyWhenMoveableAndOnlyFromItsSurface)
{
    const struct {
        const char* name;
        bool moveable;
        bool onHeadingStrip; // the bare strip, right of the caption
        bool expectMoved;
    } cases[] = {
        {"moveable, body", true, false, true},
        {"moveable, bare heading strip", true, true, false},
        {"not moveable, body", false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        box_->put_Moveable(c.moveable ? VARIANT_TRUE : VARIANT_FALSE);
        HWND dialog = showModeless(WideMessage, 6);
        ASSERT_NE(dialog, nullptr);
        const DialogView view = viewOf(dialog);
        RECT before = view.rect;
        RECT strip = {}, body = {};
        GetWindowRect(view.headingStrip, &strip);
        GetWindowRect(view.body, &body);
        const POINT from =
            c.onHeadingStrip ? POINT{strip.right - 60, strip.top + 2} : POINT{body.left + 4, body.bottom - 20};
        std::thread mover([&] { dragOnScreen(from, 40, 30); });
        flushEvents(1200);
        mover.join();
        flushEvents(200);
        RECT after = {};
        GetWindowRect(dialog, &after);
        if (c.expectMoved) {
            EXPECT_EQ(after.left - before.left, 40);
            EXPECT_EQ(after.top - before.top, 30);
        } else {
            EXPECT_EQ(after.left, before.left);
            EXPECT_EQ(after.top, before.top);
        }
        close(dialog);
    }
}

} // namespace
} // namespace quillnote::test
