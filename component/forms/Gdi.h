#pragma once
// Owners and guards for GDI objects and device contexts. Stock objects are
// never wrapped: they are borrowed, not owned.

#include "win/UniqueHandle.h"

#include <windows.h>

#include <cstdint>
#include <utility>

namespace quillnote::forms {

template <typename T>
struct TypedGdiTraits {
    using Handle = T;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { DeleteObject(h); }
};
using UniqueBitmap = win::UniqueHandle<TypedGdiTraits<HBITMAP>>;
using UniqueFont = win::UniqueHandle<TypedGdiTraits<HFONT>>;
using UniqueBrush = win::UniqueHandle<TypedGdiTraits<HBRUSH>>;
using UniquePen = win::UniqueHandle<TypedGdiTraits<HPEN>>;

struct MemoryDcTraits {
    using Handle = HDC;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { DeleteDC(h); }
};
using UniqueMemoryDc = win::UniqueHandle<MemoryDcTraits>;

struct IconTraits {
    using Handle = HICON;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { DestroyIcon(h); }
};
using UniqueIcon = win::UniqueHandle<IconTraits>;

// GetDC (or GetDCEx with the given flags) / ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDc(HWND window, DWORD flags) : window_(window), dc_(GetDCEx(window, nullptr, flags)) {}
    ~WindowDc() { release(); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    WindowDc(WindowDc&& other) noexcept
        : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr))
    {}
    WindowDc& operator=(WindowDc&& other) noexcept
    {
        if (this != &other) {
            release();
            window_ = std::exchange(other.window_, nullptr);
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    HDC get() const { return dc_; }

private:
    void release()
    {
        if (dc_)
            ReleaseDC(window_, dc_);
        dc_ = nullptr;
    }

    HWND window_;
    HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintDc() { EndPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC get() const { return dc_; }
    const RECT& area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_ = {};
    HDC dc_ = nullptr;
};

// SelectObject, restoring the previous object when it goes.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~SelectGuard()
    {
        if (previous_)
            SelectObject(dc_, previous_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// SaveDC / RestoreDC, for drawing that changes modes or clipping.
class SavedDc {
public:
    explicit SavedDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDc()
    {
        if (saved_)
            RestoreDC(dc_, saved_);
    }
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;

private:
    HDC dc_;
    int saved_;
};

// The description of a 32-bit DIB of the size whose rows run from the top.
BITMAPINFO topDownDibInfo(int width, int height);

// A 32-bit top-down DIB section: the bitmap, its pixels and its own size.
struct DibSection {
    UniqueBitmap bitmap;
    std::uint32_t* bits = nullptr;
    int width = 0, height = 0;
};

// A 32-bit top-down DIB section selected into its own memory DC: the
// persistent picture of a picture box, and the back buffer of a paint.
// Movable, so that a new picture can take the place of the old one. Its
// bitmap comes from and goes back to the kept sections (DibSections.h), so
// it may be larger than the canvas: rows are stride() pixels apart.
class Canvas {
public:
    Canvas() = default;
    ~Canvas() { release(); }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    Canvas(Canvas&& other) noexcept { take(other); }
    Canvas& operator=(Canvas&& other) noexcept
    {
        if (this != &other) {
            release();
            take(other);
        }
        return *this;
    }

    // A canvas of the size; its pixels are undefined until painted.
    bool create(HDC compatible, int width, int height);
    bool valid() const { return static_cast<bool>(dc_); }
    HDC dc() const { return dc_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }
    // The pixels themselves, rows top to bottom, 0x00RRGGBB, stride() pixels
    // apart. Call GdiFlush before touching them after drawing through the DC.
    std::uint32_t* bits() const { return section_.bits; }
    int stride() const { return section_.width; }

private:
    // Puts the DC's own bitmap back, deletes the DC and gives the bitmap
    // back for reuse.
    void release();
    void take(Canvas& other);

    UniqueMemoryDc dc_;
    DibSection section_;
    HGDIOBJ original_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

} // namespace quillnote::forms
