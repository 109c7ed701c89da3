#include "Gdi.h"

#include "DibSections.h"

#include <utility>

namespace quillnote::forms {

void Canvas::release()
{
    if (dc_ && original_)
        SelectObject(dc_.get(), original_);
    original_ = nullptr;
    dc_.reset();
    keepDibSection(std::move(section_));
    section_ = DibSection{};
    width_ = height_ = 0;
}

void Canvas::take(Canvas& other)
{
    dc_ = std::move(other.dc_);
    section_ = std::move(other.section_);
    other.section_ = DibSection{};
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
