#pragma once
// A picture box as the painters' drawing surface. The box is repainted once
// when the surface goes, not after every band.

#include "PictureBox.h"
#include "core/DrawingSurface.h"

#include <optional>

namespace quillnote::forms {

class PictureBoxSurface : public DrawingSurface {
public:
    explicit PictureBoxSurface(PictureBox& box) : box_(box) {}
    ~PictureBoxSurface() override { box_.invalidateAll(); }
    PictureBoxSurface(const PictureBoxSurface&) = delete;
    PictureBoxSurface& operator=(const PictureBoxSurface&) = delete;

    double width() const override { return box_.bounds().width; }
    double height() const override { return box_.bounds().height; }
    bool autoRedraw() const override { return box_.autoRedraw(); }
    void setAutoRedraw(bool on) override
    {
        raster_.reset();
        box_.setAutoRedraw(on);
    }
    Colour backColor() const override { return box_.backColor(); }
    void setBackColor(Colour colour) override
    {
        raster_.reset();
        box_.setBackColor(colour);
    }
    // Clears the box; drawing under starts again from nothing drawn.
    void cls() override
    {
        raster_.reset();
        if (coverage_)
            coverage_.emplace();
        box_.cls();
    }
    void setDrawMode(int mode) override { box_.setDrawMode(mode); }
    int drawWidth() const override { return box_.drawWidth(); }
    void setDrawWidth(int pixels) override { box_.setDrawWidth(pixels); }
    int scaleMode() const override { return box_.scale().mode(); }
    void setScaleMode(int mode) override { box_.scale().setMode(mode); }
    double scaleWidth() const override { return box_.scale().width(); }
    void setScaleWidth(double units) override { box_.scale().setWidth(units); }
    double scaleHeight() const override { return box_.scale().height(); }
    void setScaleHeight(double units) override { box_.scale().setHeight(units); }
    // The painters switch the persistent picture on before they draw, and
    // the drawing goes straight into its pixels. Without a persistent picture
    // a drawing would be gone at the next repaint; it is not done at all.
    void fillBox(double x1, double y1, double x2, double y2, Rgb c) override;
    void line(double x1, double y1, double x2, double y2, Rgb c) override;
    void lineTo(double x, double y, Rgb c) override { line(lastX_, lastY_, x, y, c); }
    void circle(double x, double y, double radius, Rgb c) override;
    bool beginDrawingUnder() override;
    void endDrawingUnder() override;

private:
    // The persistent picture's pixels, taken once for a run of drawings
    // (taking them flushes the GDI drawing done so far, and a fade draws 256
    // rings) and again after anything that draws through GDI or may make a
    // new picture.
    PixelRaster& raster();

    PictureBox& box_;
    std::optional<PixelRaster> raster_;
    std::optional<RowCoverage> coverage_;
    double lastX_ = 0, lastY_ = 0;
};

// GetSysColor, for the painters.
SystemColourLookup systemColours();

} // namespace quillnote::forms
