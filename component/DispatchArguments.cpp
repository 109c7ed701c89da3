#include "DispatchArguments.h"

#include "Bstr.h"
#include "Variant.h"

#include <oleauto.h>

namespace quillnote {

namespace {

constexpr UINT ParameterCount = 3; // Message, Buttons, Title

bool isMissing(const VARIANT* v)
{
    if (!v)
        return true;
    if (V_VT(v) == VT_ERROR && V_ERROR(v) == DISP_E_PARAMNOTFOUND)
        return true;
    if (V_VT(v) == (VT_BYREF | VT_VARIANT) && V_VARIANTREF(v))
        return isMissing(V_VARIANTREF(v));
    return false;
}

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

HRESULT convert(const VARIANT* from, VARTYPE type, win::Variant& to)
{
    // VariantChangeType reads through references, so a script's variables
    // passed by reference work too.
    return VariantChangeType(to.get(), const_cast<VARIANT*>(from), 0, type);
}

HRESULT asDispatchError(HRESULT hr)
{
    if (hr == DISP_E_OVERFLOW || hr == E_OUTOFMEMORY)
        return hr;
    return DISP_E_TYPEMISMATCH;
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

    UINT position = 0;
    const VARIANT* message = argumentFor(params, 0, position);
    if (isMissing(message))
        return DISP_E_PARAMNOTOPTIONAL;
    win::Variant text;
    if (HRESULT hr = convert(message, VT_BSTR, text); FAILED(hr)) {
        if (argError)
            *argError = position;
        return asDispatchError(hr);
    }
    out.message = win::toU16(V_BSTR(text.get()));

    const VARIANT* buttons = argumentFor(params, 1, position);
    if (!isMissing(buttons)) {
        win::Variant number;
        if (HRESULT hr = convert(buttons, VT_I2, number); FAILED(hr)) {
            if (argError)
                *argError = position;
            return asDispatchError(hr);
        }
        out.buttons = V_I2(number.get());
    }

    const VARIANT* title = argumentFor(params, 2, position);
    if (!isMissing(title)) {
        win::Variant titleText;
        if (HRESULT hr = convert(title, VT_BSTR, titleText); FAILED(hr)) {
            if (argError)
                *argError = position;
            return asDispatchError(hr);
        }
        out.title = win::toU16(V_BSTR(titleText.get()));
    }
    return S_OK;
}

} // namespace quillnote
