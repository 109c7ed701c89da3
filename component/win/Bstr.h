#pragma once
// Owner of an automation string (BSTR), and conversions to and from the
// portable UTF-16 string. Lengths are always taken from the BSTR itself, so
// embedded NUL characters survive.

#include <windows.h>
#include <oleauto.h>

#include "Text.h"

#include <string>
#include <utility>

namespace quillnote::win {

class Bstr {
public:
    Bstr() = default;
    ~Bstr() { reset(); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    Bstr(Bstr&& other) noexcept : str_(std::exchange(other.str_, nullptr)) {}
    Bstr& operator=(Bstr&& other) noexcept
    {
        if (this != &other)
            reset(std::exchange(other.str_, nullptr));
        return *this;
    }

    // A copy of text; empty (null) on an empty text or when memory is short,
    // which ok() tells apart.
    static Bstr copyOf(const std::u16string& text)
    {
        Bstr out;
        if (!text.empty())
            out.str_ = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
        out.failed_ = !text.empty() && out.str_ == nullptr;
        return out;
    }

    // A copy of wide text, embedded NULs included.
    static Bstr copyOf(std::wstring_view text) { return copyOf(toU16(text)); }

    // Takes over a BSTR that the caller owns (one a method returned).
    static Bstr adopt(BSTR s)
    {
        Bstr out;
        out.str_ = s;
        return out;
    }

    BSTR get() const { return str_; }
    // The text, its length taken from the BSTR.
    std::wstring_view view() const { return str_ ? std::wstring_view(str_, SysStringLen(str_)) : std::wstring_view(); }
    bool ok() const { return !failed_; }
    BSTR* put()
    {
        reset();
        return &str_;
    }
    BSTR detach() { return std::exchange(str_, nullptr); }
    void reset(BSTR s = nullptr)
    {
        if (BSTR old = std::exchange(str_, s))
            SysFreeString(old);
    }

private:
    BSTR str_ = nullptr;
    bool failed_ = false;
};

// The text of a BSTR that the caller lends; a null BSTR is the empty text.
inline std::u16string toU16(BSTR s)
{
    if (!s)
        return {};
    return toU16(std::wstring_view(s, SysStringLen(s)));
}

} // namespace quillnote::win
