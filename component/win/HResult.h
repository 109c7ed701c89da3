#pragma once
// Error propagation on the Win32 side: HRESULTs travel up through these
// macros; no exception ever leaves a COM method, a window procedure or an
// entry point (CATCH_RETURN turns one into an HRESULT).

#include <windows.h>

#include <new>

#define RETURN_IF_FAILED(expr)            \
    do {                                  \
        const HRESULT hr_ = (expr);       \
        if (FAILED(hr_))                  \
            return hr_;                   \
    } while (0)

#define RETURN_HR_IF(hr, condition)       \
    do {                                  \
        if (condition)                    \
            return (hr);                  \
    } while (0)

#define RETURN_IF_WIN32_ERROR(expr)                        \
    do {                                                   \
        const LONG err_ = (expr);                          \
        if (err_ != ERROR_SUCCESS)                         \
            return HRESULT_FROM_WIN32(err_);               \
    } while (0)

#define RETURN_LAST_ERROR_IF_NULL(expr)                                        \
    do {                                                                       \
        if ((expr) == nullptr) {                                               \
            const DWORD err_ = GetLastError();                                 \
            return err_ ? HRESULT_FROM_WIN32(err_) : E_FAIL;                   \
        }                                                                      \
    } while (0)

#define CATCH_RETURN()                                   \
    catch (const std::bad_alloc&) { return E_OUTOFMEMORY; } \
    catch (...) { return E_UNEXPECTED; }
