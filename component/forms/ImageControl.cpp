#include "ImageControl.h"

#include "Units.h"
#include "Window.h"

namespace quillnote::forms {

Picture loadBitmapPicture(int resourceId)
{
    auto bitmap = static_cast<HBITMAP>(
        LoadImageW(thisModule(), MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap)
        return nullptr;
    return std::make_shared<UniqueBitmap>(bitmap);
}

void ImageControl::setPicture(Picture picture)
{
    picture_ = std::move(picture);
    invalidate();
}

void ImageControl::paint(HDC dc, const Units& units) const
{
    if (!visible_ || !picture_ || !*picture_)
        return;
    BITMAP info = {};
    GetObjectW(picture_->get(), sizeof(info), &info);
    UniqueMemoryDc source(CreateCompatibleDC(dc));
    if (!source)
        return;
    SelectGuard select(source.get(), picture_->get());
    BitBlt(dc, units.xPixels(bounds_.left), units.yPixels(bounds_.top), info.bmWidth, info.bmHeight, source.get(), 0, 0,
           SRCCOPY);
}

} // namespace quillnote::forms
