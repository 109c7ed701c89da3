#include "DemoFixture.h"

#include "forms/Gdi.h"

#include <commctrl.h>

#include "WindowInput.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace quillnote::demo::test {

namespace {

constexpr DWORD TestLimitMs = 60000;
// How long the test's windows have to close when the watchdog asks them.
constexpr DWORD CloseGraceMs = 5000;
// One pump: a few rounds of what is posted and what its handling posts.
constexpr DWORD PumpMs = 15;

BOOL CALLBACK closeWindow(HWND window, LPARAM)
{
    PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    PostMessageW(window, WM_CLOSE, 0, 0);
    return TRUE;
}

} // namespace

void DemoFixture::SetUp()
{
    // The watchdog: past the limit it asks the test thread's windows to
    // close, and a little later ends the program.
    const DWORD testThread = GetCurrentThreadId();
    watchdog_ =
        std::make_unique<quillnote::test::Watchdog>(TestLimitMs, [testThread, closing = false]() mutable -> DWORD {
            if (closing)
                quillnote::test::endProgram("the test did not end when its windows were asked to close");
            closing = true;
            std::fprintf(stderr, "watchdog: the test is still running; closing its windows\n");
            EnumThreadWindows(testThread, &closeWindow, 0);
            return CloseGraceMs;
        });
    apartment_ = std::make_unique<quillnote::test::Apartment>();
    ASSERT_HRESULT_SUCCEEDED(apartment_->result());
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    if (createInSetUp_)
        createAndShow();
}

void DemoFixture::TearDown()
{
    window_.reset();
    pump();
    EXPECT_EQ(fake_.references(), 1u) << "the window kept a reference to the object";
    apartment_.reset();
    watchdog_.reset();
}

void DemoFixture::createHidden(DemoServices services)
{
    // The recorders stand in for every service a test does not bring.
    if (!services.createQuillnote)
        services.createQuillnote = [this](win::ComPtr<_Quillnote>& out) {
            ++created_;
            if (SUCCEEDED(creationResult_))
                out = win::ComPtr<_Quillnote>(&fake_);
            return creationResult_;
        };
    if (!services.chooseColour)
        services.chooseColour = [this](HWND, Colour initial) {
            chooserCalls_.push_back(initial);
            return chooser_ ? chooser_(initial) : initial;
        };
    if (!services.report)
        services.report = [this](HWND, const std::wstring& text) { reports_.push_back(text); };
    services.onExit = [this] { ++exits_; };
    window_ = std::make_unique<DemoWindow>(std::move(services));
    ASSERT_TRUE(window_->create());
}

void DemoFixture::createAndShow(DemoServices services)
{
    createHidden(std::move(services));
    window_->show();
    pump();
}

void DemoFixture::setText(Control c, const std::wstring& text)
{
    SendMessageW(hwnd(c), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    pump();
}

int DemoFixture::upDownValue(Control upDown) const
{
    BOOL failed = FALSE;
    return static_cast<int>(SendMessageW(hwnd(upDown), UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
}

Control DemoFixture::focused() const
{
    for (int i = 0; i < ControlCount; ++i)
        if (GetFocus() && hwnd(static_cast<Control>(i)) == GetFocus())
            return static_cast<Control>(i);
    return Control::Window;
}

std::pair<DWORD, DWORD> DemoFixture::selection(Control textBox) const
{
    DWORD start = 0, end = 0;
    SendMessageW(hwnd(textBox), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

RECT DemoFixture::clientRectPixels(Control c) const
{
    RECT rect = {};
    GetWindowRect(hwnd(c), &rect);
    MapWindowPoints(nullptr, mainWindow(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

DemoFixture::ShownText DemoFixture::shownText(Control textBox) const
{
    HWND edit = hwnd(textBox);
    ShownText shown;
    shown.firstVisibleChar = static_cast<int>(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0));
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&shown.format));
    const std::wstring shownChars = windowText(edit);
    if (shownChars.empty())
        return shown;
    // The left of the first character, and the right of the last one: its
    // left plus its width in the box's font.
    const LRESULT first = SendMessageW(edit, EM_POSFROMCHAR, 0, 0);
    const LRESULT last = SendMessageW(edit, EM_POSFROMCHAR, static_cast<WPARAM>(shownChars.size() - 1), 0);
    shown.textLeft = static_cast<short>(LOWORD(first));
    SIZE lastWidth = {};
    {
        forms::WindowDc dc(edit);
        forms::SelectGuard font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(edit, WM_GETFONT, 0, 0)));
        GetTextExtentPoint32W(dc.get(), &shownChars.back(), 1, &lastWidth);
    }
    shown.textRight = static_cast<short>(LOWORD(last)) + lastWidth.cx;
    return shown;
}

int DemoFixture::heightPixels(Control c) const
{
    const RECT rect = clientRectPixels(c);
    return rect.bottom - rect.top;
}

void DemoFixture::post(Control c, UINT message, WPARAM wParam, LPARAM lParam)
{
    PostMessageW(hwnd(c), message, wParam, lParam);
    pump();
}

void DemoFixture::pressKey(Control c, UINT key, bool shift)
{
    // Posted keys do not change the keyboard state: Shift is set in it for
    // the time of the key, as if it were held down.
    BYTE state[256] = {};
    GetKeyboardState(state);
    if (shift) {
        BYTE shifted[256];
        std::copy(std::begin(state), std::end(state), shifted);
        shifted[VK_SHIFT] |= 0x80;
        SetKeyboardState(shifted);
    }
    quillnote::test::pressKey(hwnd(c), key);
    pump();
    if (shift)
        SetKeyboardState(state);
}

void DemoFixture::typeText(Control c, const std::wstring& text)
{
    for (wchar_t ch : text)
        quillnote::test::typeChar(hwnd(c), ch);
    pump();
}

void DemoFixture::clickUpDown(Control upDown, bool up)
{
    RECT rect = {};
    GetClientRect(hwnd(upDown), &rect);
    const LPARAM at = MAKELPARAM(rect.right / 2, up ? rect.bottom / 4 : rect.bottom * 3 / 4);
    PostMessageW(hwnd(upDown), WM_LBUTTONDOWN, MK_LBUTTON, at);
    post(upDown, WM_LBUTTONUP, 0, at);
}

void DemoFixture::focus(Control c)
{
    SetFocus(hwnd(c));
    pump();
}

void DemoFixture::pump() { quillnote::test::flushEvents(PumpMs); }

} // namespace quillnote::demo::test
