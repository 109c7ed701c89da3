#pragma once
// The fixture of the dialog tests: a component object on this thread's
// apartment, quiet (no sound), and the check that no test leaves a dialog
// open behind it.

#include "DialogDriver.h"
#include "TestSupport.h"

#include <string>

namespace quillnote::test {

class DialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_HRESULT_SUCCEEDED(apartment_.result());
        ASSERT_TRUE(component_.loaded());
        ASSERT_HRESULT_SUCCEEDED(component_.create(box_));
        // Quiet and quick: no sound is needed to test the flow.
        box_->put_SoundBeep(VARIANT_FALSE);
    }
    void TearDown() override { EXPECT_EQ(findDialog(GetCurrentThreadId()), nullptr) << "a dialog was left open"; }

    // Calls MsgBox through the vtable; returns the VT_I2 code, or -999.
    short msgBox(const std::wstring& message, short buttons, const std::wstring& title = L"");
    // Shows a modeless dialog and lets its activation run.
    HWND showModeless(const std::wstring& message, short buttons);
    // Closes a dialog with Esc and waits until it is gone.
    void close(HWND dialog);

    Apartment apartment_;
    Component component_;
    win::ComPtr<_Quillnote> box_;
};

} // namespace quillnote::test
