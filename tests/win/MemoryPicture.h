#pragma once
// A 32-bit top-down picture with its own memory DC, for tests that draw
// into it and read its pixels.

#include <windows.h>

#include <cstddef>

namespace quillnote::test {

class MemoryPicture {
public:
    MemoryPicture(int width, int height);
    ~MemoryPicture();
    MemoryPicture(const MemoryPicture&) = delete;
    MemoryPicture& operator=(const MemoryPicture&) = delete;

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // The pixel as 0x00RRGGBB; call flush() after drawing and before reading.
    DWORD pixel(int x, int y) const { return bits_[static_cast<std::size_t>(y) * width_ + x] & 0xFFFFFF; }
    void flush() const { GdiFlush(); }
    void fill(COLORREF colour);

private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ original_ = nullptr;
    DWORD* bits_ = nullptr;
};

} // namespace quillnote::test
