#include "ImageControl.h"

#include "ScaledPicture.h"
#include "Units.h"
#include "Window.h"
#include "core/DpiScaling.h"

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
    const double designTwipsPerPixel = twipsPerPixelAt(DesignDpi);
    const int width = units.xPixels(info.bmWidth * designTwipsPerPixel);
    const int height = units.yPixels(info.bmHeight * designTwipsPerPixel);
    const HBITMAP bitmap = bitmapAt(info, width, height);
    if (!bitmap)
        return;
    UniqueMemoryDc source(CreateCompatibleDC(dc));
    if (!source)
        return;
    SelectGuard select(source.get(), bitmap);
    BitBlt(dc, units.xPixels(bounds_.left), units.yPixels(bounds_.top), width, height, source.get(), 0, 0, SRCCOPY);
}

HBITMAP ImageControl::bitmapAt(const BITMAP& info, int width, int height) const
{
    if (width == info.bmWidth && height == info.bmHeight)
        return picture_->get();
    if (resizedFrom_ != picture_ || resizedWidth_ != width || resizedHeight_ != height) {
        resized_ = scaledBitmap(picture_->get(), width, height);
        resizedFrom_ = picture_;
        resizedWidth_ = width;
        resizedHeight_ = height;
    }
    return resized_.get();
}

} // namespace quillnote::forms
