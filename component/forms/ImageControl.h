#pragma once
// A windowless image that shows a bitmap at its own size. The bitmap is
// shared: several images may show the same picture.

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
    Picture picture_;
};

} // namespace quillnote::forms
