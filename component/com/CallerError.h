#pragma once
// A failure told to the caller in the caller's own terms: the error object
// of the thread (IErrorInfo, which early-bound clients read through
// ISupportErrorInfo, and which ITypeInfo::Invoke passes on to late-bound
// ones), and the EXCEPINFO that a script host displays.

#include <windows.h>
#include <oaidl.h>

#include <string>

namespace quillnote {

// Sets the thread's error object for `status` with `description`; returns
// `status`.
HRESULT setCallerError(HRESULT status, const std::wstring& description);

// Fills `exception` (when the caller gave one) for `status` with
// `description`, and returns what IDispatch::Invoke answers: DISP_E_EXCEPTION
// with an EXCEPINFO, `status` itself without one.
HRESULT exceptionForCaller(HRESULT status, const std::wstring& description, EXCEPINFO* exception);

} // namespace quillnote
