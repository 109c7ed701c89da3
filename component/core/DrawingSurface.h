#pragma once
// The drawing surface that the painters draw on: a picture box in the
// dialog, a memory raster in tests and benchmarks. Coordinates are in the
// surface's current scale; Width and Height are its size in its container's
// scale (twips), which the linear painter uses for its bands.

#include "Values.h"

#include <cstdint>
#include <functional>

namespace quillnote {

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};

// 0x00BBGGRR of a colour composed from channels; a channel above 255 counts
// as 255 and one below 0 as 0.
std::uint32_t composeRgb(const Rgb& c);
Rgb splitRgb(std::uint32_t bgr);

// GetSysColor: index -> 0x00BBGGRR.
using SystemColourLookup = std::function<std::uint32_t(int index)>;

// A colour of the component as 0x00BBGGRR: system references through lookup.
std::uint32_t resolveColour(Colour colour, const SystemColourLookup& lookup);

enum ScaleMode { ScaleUser = 0, ScaleTwips = 1, ScalePixels = 3 };
constexpr int DrawModeCopyPen = 13;

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    virtual double width() const = 0;
    virtual double height() const = 0;
    virtual bool autoRedraw() const = 0;
    virtual void setAutoRedraw(bool on) = 0;
    virtual Colour backColor() const = 0;
    virtual void setBackColor(Colour colour) = 0;
    // Fills the whole surface with the back colour.
    virtual void cls() = 0;

    virtual void setDrawMode(int mode) = 0;
    virtual int drawWidth() const = 0;
    virtual void setDrawWidth(int pixels) = 0;
    virtual int scaleMode() const = 0;
    virtual void setScaleMode(int mode) = 0;
    virtual double scaleWidth() const = 0;
    virtual void setScaleWidth(double units) = 0;
    virtual double scaleHeight() const = 0;
    virtual void setScaleHeight(double units) = 0;

    // A box filled and outlined in colour, corners included.
    virtual void fillBox(double x1, double y1, double x2, double y2, Rgb colour) = 0;
    // A line from (x1, y1) to (x2, y2); lineTo continues from the last point.
    virtual void line(double x1, double y1, double x2, double y2, Rgb colour) = 0;
    virtual void lineTo(double x, double y, Rgb colour) = 0;
    // A circle's outline; the radius is measured along the horizontal axis.
    virtual void circle(double x, double y, double radius, Rgb colour) = 0;

    // Drawing under: until it ends, each drawing shows only where no drawing
    // since it began has drawn, as if it had been drawn before them all. A
    // painter whose shapes overlap draws them from the last to the first
    // this way, and each pixel is written once. A surface that cannot draw
    // under says false and goes on drawing over.
    virtual bool beginDrawingUnder() { return false; }
    virtual void endDrawingUnder() {}
};

} // namespace quillnote
