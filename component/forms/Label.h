#pragma once
// A windowless label with a transparent background. With AutoSize (and no
// word wrap) writing the caption sizes the label to its text in its font:
// the width of the widest line and the height of all lines.

#include "Control.h"
#include "Font.h"
#include "LabelText.h"
#include "core/Values.h"

#include <memory>
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

    // Shows the text through an area of the container (twips) with its
    // lines moved up by `scrolledDown` and left by `scrolledAcross` twips.
    // An area without width or height leaves that direction whole and
    // unmoved; an empty area shows all of the text.
    void setView(const TwipsRect& area, double scrolledDown, double scrolledAcross);

    void paint(HDC dc, const Units& units) const override;

private:
    void autoSize();

    FontSpec fontSpec_;
    int dpi_ = 0; // 0: the screen's
    Font font_;
    const Units& units_;
    std::u16string caption_;
    // The caption laid out in the label's font: what autoSize measures and
    // paint draws.
    std::unique_ptr<LabelText> text_;
    Colour foreColor_ = 0;
    Alignment alignment_ = Alignment::Left;
    TwipsRect view_;
    double scrolledDown_ = 0, scrolledAcross_ = 0;
};

} // namespace quillnote::forms
