#include "CallerError.h"

#include "Quillnote.h"
#include "win/Bstr.h"
#include "win/ComPtr.h"

#include <oleauto.h>

namespace quillnote {

namespace {

// What the error says it came from: the ProgID, as script hosts show it.
constexpr wchar_t Source[] = L"QuillnoteLib.Quillnote";

} // namespace

HRESULT setCallerError(HRESULT status, const std::wstring& description)
{
    win::ComPtr<ICreateErrorInfo> create;
    if (FAILED(CreateErrorInfo(create.put())))
        return status;
    create->SetGUID(IID__Quillnote);
    create->SetSource(const_cast<LPOLESTR>(Source));
    create->SetDescription(const_cast<LPOLESTR>(description.c_str()));
    win::ComPtr<IErrorInfo> info;
    if (SUCCEEDED(create.queryInterface(info)))
        SetErrorInfo(0, info.get());
    return status;
}

HRESULT exceptionForCaller(HRESULT status, const std::wstring& description, EXCEPINFO* exception)
{
    setCallerError(status, description);
    if (!exception)
        return status;
    *exception = EXCEPINFO{};
    exception->scode = status;
    exception->bstrSource = win::Bstr::copyOf(std::wstring_view(Source)).detach();
    exception->bstrDescription = win::Bstr::copyOf(std::wstring_view(description)).detach();
    return DISP_E_EXCEPTION;
}

} // namespace quillnote
