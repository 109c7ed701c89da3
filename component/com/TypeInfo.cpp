#include "TypeInfo.h"

#include "Module.h"
#include "Quillnote.h"
#include "win/HResult.h"

namespace quillnote {

HRESULT loadQuillnoteTypeInfo(QuillnoteTypeInfo& out)
{
    const std::wstring path = modulePath();
    RETURN_HR_IF(E_FAIL, path.empty());

    win::ComPtr<ITypeLib> library;
    RETURN_IF_FAILED(LoadTypeLibEx(path.c_str(), REGKIND_NONE, library.put()));

    win::ComPtr<ITypeInfo> dispatch;
    RETURN_IF_FAILED(library->GetTypeInfoOfGuid(IID__Quillnote2, dispatch.put()));
    win::ComPtr<ITypeInfo> coclass;
    RETURN_IF_FAILED(library->GetTypeInfoOfGuid(CLSID_Quillnote, coclass.put()));

    // For a dual interface the library hands out the dispatch side; its
    // implemented type -1 is the vtable side that ITypeInfo::Invoke needs.
    HREFTYPE vtableRef = 0;
    RETURN_IF_FAILED(dispatch->GetRefTypeOfImplType(static_cast<UINT>(-1), &vtableRef));
    win::ComPtr<ITypeInfo> vtable;
    RETURN_IF_FAILED(dispatch->GetRefTypeInfo(vtableRef, vtable.put()));

    out.dispatch = std::move(dispatch);
    out.vtable = std::move(vtable);
    out.coclass = std::move(coclass);
    return S_OK;
}

} // namespace quillnote
