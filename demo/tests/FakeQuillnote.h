#pragma once
// A stand-in for the component's object: it records every property write
// ("Name=value", values as the signed numbers the interface carries) and the
// MsgBox call in order, so that a test sees what the Show action wrote
// without the component's dialog. The test owns it; its count only tells
// whether the window still holds it. It answers for the interface of 1.0
// only, as an object of that version would, unless offersVersion11 is set;
// its MsgBox then leaves CheckBoxValue as userLeavesCheckBox says, as a user
// would.

#include "Quillnote.h"

#include <oleauto.h>

#include <string>
#include <type_traits>
#include <vector>

namespace quillnote::demo::test {

class FakeQuillnote : public _Quillnote2 {
public:
    std::vector<std::wstring> calls;
    std::wstring message, title;
    short buttons = -1;
    int msgBoxCalls = 0;
    bool offersVersion11 = false;
    VARIANT_BOOL userLeavesCheckBox = VARIANT_FALSE;

    ULONG references() const { return references_; }
    // The value of the last write of a property; empty if none.
    std::wstring lastWrite(const std::wstring& name) const
    {
        for (auto it = calls.rbegin(); it != calls.rend(); ++it)
            if (it->rfind(name + L"=", 0) == 0)
                return it->substr(name.size() + 1);
        return {};
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        const bool known = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
                           IsEqualIID(iid, IID__Quillnote) || (offersVersion11 && IsEqualIID(iid, IID__Quillnote2));
        *out = known ? static_cast<_Quillnote2*>(this) : nullptr;
        if (known)
            AddRef();
        return known ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }

    // The Show action binds early and never calls IDispatch.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE MsgBox(BSTR Message, short Buttons, BSTR Title, VARIANT* Result) override
    {
        ++msgBoxCalls;
        message.assign(Message ? Message : L"", Message ? SysStringLen(Message) : 0);
        title.assign(Title ? Title : L"", Title ? SysStringLen(Title) : 0);
        buttons = Buttons;
        calls.push_back(L"MsgBox");
        if (offersVersion11)
            CheckBoxValue_ = userLeavesCheckBox;
        VariantInit(Result);
        V_VT(Result) = VT_I2;
        V_I2(Result) = 1;
        return S_OK;
    }

#define QUILLNOTE_FAKE_PROPERTY(Name, Type)                                                                            \
    HRESULT STDMETHODCALLTYPE get_##Name(Type* value) override                                                         \
    {                                                                                                                  \
        *value = Name##_;                                                                                              \
        return S_OK;                                                                                                   \
    }                                                                                                                  \
    HRESULT STDMETHODCALLTYPE put_##Name(Type value) override                                                          \
    {                                                                                                                  \
        Name##_ = value;                                                                                               \
        calls.push_back(std::wstring(L## #Name) + L"=" +                                                               \
                        std::to_wstring(static_cast<std::make_signed_t<Type>>(value)));                                \
        return S_OK;                                                                                                   \
    }                                                                                                                  \
    Type Name##_{};

    QUILLNOTE_FAKE_PROPERTY(BackColorBody, OLE_COLOR)
    QUILLNOTE_FAKE_PROPERTY(BackColorButtons, OLE_COLOR)
    QUILLNOTE_FAKE_PROPERTY(BackColorHeading, OLE_COLOR)
    QUILLNOTE_FAKE_PROPERTY(ForeColorBody, OLE_COLOR)
    QUILLNOTE_FAKE_PROPERTY(ForeColorHeading, OLE_COLOR)
    QUILLNOTE_FAKE_PROPERTY(GradientPaint, VARIANT_BOOL)
    QUILLNOTE_FAKE_PROPERTY(GradientDirection, short)
    QUILLNOTE_FAKE_PROPERTY(HeadingType, short)
    QUILLNOTE_FAKE_PROPERTY(SolidColorHeading, VARIANT_BOOL)
    QUILLNOTE_FAKE_PROPERTY(TextAlignment, short)
    QUILLNOTE_FAKE_PROPERTY(Moveable, VARIANT_BOOL)
    QUILLNOTE_FAKE_PROPERTY(KeepOnTop, VARIANT_BOOL)
    QUILLNOTE_FAKE_PROPERTY(Modal, VARIANT_BOOL)
    QUILLNOTE_FAKE_PROPERTY(TimerSeconds, short)
    QUILLNOTE_FAKE_PROPERTY(SoundBeep, VARIANT_BOOL)
    QUILLNOTE_FAKE_PROPERTY(ControlBox, VARIANT_BOOL)
    QUILLNOTE_FAKE_PROPERTY(StartUpPosition, short)
    QUILLNOTE_FAKE_PROPERTY(Top, LONG)
    QUILLNOTE_FAKE_PROPERTY(Left, LONG)
    QUILLNOTE_FAKE_PROPERTY(ShowCountdown, VARIANT_BOOL)
    QUILLNOTE_FAKE_PROPERTY(TimeoutResult, short)
    QUILLNOTE_FAKE_PROPERTY(CheckBoxValue, VARIANT_BOOL)
    QUILLNOTE_FAKE_PROPERTY(OwnerWindow, LONG)
    QUILLNOTE_FAKE_PROPERTY(Theme, short)
#undef QUILLNOTE_FAKE_PROPERTY

#define QUILLNOTE_FAKE_TEXT(Name)                                                                                      \
    HRESULT STDMETHODCALLTYPE get_##Name(BSTR* value) override                                                         \
    {                                                                                                                  \
        *value = SysAllocStringLen(Name##_.data(), static_cast<UINT>(Name##_.size()));                                 \
        return S_OK;                                                                                                   \
    }                                                                                                                  \
    HRESULT STDMETHODCALLTYPE put_##Name(BSTR value) override                                                          \
    {                                                                                                                  \
        Name##_.assign(value ? value : L"", value ? SysStringLen(value) : 0);                                          \
        calls.push_back(std::wstring(L## #Name) + L"=" + Name##_);                                                     \
        return S_OK;                                                                                                   \
    }                                                                                                                  \
    std::wstring Name##_;

    QUILLNOTE_FAKE_TEXT(ButtonCaptions)
    QUILLNOTE_FAKE_TEXT(CheckBoxText)
#undef QUILLNOTE_FAKE_TEXT

    // The dialog's state: the Show action never asks for it.
    HRESULT STDMETHODCALLTYPE get_IsOpen(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Result(short*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Close(short) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE get_DefaultTitle(BSTR* value) override
    {
        *value = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_DefaultTitle(BSTR) override
    {
        calls.push_back(L"DefaultTitle");
        return S_OK;
    }

private:
    ULONG references_ = 1;
};

} // namespace quillnote::demo::test
