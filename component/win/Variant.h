#pragma once
// Owner of a VARIANT: initialised empty, cleared (its string or interface
// released) when it goes.

#include <windows.h>
#include <oleauto.h>

namespace quillnote::win {

class Variant {
public:
    Variant() { VariantInit(&v_); }
    ~Variant() { VariantClear(&v_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    VARIANT* get() { return &v_; }
    const VARIANT& operator*() const { return v_; }

private:
    VARIANT v_;
};

} // namespace quillnote::win
