// Ctrl+C and Ctrl+Insert on the dialog put its text on the clipboard, as
// Unicode text in the platform's layout, and change nothing else.

#include "DialogTest.h"
#include "win/Bstr.h"

namespace quillnote::test {
namespace {

void emptyClipboard()
{
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

using CopyTextTest = DialogTest;

TEST_F(CopyTextTest, CtrlCAndCtrlInsertCopyTheDialogAndLeaveItOpen)
{
    win::Bstr heading = win::Bstr::copyOf(u"Editor");
    box_->put_DefaultTitle(heading.get());
    const std::wstring expected = L"---------------------------\r\n"
                                  L"Editor\r\n"
                                  L"---------------------------\r\n"
                                  L"Save the changes?\r\n"
                                  L"Line two & more \x05E9\x05DC\x05D5\x05DD\r\n"
                                  L"---------------------------\r\n"
                                  L"Yes   No   Cancel   \r\n"
                                  L"---------------------------\r\n";
    for (const UINT key : {UINT{'C'}, UINT{VK_INSERT}}) {
        SCOPED_TRACE(key == 'C' ? "Ctrl+C" : "Ctrl+Insert");
        emptyClipboard();
        HWND dialog = showModeless(L"Save the changes?\r\nLine two & more \x05E9\x05DC\x05D5\x05DD", 3);
        ASSERT_NE(dialog, nullptr);
        HWND focus = GetFocus();
        ASSERT_NE(focus, nullptr);
        pressKeyWithControl(focus, key);
        EXPECT_EQ(clipboardText(), expected);
        EXPECT_TRUE(IsWindow(dialog)) << "copying closed the dialog";
        EXPECT_EQ(GetFocus(), focus) << "copying moved the focus";
        close(dialog);
    }
}

TEST_F(CopyTextTest, ADialogWithoutButtonsCopiesAnEmptyButtonLineAndCOnItsOwnCopiesNothing)
{
    emptyClipboard();
    HWND dialog = showModeless(L"No buttons", 6);
    ASSERT_NE(dialog, nullptr);
    pressKey(GetFocus() ? GetFocus() : dialog, 'C');
    dispatchQueued();
    EXPECT_EQ(clipboardText(), L"") << "C without Ctrl copied";
    pressKeyWithControl(GetFocus() ? GetFocus() : dialog, 'C');
    const std::wstring text = clipboardText();
    EXPECT_NE(text.find(L"No buttons\r\n---------------------------\r\n\r\n---------------------------\r\n"),
              std::wstring::npos)
        << std::string(text.begin(), text.end());
    close(dialog);
}

} // namespace
} // namespace quillnote::test
