#pragma once
// A windowless label with a transparent background. With AutoSize (and no
// word wrap) writing the caption sizes the label to its text in its font:
// the width of the widest line and the height of all lines.

#include "Control.h"
#include "Font.h"
#include "core/Values.h"

#include <string>

namespace quillnote::forms {

enum class Alignment { Left = 0, Right = 1, Center = 2 };

class Label : public WindowlessControl {
public:
    // The font at the screen's resolution, or at the one given.
    Label(const FontSpec& font, const Units& units);
    Label(const FontSpec& font, const Units& units, int dpi);

    // The font at another resolution; the label sizes itself to its caption
    // again.
    void setDpi(int dpi);

    const std::u16string& caption() const { return caption_; }
    void setCaption(std::u16string caption);
    Colour foreColor() const { return foreColor_; }
    void setForeColor(Colour c);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a);
    void setAlignment(int value);

    // Shows the text through a band of the container (top and height in
    // twips) with its lines moved up by `scrolled` twips; a height of 0 or
    // less shows all of it unmoved.
    void setView(double top, double height, double scrolled);
    double scrolled() const { return scrolled_; }

    void paint(HDC dc, const Units& units) const override;

private:
    void autoSize();

    FontSpec fontSpec_;
    int dpi_ = 0; // 0: the screen's
    Font font_;
    const Units& units_;
    std::u16string caption_;
    Colour foreColor_ = 0;
    Alignment alignment_ = Alignment::Left;
    double viewTop_ = 0, viewHeight_ = 0, scrolled_ = 0;
};

} // namespace quillnote::forms
