#pragma once
// Owning pointer to a COM interface: AddRef on copy, Release on destruction.

#include <unknwn.h>

#include <utility>

namespace quillnote::win {

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Takes a new reference to p.
    explicit ComPtr(T* p) : ptr_(p)
    {
        if (ptr_)
            ptr_->AddRef();
    }
    ~ComPtr() { reset(); }

    ComPtr(const ComPtr& other) : ComPtr(other.ptr_) {}
    ComPtr& operator=(const ComPtr& other)
    {
        ComPtr(other).swap(*this);
        return *this;
    }
    ComPtr(ComPtr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept
    {
        ComPtr(std::move(other)).swap(*this);
        return *this;
    }

    T* get() const { return ptr_; }
    T* operator->() const { return ptr_; }
    explicit operator bool() const { return ptr_ != nullptr; }

    // For functions that return an interface through T**.
    T** put()
    {
        reset();
        return &ptr_;
    }
    void** putVoid() { return reinterpret_cast<void**>(put()); }

    T* detach() { return std::exchange(ptr_, nullptr); }

    void reset()
    {
        if (T* old = std::exchange(ptr_, nullptr))
            old->Release();
    }

    void swap(ComPtr& other) noexcept { std::swap(ptr_, other.ptr_); }

    // The interface U, its IID taken from the type.
    template <typename U>
    HRESULT queryInterface(ComPtr<U>& out) const
    {
        return ptr_ ? ptr_->QueryInterface(__uuidof(U), out.putVoid()) : E_POINTER;
    }

private:
    T* ptr_ = nullptr;
};

} // namespace quillnote::win
