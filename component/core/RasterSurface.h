#pragma once
// A drawing surface in memory: a pixel raster with a persistent picture, for
// testing and measuring the painters without a window system.

#include "DrawingSurface.h"
#include "PixelRaster.h"
#include "SurfaceScale.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace quillnote {

class RasterSurface : public DrawingSurface {
public:
    RasterSurface(int pixelWidth, int pixelHeight, double twipsPerPixel = 15.0, SystemColourLookup lookup = {});

    int pixelWidth() const { return width_; }
    int pixelHeight() const { return height_; }
    // 0x00BBGGRR of a pixel; 0 outside.
    std::uint32_t pixel(int x, int y) const;
    Rgb rgbAt(int x, int y) const { return splitRgb(pixel(x, y)); }
    int clsCount() const { return clsCount_; }

    double width() const override { return width_ * tpp_; }
    double height() const override { return height_ * tpp_; }
    bool autoRedraw() const override { return autoRedraw_; }
    void setAutoRedraw(bool on) override { autoRedraw_ = on; }
    Colour backColor() const override { return backColor_; }
    void setBackColor(Colour colour) override { backColor_ = colour; }
    void cls() override;
    // Every drawing copies its pen, the one mode the painters ask for.
    void setDrawMode(int) override {}
    int drawWidth() const override { return drawWidth_; }
    void setDrawWidth(int pixels) override { drawWidth_ = pixels < 1 ? 1 : pixels; }
    int scaleMode() const override { return scale_.mode(); }
    void setScaleMode(int mode) override { scale_.setMode(mode); }
    double scaleWidth() const override { return scale_.width(); }
    void setScaleWidth(double units) override { scale_.setWidth(units); }
    double scaleHeight() const override { return scale_.height(); }
    void setScaleHeight(double units) override { scale_.setHeight(units); }
    void fillBox(double x1, double y1, double x2, double y2, Rgb colour) override;
    void line(double x1, double y1, double x2, double y2, Rgb colour) override;
    void lineTo(double x, double y, Rgb colour) override;
    void circle(double x, double y, double radius, Rgb colour) override;
    bool beginDrawingUnder() override;
    void endDrawingUnder() override { coverage_.reset(); }

private:
    PixelRaster raster();

    int width_, height_;
    double tpp_;
    SystemColourLookup lookup_;
    std::vector<std::uint32_t> pixels_;
    SurfaceScale scale_;
    bool autoRedraw_ = false;
    Colour backColor_ = 0xFFFFFF;
    int drawWidth_ = 1;
    double lastX_ = 0, lastY_ = 0;
    int clsCount_ = 0;
    std::optional<RowCoverage> coverage_;
};

} // namespace quillnote
