#include "Gdi.h"

#include <utility>

namespace quillnote::forms {

void Canvas::release()
{
    if (dc_ && original_)
        SelectObject(dc_.get(), original_);
    original_ = nullptr;
    bits_ = nullptr;
    dc_.reset();
    bitmap_.reset();
    width_ = height_ = 0;
}

void Canvas::take(Canvas& other)
{
    dc_ = std::move(other.dc_);
    bitmap_ = std::move(other.bitmap_);
    original_ = std::exchange(other.original_, nullptr);
    bits_ = std::exchange(other.bits_, nullptr);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
}

bool Canvas::create(HDC compatible, int width, int height)
{
    release();
    const int w = width > 0 ? width : 1;
    const int h = height > 0 ? height : 1;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(compatible, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    UniqueMemoryDc dc(CreateCompatibleDC(compatible));
    if (!bitmap || !dc)
        return false;
    original_ = SelectObject(dc.get(), bitmap.get());
    dc_ = std::move(dc);
    bitmap_ = std::move(bitmap);
    bits_ = bits;
    width_ = w;
    height_ = h;
    return true;
}

} // namespace quillnote::forms
