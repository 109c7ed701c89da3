#pragma once
// A check box on a picture box: a box that shows whether it is checked and
// a caption beside it ("&" marks its access key), drawn over the picture
// box's own picture. It takes the focus and the keys as the buttons do and
// is in their Tab order; Space, a click or its access key toggles it, and
// Enter on it presses the form's default button.

#include "CommandButton.h"

namespace quillnote::forms {

class CheckBox : public CommandButton {
public:
    explicit CheckBox(Form& form) : CommandButton(form) {}

    bool checked() const { return checked_; }
    void setChecked(bool on);

    // Toggles it, then raises Click.
    void click() override;

    // The width and height the box and its caption take, in twips.
    double fullWidth() const;
    double fullHeight() const;

protected:
    void draw(const DRAWITEMSTRUCT& item) const override;
    void enterPressed() override;

private:
    // The square's side and the gap after it, in pixels at the form's
    // resolution.
    int boxPixels() const;
    int gapPixels() const;

    bool checked_ = false;
};

} // namespace quillnote::forms
