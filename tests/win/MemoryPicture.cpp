#include "MemoryPicture.h"

#include "forms/Gdi.h"

namespace quillnote::test {

MemoryPicture::MemoryPicture(int width, int height) : width_(width), height_(height)
{
    const BITMAPINFO info = forms::topDownDibInfo(width, height);
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    original_ = SelectObject(dc_, bitmap_);
}

MemoryPicture::~MemoryPicture()
{
    SelectObject(dc_, original_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void MemoryPicture::fill(COLORREF colour)
{
    RECT all = {0, 0, width_, height_};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
}

} // namespace quillnote::test
