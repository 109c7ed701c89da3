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
    Label(const FontSpec& font, const Units& units);

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

    Font font_;
    const Units& units_;
    std::u16string caption_;
    // The caption laid out in the label's font: what autoSize measures and
    // paint draws.
    std::unique_ptr<LabelText> text_;
    Colour foreColor_ = 0;
    Alignment alignment_ = Alignment::Left;
    double viewTop_ = 0, viewHeight_ = 0, scrolled_ = 0;
};

} // namespace quillnote::forms
