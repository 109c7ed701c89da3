#include "Gdi.h"

namespace quillnote::forms {

bool Canvas::create(HDC compatible, int width, int height)
{
    if (dc_ && original_)
        SelectObject(dc_.get(), original_);
    original_ = nullptr;
    bitmap_.reset();
    dc_.reset();
    width_ = width > 0 ? width : 1;
    height_ = height > 0 ? height : 1;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap_.reset(CreateDIBSection(compatible, &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
    dc_.reset(CreateCompatibleDC(compatible));
    if (!bitmap_ || !dc_) {
        bitmap_.reset();
        dc_.reset();
        return false;
    }
    original_ = SelectObject(dc_.get(), bitmap_.get());
    return true;
}

unsigned Canvas::pixel(int x, int y) const
{
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0;
    GdiFlush();
    return static_cast<const unsigned*>(bits_)[y * width_ + x] & 0xFFFFFFu;
}

} // namespace quillnote::forms
