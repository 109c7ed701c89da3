#include "Gdi.h"

#include "DibSections.h"

#include <utility>

namespace quillnote::forms {

BITMAPINFO topDownDibInfo(int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

void Canvas::release()
{
    if (dc_ && original_)
        SelectObject(dc_.get(), original_);
    original_ = nullptr;
    dc_.reset();
    keepDibSection(std::exchange(section_, DibSection{}));
    width_ = height_ = 0;
}

void Canvas::take(Canvas& other)
{
    dc_ = std::move(other.dc_);
    section_ = std::exchange(other.section_, DibSection{});
    original_ = std::exchange(other.original_, nullptr);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
}

bool Canvas::create(HDC compatible, int width, int height)
{
    release();
    const int w = width > 0 ? width : 1;
    const int h = height > 0 ? height : 1;
    DibSection section = takeDibSection(w, h);
    if (!section.bitmap)
        return false;
    UniqueMemoryDc dc(CreateCompatibleDC(compatible));
    if (!dc) {
        keepDibSection(std::move(section));
        return false;
    }
    original_ = SelectObject(dc.get(), section.bitmap.get());
    dc_ = std::move(dc);
    section_ = std::move(section);
    width_ = w;
    height_ = h;
    return true;
}

} // namespace quillnote::forms
