#include "DialogTest.h"

#include "win/Bstr.h"

namespace quillnote::test {

short DialogTest::msgBox(const std::wstring& message, short buttons, const std::wstring& title)
{
    const win::Bstr m = win::Bstr::copyOf(std::wstring_view(message));
    const win::Bstr t = win::Bstr::copyOf(std::wstring_view(title));
    Variant result;
    const HRESULT hr = box_->MsgBox(m.get(), buttons, t.get(), result.get());
    EXPECT_EQ(hr, S_OK);
    EXPECT_EQ(V_VT(&*result), VT_I2);
    return V_VT(&*result) == VT_I2 ? V_I2(&*result) : static_cast<short>(-999);
}

HWND DialogTest::showModeless(const std::wstring& message, short buttons)
{
    box_->put_Modal(VARIANT_FALSE);
    msgBox(message, buttons);
    HWND dialog = findDialog(GetCurrentThreadId());
    flushEvents(300);
    return dialog;
}

void DialogTest::close(HWND dialog)
{
    if (!dialog)
        return;
    releaseKey(dialog, VK_ESCAPE);
    pumpUntil([&] { return !IsWindow(dialog); }, 5000);
}

} // namespace quillnote::test
