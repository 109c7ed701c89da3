#pragma once
// Error propagation on the Win32 side: HRESULTs travel up through these
// macros; no exception ever leaves a COM method, a window procedure or an
// entry point (CATCH_RETURN turns one into an HRESULT).

#include "FailureReport.h"

#include <windows.h>

#include <new>

// Each failure is reported (expression, file, line, HRESULT) before it is
// returned.
#define QUILLNOTE_REPORT(what, hr) ::quillnote::win::reportFailure(what, __FILE__, __LINE__, hr)

#define RETURN_IF_FAILED(expr)                                                                                         \
    do {                                                                                                               \
        const HRESULT hr_ = (expr);                                                                                    \
        if (FAILED(hr_)) {                                                                                             \
            QUILLNOTE_REPORT(#expr, hr_);                                                                              \
            return hr_;                                                                                                \
        }                                                                                                              \
    } while (0)

#define RETURN_HR_IF(hr, condition)                                                                                    \
    do {                                                                                                               \
        if (condition) {                                                                                               \
            QUILLNOTE_REPORT(#condition, (hr));                                                                        \
            return (hr);                                                                                               \
        }                                                                                                              \
    } while (0)

#define RETURN_IF_WIN32_ERROR(expr)                                                                                    \
    do {                                                                                                               \
        const LONG err_ = (expr);                                                                                      \
        if (err_ != ERROR_SUCCESS) {                                                                                   \
            QUILLNOTE_REPORT(#expr, HRESULT_FROM_WIN32(err_));                                                         \
            return HRESULT_FROM_WIN32(err_);                                                                           \
        }                                                                                                              \
    } while (0)

#define RETURN_LAST_ERROR_IF_NULL(expr)                                                                                \
    do {                                                                                                               \
        if ((expr) == nullptr) {                                                                                       \
            const DWORD err_ = GetLastError();                                                                         \
            const HRESULT hr_ = err_ ? HRESULT_FROM_WIN32(err_) : E_FAIL;                                              \
            QUILLNOTE_REPORT(#expr, hr_);                                                                              \
            return hr_;                                                                                                \
        }                                                                                                              \
    } while (0)

#define CATCH_RETURN()                                                                                                 \
    catch (const std::bad_alloc&)                                                                                      \
    {                                                                                                                  \
        QUILLNOTE_REPORT("allocation", E_OUTOFMEMORY);                                                                 \
        return E_OUTOFMEMORY;                                                                                          \
    }                                                                                                                  \
    catch (...)                                                                                                        \
    {                                                                                                                  \
        QUILLNOTE_REPORT("exception", E_UNEXPECTED);                                                                   \
        return E_UNEXPECTED;                                                                                           \
    }
