#include "TestSupport.h"

#include "win/Bstr.h"
#include "win/ProcAddress.h"

namespace quillnote::test {

std::wstring programFolder()
{
    wchar_t path[MAX_PATH * 4] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    std::wstring full(path, length);
    return full.substr(0, full.find_last_of(L"\\/"));
}

std::wstring componentPath() { return programFolder() + L"\\Quillnote.dll"; }

Component::Component() : module_(LoadLibraryW(componentPath().c_str())) {}

HRESULT Component::canUnloadNow() const
{
    using Fn = HRESULT(WINAPI*)();
    auto fn = win::procAddress<Fn>(module_.get(), "DllCanUnloadNow");
    return fn ? fn() : E_NOTIMPL;
}

HRESULT Component::classFactory(win::ComPtr<IClassFactory>& out) const
{
    using Fn = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
    auto fn = win::procAddress<Fn>(module_.get(), "DllGetClassObject");
    if (!fn)
        return E_NOTIMPL;
    return fn(CLSID_Quillnote, IID_PPV_ARGS(out.put()));
}

HRESULT Component::create(win::ComPtr<_Quillnote>& out) const
{
    win::ComPtr<IClassFactory> factory;
    const HRESULT hr = classFactory(factory);
    if (FAILED(hr))
        return hr;
    return factory->CreateInstance(nullptr, IID_PPV_ARGS(out.put()));
}

HRESULT Component::callEntry(const char* name) const
{
    using Fn = HRESULT(WINAPI*)();
    auto fn = win::procAddress<Fn>(module_.get(), name);
    return fn ? fn() : E_NOTIMPL;
}

HRESULT Component::install(bool install, const wchar_t* commandLine) const
{
    using Fn = HRESULT(WINAPI*)(BOOL, LPCWSTR);
    auto fn = win::procAddress<Fn>(module_.get(), "DllInstall");
    return fn ? fn(install, commandLine) : E_NOTIMPL;
}

HRESULT LateBound::dispId(const wchar_t* name, DISPID& id) const
{
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    return object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
}

HRESULT LateBound::get(const wchar_t* name, Variant& result) const
{
    DISPID id = 0;
    HRESULT hr = dispId(name, id);
    if (FAILED(hr))
        return hr;
    DISPPARAMS params = {nullptr, nullptr, 0, 0};
    return object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &params, result.get(), nullptr,
                           nullptr);
}

HRESULT LateBound::put(const wchar_t* name, const VARIANT& value) const
{
    DISPID id = 0;
    HRESULT hr = dispId(name, id);
    if (FAILED(hr))
        return hr;
    VARIANT arg = value;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = {&arg, &named, 1, 1};
    return object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr);
}

HRESULT LateBound::call(const wchar_t* name, VARIANT* argsReversed, UINT count, Variant& result,
                        EXCEPINFO* exception) const
{
    DISPID id = 0;
    HRESULT hr = dispId(name, id);
    if (FAILED(hr))
        return hr;
    DISPPARAMS params = {argsReversed, nullptr, count, 0};
    return object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result.get(), exception,
                           nullptr);
}

VARIANT makeI2(short v)
{
    VARIANT out;
    VariantInit(&out);
    V_VT(&out) = VT_I2;
    V_I2(&out) = v;
    return out;
}

VARIANT makeI4(LONG v)
{
    VARIANT out;
    VariantInit(&out);
    V_VT(&out) = VT_I4;
    V_I4(&out) = v;
    return out;
}

VARIANT makeString(std::wstring_view text)
{
    VARIANT out;
    VariantInit(&out);
    V_VT(&out) = VT_BSTR;
    V_BSTR(&out) = win::Bstr::copyOf(text).detach();
    return out;
}

VARIANT makeBool(VARIANT_BOOL v)
{
    VARIANT out;
    VariantInit(&out);
    V_VT(&out) = VT_BOOL;
    V_BOOL(&out) = v;
    return out;
}

} // namespace quillnote::test
