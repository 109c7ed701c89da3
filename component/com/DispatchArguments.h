#pragma once
// Reads the arguments of a late-bound MsgBox call. ITypeInfo::Invoke cannot
// be trusted with them: an omitted optional String without a default value
// arrives as a VT_ERROR variant, and the type information's own invocation
// then hands its error code to the method as if it were a string pointer.
// Here every argument is looked up (by position or by name), converted, and
// replaced by its default when it is missing.

#include <oaidl.h>

#include <cstdint>
#include <string>

namespace quillnote {

struct MsgBoxArguments {
    std::u16string message;
    std::int16_t buttons = 0;
    std::u16string title;
};

// S_OK, or the IDispatch error for the caller (DISP_E_PARAMNOTOPTIONAL,
// DISP_E_BADPARAMCOUNT, DISP_E_TYPEMISMATCH, DISP_E_OVERFLOW,
// DISP_E_PARAMNOTFOUND, E_OUTOFMEMORY) with argError set where it names an
// argument.
HRESULT readMsgBoxArguments(const DISPPARAMS* params, MsgBoxArguments& out, UINT* argError);

} // namespace quillnote
