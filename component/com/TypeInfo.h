#pragma once
// The type information of the object's interface (_Quillnote2, with the
// members of _Quillnote it derives from) and of its class, read from the
// type library embedded in this library (never from the registry, so it
// works unregistered too).

#include "win/ComPtr.h"

#include <oaidl.h>

namespace quillnote {

struct QuillnoteTypeInfo {
    win::ComPtr<ITypeInfo> dispatch; // what IDispatch::GetTypeInfo hands out
    win::ComPtr<ITypeInfo> vtable;   // the dual interface's vtable side, for Invoke
    win::ComPtr<ITypeInfo> coclass;  // the class, for IProvideClassInfo
};

HRESULT loadQuillnoteTypeInfo(QuillnoteTypeInfo& out);

} // namespace quillnote
