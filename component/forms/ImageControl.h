#pragma once
// A windowless image that shows a bitmap at its own size. The bitmap is
// shared: several images may show the same picture. Pictures are drawn for
// 96 DPI: at another resolution "its own size" is the same size in twips,
// and the bitmap is resized smoothly to it (once per picture and size).

#include "Control.h"
#include "Gdi.h"

#include <memory>

namespace quillnote::forms {

using Picture = std::shared_ptr<UniqueBitmap>;

// A bitmap resource of this module as a picture; empty when it is missing.
Picture loadBitmapPicture(int resourceId);

class ImageControl : public WindowlessControl {
public:
    const Picture& picture() const { return picture_; }
    void setPicture(Picture picture);

    void paint(HDC dc, const Units& units) const override;

private:
    // The bitmap to draw at width x height pixels: the picture itself at its
    // own pixel size, else a resized copy.
    HBITMAP bitmapAt(const BITMAP& info, int width, int height) const;

    Picture picture_;
    mutable Picture resizedFrom_;
    mutable UniqueBitmap resized_;
    mutable int resizedWidth_ = 0, resizedHeight_ = 0;
};

} // namespace quillnote::forms
