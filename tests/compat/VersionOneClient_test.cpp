// A client compiled against the header of version 1.0 (made from the IDL of
// 1.0, kept unchanged beside this file), as programs built for 1.0 are: it
// knows only _Quillnote, calls it through its vtable and by name, and every
// call does what it did.

#include "Quillnote10.h"

#include "DialogDriver.h"
#include "win/Bstr.h"
#include "win/ComPtr.h"
#include "win/ProcAddress.h"
#include "win/UniqueHandle.h"

#include <gtest/gtest.h>

#include <string>

namespace quillnote::test {
namespace {

// The component beside this program, an object of it through its class
// factory, as version 1.0's header describes it.
win::ComPtr<_Quillnote> createObject(HMODULE library)
{
    using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
    const auto get = win::procAddress<GetClassObject>(library, "DllGetClassObject");
    win::ComPtr<IClassFactory> factory;
    win::ComPtr<_Quillnote> object;
    if (get && SUCCEEDED(get(CLSID_Quillnote, IID_PPV_ARGS(factory.put()))))
        factory->CreateInstance(nullptr, IID_PPV_ARGS(object.put()));
    return object;
}

std::wstring componentBesideThisProgram()
{
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    return path.substr(0, path.find_last_of(L"\\/")) + L"\\Quillnote.dll";
}

TEST(VersionOneClient, EveryCallThroughTheFirstInterfaceDoesWhatItDid)
{
    ASSERT_HRESULT_SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    {
        win::UniqueModule library(LoadLibraryW(componentBesideThisProgram().c_str()));
        ASSERT_TRUE(library);
        win::ComPtr<_Quillnote> box = createObject(library.get());
        ASSERT_TRUE(box);

        // Properties through the vtable of 1.0: the setters' rules hold.
        EXPECT_HRESULT_SUCCEEDED(box->put_SoundBeep(VARIANT_FALSE));
        EXPECT_HRESULT_SUCCEEDED(box->put_TimerSeconds(-4));
        short seconds = -1;
        EXPECT_HRESULT_SUCCEEDED(box->get_TimerSeconds(&seconds));
        EXPECT_EQ(seconds, 0);
        EXPECT_HRESULT_SUCCEEDED(box->put_GradientDirection(5));
        short direction = 0;
        EXPECT_HRESULT_SUCCEEDED(box->get_GradientDirection(&direction));
        EXPECT_EQ(direction, 6);
        const win::Bstr title = win::Bstr::copyOf(u"From 1.0");
        EXPECT_HRESULT_SUCCEEDED(box->put_DefaultTitle(title.get()));
        win::Bstr readTitle;
        EXPECT_HRESULT_SUCCEEDED(box->get_DefaultTitle(readTitle.put()));
        EXPECT_EQ(readTitle.view(), L"From 1.0");
        OLE_COLOR colour = 0;
        EXPECT_HRESULT_SUCCEEDED(box->put_BackColorBody(0x00FF8000));
        EXPECT_HRESULT_SUCCEEDED(box->get_BackColorBody(&colour));
        EXPECT_EQ(colour, 0x00FF8000u);

        // MsgBox, the last of the interface's members in the header of 1.0
        // and the first in its vtable.
        std::wstring heading;
        DialogDriver driver([&](const DialogView& view) {
            heading = view.heading;
            if (const ButtonInfo* no = view.button(L"&No"))
                clickButton(*no);
        });
        const win::Bstr message = win::Bstr::copyOf(u"Built for 1.0");
        VARIANT result;
        VariantInit(&result);
        EXPECT_HRESULT_SUCCEEDED(box->MsgBox(message.get(), 4, nullptr, &result));
        EXPECT_EQ(V_VT(&result), VT_I2);
        EXPECT_EQ(V_I2(&result), 7);
        EXPECT_EQ(heading, L"From 1.0");

        // By name, through IDispatch: the identifiers of 1.0.
        win::ComPtr<IDispatch> dispatch;
        ASSERT_HRESULT_SUCCEEDED(box.queryInterface(dispatch));
        LPOLESTR names[] = {const_cast<LPOLESTR>(L"MsgBox"), const_cast<LPOLESTR>(L"DefaultTitle")};
        DISPID ids[2] = {};
        EXPECT_HRESULT_SUCCEEDED(dispatch->GetIDsOfNames(IID_NULL, &names[0], 1, LOCALE_USER_DEFAULT, &ids[0]));
        EXPECT_HRESULT_SUCCEEDED(dispatch->GetIDsOfNames(IID_NULL, &names[1], 1, LOCALE_USER_DEFAULT, &ids[1]));
        EXPECT_EQ(ids[0], DISPID_QUILLNOTE_MSGBOX);
        EXPECT_EQ(ids[1], 0x68030000);
    }
    CoUninitialize();
}

} // namespace
} // namespace quillnote::test
