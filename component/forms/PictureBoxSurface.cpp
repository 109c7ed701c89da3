#include "PictureBoxSurface.h"

namespace quillnote::forms {

PixelRaster& PictureBoxSurface::raster()
{
    if (!raster_) {
        raster_ = box_.persistentRaster();
        raster_->drawUnder(coverage_ ? &*coverage_ : nullptr);
    }
    return *raster_;
}

bool PictureBoxSurface::beginDrawingUnder()
{
    coverage_.emplace();
    if (raster_)
        raster_->drawUnder(&*coverage_);
    return true;
}

void PictureBoxSurface::endDrawingUnder()
{
    if (raster_)
        raster_->drawUnder(nullptr);
    coverage_.reset();
}

void PictureBoxSurface::fillBox(double x1, double y1, double x2, double y2, Rgb c)
{
    drawScaledBox(raster(), box_.scale(), x1, y1, x2, y2, c);
    lastX_ = x2;
    lastY_ = y2;
}

void PictureBoxSurface::line(double x1, double y1, double x2, double y2, Rgb c)
{
    drawScaledLine(raster(), box_.scale(), box_.drawWidth(), x1, y1, x2, y2, c);
    lastX_ = x2;
    lastY_ = y2;
}

void PictureBoxSurface::circle(double x, double y, double radius, Rgb c)
{
    drawScaledCircle(raster(), box_.scale(), box_.drawWidth(), x, y, radius, c);
    lastX_ = x;
    lastY_ = y;
}

SystemColourLookup systemColours()
{
    return [](int index) { return static_cast<std::uint32_t>(GetSysColor(index)); };
}

} // namespace quillnote::forms
