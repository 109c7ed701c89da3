#pragma once
// Helpers for the Windows tests: an apartment per test, the built library
// loaded directly, and variants that clean up after themselves.

#include "Quillnote.h"
#include "win/ComPtr.h"
#include "win/UniqueHandle.h"
#include "win/Variant.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <oleauto.h>

#include <string>
#include <string_view>

namespace quillnote::test {

// Folder of the running test program; the component is built beside it.
std::wstring programFolder();
std::wstring componentPath();

// CoInitializeEx for the current thread, balanced on any success.
class Apartment {
public:
    explicit Apartment(DWORD model = COINIT_APARTMENTTHREADED) : hr_(CoInitializeEx(nullptr, model)) {}
    ~Apartment()
    {
        if (SUCCEEDED(hr_))
            CoUninitialize();
    }
    Apartment(const Apartment&) = delete;
    Apartment& operator=(const Apartment&) = delete;
    HRESULT result() const { return hr_; }

private:
    HRESULT hr_;
};

// The component loaded with LoadLibrary, its entry points at hand. Objects
// come straight from its class factory, so no registration is involved.
class Component {
public:
    Component();
    bool loaded() const { return static_cast<bool>(module_); }
    HRESULT canUnloadNow() const;
    HRESULT classFactory(win::ComPtr<IClassFactory>& out) const;
    HRESULT create(win::ComPtr<_Quillnote>& out) const;
    HRESULT callEntry(const char* name) const;
    HRESULT install(bool install, const wchar_t* commandLine) const;

private:
    win::UniqueModule module_;
};

using win::Variant;

// Late-bound access by name, the way a scripting client does it.
class LateBound {
public:
    explicit LateBound(IDispatch* object) : object_(object) {}
    HRESULT dispId(const wchar_t* name, DISPID& id) const;
    HRESULT get(const wchar_t* name, Variant& result) const;
    HRESULT put(const wchar_t* name, const VARIANT& value) const;
    HRESULT call(const wchar_t* name, VARIANT* argsReversed, UINT count, Variant& result,
                 EXCEPINFO* exception = nullptr) const;

private:
    win::ComPtr<IDispatch> object_;
};

VARIANT makeI2(short v);
VARIANT makeI4(LONG v);
VARIANT makeBool(VARIANT_BOOL v);
// A VT_BSTR variant holding a copy of text; the caller clears it.
VARIANT makeString(std::wstring_view text);

} // namespace quillnote::test
