#pragma once
// One move-only owner per kind of handle. A raw handle is always borrowed;
// these own theirs and release it exactly once.

#include <windows.h>

#include <utility>

namespace quillnote::win {

template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : handle_(h) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::invalid(); }

    // For functions that return a handle through a pointer.
    Handle* put()
    {
        reset();
        return &handle_;
    }

    Handle release() { return std::exchange(handle_, Traits::invalid()); }

    void reset(Handle h = Traits::invalid())
    {
        Handle old = std::exchange(handle_, h);
        if (old != Traits::invalid())
            Traits::close(old);
    }

private:
    Handle handle_ = Traits::invalid();
};

struct RegKeyTraits {
    using Handle = HKEY;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { RegCloseKey(h); }
};
using UniqueRegKey = UniqueHandle<RegKeyTraits>;

struct ModuleTraits {
    using Handle = HMODULE;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { FreeLibrary(h); }
};
using UniqueModule = UniqueHandle<ModuleTraits>;

struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { CloseHandle(h); }
};
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;

} // namespace quillnote::win
