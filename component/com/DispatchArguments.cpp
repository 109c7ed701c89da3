#include "DispatchArguments.h"

#include "win/Bstr.h"
#include "win/HResult.h"
#include "win/Variant.h"

#include <oleauto.h>

namespace quillnote {

namespace {

constexpr UINT ParameterCount = 3; // Message, Buttons, Title

// An argument by reference to a variant is read through that one reference,
// as OLE automation does. A reference to another reference (which may lead
// back to itself) and a null reference are malformed: they are refused,
// never followed.
HRESULT dereference(const VARIANT* v, const VARIANT*& out)
{
    out = v;
    if (!v || !(V_VT(v) & VT_BYREF))
        return S_OK;
    if (!V_BYREF(v))
        return DISP_E_BADVARTYPE;
    if (V_VT(v) != (VT_BYREF | VT_VARIANT))
        return S_OK;
    const VARIANT* target = V_VARIANTREF(v);
    if (V_VT(target) & VT_BYREF)
        return DISP_E_BADVARTYPE;
    out = target;
    return S_OK;
}

bool isMissing(const VARIANT* v) { return !v || (V_VT(v) == VT_ERROR && V_ERROR(v) == DISP_E_PARAMNOTFOUND); }

// The argument for parameter `index`: a named one, or the positional one.
// Index of the argument in rgvarg for error reports, through position.
const VARIANT* argumentFor(const DISPPARAMS* params, UINT index, UINT& position)
{
    for (UINT i = 0; i < params->cNamedArgs; ++i) {
        if (params->rgdispidNamedArgs[i] == static_cast<DISPID>(index)) {
            position = i;
            return &params->rgvarg[i];
        }
    }
    const UINT positional = params->cArgs - params->cNamedArgs;
    if (index >= positional)
        return nullptr;
    // Positional arguments stand in reverse order after the named ones.
    position = params->cArgs - 1 - index;
    return &params->rgvarg[position];
}

HRESULT asDispatchError(HRESULT hr)
{
    if (hr == DISP_E_OVERFLOW || hr == E_OUTOFMEMORY || hr == DISP_E_BADVARTYPE)
        return hr;
    return DISP_E_TYPEMISMATCH;
}

// Reads parameter `index` as `type` into `to`. S_FALSE when the argument is
// left out (the caller keeps its default); on failure argError names the
// argument.
HRESULT readArgument(const DISPPARAMS* params, UINT index, VARTYPE type, win::Variant& to, UINT* argError)
{
    UINT position = 0;
    const VARIANT* given = nullptr;
    HRESULT hr = dereference(argumentFor(params, index, position), given);
    if (SUCCEEDED(hr)) {
        if (isMissing(given))
            return S_FALSE;
        hr = VariantChangeType(to.get(), const_cast<VARIANT*>(given), 0, type);
    }
    if (FAILED(hr) && argError)
        *argError = position;
    return FAILED(hr) ? asDispatchError(hr) : S_OK;
}

} // namespace

HRESULT readMsgBoxArguments(const DISPPARAMS* params, MsgBoxArguments& out, UINT* argError)
{
    static const DISPPARAMS none = {nullptr, nullptr, 0, 0};
    if (!params)
        params = &none;
    if (params->cArgs > ParameterCount || params->cNamedArgs > params->cArgs)
        return DISP_E_BADPARAMCOUNT;
    if (params->cArgs > 0 && !params->rgvarg)
        return E_INVALIDARG;
    if (params->cNamedArgs > 0 && !params->rgdispidNamedArgs)
        return E_INVALIDARG;
    for (UINT i = 0; i < params->cNamedArgs; ++i)
        if (params->rgdispidNamedArgs[i] < 0 || params->rgdispidNamedArgs[i] >= static_cast<DISPID>(ParameterCount))
            return DISP_E_PARAMNOTFOUND;

    win::Variant text;
    HRESULT hr = readArgument(params, 0, VT_BSTR, text, argError);
    RETURN_IF_FAILED(hr);
    if (hr == S_FALSE)
        return DISP_E_PARAMNOTOPTIONAL;
    out.message = win::toU16(V_BSTR(text.get()));

    win::Variant number;
    RETURN_IF_FAILED(hr = readArgument(params, 1, VT_I2, number, argError));
    if (hr == S_OK)
        out.buttons = V_I2(number.get());

    win::Variant title;
    RETURN_IF_FAILED(hr = readArgument(params, 2, VT_BSTR, title, argError));
    if (hr == S_OK)
        out.title = win::toU16(V_BSTR(title.get()));
    return S_OK;
}

} // namespace quillnote
