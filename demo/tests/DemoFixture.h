#pragma once
// The demonstration window created for real in the test program, with the
// component, the colour chooser and the reports replaced by recorders, and
// driven with window messages through the thread's message loop. Every test
// runs under a watchdog, so that a window or dialog that never closes ends
// the test program instead of hanging the suite.

#include "DemoWindow.h"
#include "FakeQuillnote.h"
#include "ModalWatcher.h"
#include "TestSupport.h"
#include "TestWindows.h"
#include "Watchdog.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quillnote::demo::test {

using quillnote::test::ModalWatcher;
using quillnote::test::TestWindow;
using quillnote::test::windowText;

class DemoFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    void createHidden(DemoServices services = {});
    void createAndShow(DemoServices services = {});

    HWND hwnd(Control c) const { return window_->control(c); }
    HWND mainWindow() const { return window_->hwnd(); }
    std::wstring text(Control c) const { return windowText(hwnd(c)); }
    void setText(Control c, const std::wstring& text); // WM_SETTEXT, as the program sets it
    bool checked(Control c) const { return SendMessageW(hwnd(c), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    int upDownValue(Control upDown) const;
    bool visible(Control c) const { return IsWindowVisible(hwnd(c)) != FALSE; }
    Control focused() const; // Control::Window for none of ours
    std::pair<DWORD, DWORD> selection(Control textBox) const;
    RECT clientRectPixels(Control c) const;
    // Where a one-line text box shows its text: the first and last pixel
    // column of the text and the box's formatting rectangle, all in the
    // box's client pixels.
    struct ShownText {
        int firstVisibleChar = 0;
        int textLeft = 0;
        int textRight = 0;
        RECT format = {};
    };
    ShownText shownText(Control textBox) const;
    int heightPixels(Control c) const;

    // Input, posted as the window system delivers it and handled through the
    // message loop before the call returns.
    void post(Control c, UINT message, WPARAM wParam, LPARAM lParam = 0);
    void pressKey(Control c, UINT key, bool shift = false); // key down and up
    void typeText(Control c, const std::wstring& text);
    void click(Control button) { post(button, BM_CLICK, 0); }
    void clickUpDown(Control upDown, bool up);
    void focus(Control c);
    void pump(); // lets what is posted, and what its handling posts, run

    FakeQuillnote fake_;
    int created_ = 0;
    HRESULT creationResult_ = S_OK;
    std::vector<Colour> chooserCalls_;
    std::function<Colour(Colour)> chooser_; // by default Cancel: the initial colour
    std::vector<std::wstring> reports_;
    int exits_ = 0;
    bool createInSetUp_ = true;
    std::unique_ptr<DemoWindow> window_;

private:
    std::unique_ptr<quillnote::test::Apartment> apartment_;
    std::unique_ptr<quillnote::test::Watchdog> watchdog_;
};

} // namespace quillnote::demo::test
