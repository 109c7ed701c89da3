#pragma once
// A child window of a form (a picture box, a command button): it knows its
// form, keeps its place and size in twips and moves its window when they
// change, and brackets each of its messages for the form, so that a form
// freed from a handler is freed only once no message of its windows is being
// handled.

#include "Control.h"
#include "Window.h"

namespace quillnote::forms {

class Form;

class FormChild : public Window {
public:
    explicit FormChild(Form& form) : form_(form) {}

    Form& form() const { return form_; }
    const TwipsRect& bounds() const { return bounds_; }
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    // Place and size at once: one move of the window instead of one for
    // each of them.
    void setPlace(const TwipsRect& bounds);
    // Moves the window to its place again, in the form's current units (after
    // a change of resolution).
    void placeAgain() { placeWindow(); }

protected:
    // Takes the place and size before the window is created.
    void setBounds(const TwipsRect& bounds) { bounds_ = bounds; }
    // The place and size changed (the window, if any, has moved already).
    virtual void boundsChanged() {}

    void beginDispatch() override;
    void endDispatch() override;

private:
    void placeWindow();

    Form& form_;
    TwipsRect bounds_;
};

} // namespace quillnote::forms
