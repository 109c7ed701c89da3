#pragma once
// A command button whose face is drawn in its BackColor (a graphical
// button). "&" in the caption marks its access key. The keyboard behaviour
// of a form lives here because the focused button receives the keys: key
// preview for the form, Tab between buttons, Enter and access keys.

#include "Control.h"
#include "FormChild.h"
#include "LabelText.h"
#include "Window.h"
#include "core/Values.h"

#include <functional>
#include <memory>
#include <string>

namespace quillnote::forms {

class Form;
class PictureBox;

class CommandButton : public FormChild {
public:
    explicit CommandButton(Form& form);
    ~CommandButton() override;

    bool create(PictureBox& container, const TwipsRect& bounds, int tabIndex, int controlId = 0);
    // Takes its place in the container without a window yet. A hidden
    // button gets its window when it is first shown, so one that is never
    // shown costs no window at all. A shown one is drawn by its container
    // until the container has painted it on the screen, and gets its window
    // then (see PictureBox): a control that takes no focus as its form
    // activates need not hold up the form's first frame.
    void place(PictureBox& container, const TwipsRect& bounds, int tabIndex, int controlId = 0);
    // Shown in its container: with its window, or drawn by the container
    // while it waits for one.
    bool showing() const;
    // Shown, placed without a window, and not given one yet.
    bool waitsForWindow() const;
    // Gives a button that waits for its window the window now, to paint
    // itself (for the focus, or a press, that need it before its container
    // has painted). False when it has no window after.
    bool ensureWindow();
    // Gives a button that waits for its window the window, shown over the
    // picture its container has just put on the screen, which already shows
    // the button as it is: no paint of its own follows.
    void makeWindowOverDrawnPicture();
    // Where the button is, in its container's client pixels.
    RECT placeInContainer() const;

    const std::u16string& caption() const { return caption_; }
    void setCaption(std::u16string caption);
    // The width of the caption as the button draws it, in twips (its access
    // markers take no room); of another caption in the button's font.
    double captionWidth() const;
    double captionWidth(const std::u16string& caption) const;
    Colour backColor() const { return backColor_; }
    void setBackColor(Colour c);
    // The caption's colour: the system's button text unless set.
    Colour foreColor() const { return foreColor_; }
    void setForeColor(Colour c);
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    bool visible() const { return visible_; }
    void setVisible(bool on);
    bool tabStop() const { return tabStop_; }
    void setTabStop(bool on) { tabStop_ = on; }
    bool isDefault() const { return default_; }
    void setDefault(bool on);
    int tabIndex() const { return tabIndex_; }

    // Fails (false) on a hidden or disabled button, as the form layer's
    // SetFocus does.
    bool setFocus();
    bool hasFocus() const;
    // The access key of the caption, 0 when it has none.
    wchar_t accessKey() const;

    virtual void click();
    // The owner-drawn button's request to be drawn (its WM_DRAWITEM).
    void drawItem(const DRAWITEMSTRUCT& item) const;
    // Draws the button whole into `dc` (its own client coordinates) in its
    // current state, as its paint message would. `overItsBox`: `dc` already
    // holds its picture box's picture under it (the box draws its controls
    // into its own picture), which a control drawn over the box then does
    // not paint again.
    void paintInto(HDC dc, bool overItsBox = false);

    std::function<void()> onClick;
    std::function<void()> onGotFocus;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Draws the control in the state `item` gives, into item.hDC.
    virtual void draw(const DRAWITEMSTRUCT& item) const;
    // Enter on the focused control: a button presses itself.
    virtual void enterPressed() { click(); }
    PictureBox* container() const { return container_; }
    // Inside draw: whether the target already shows the picture box under
    // the control.
    bool drawnOverItsBox() const { return drawnOverItsBox_; }
    // The caption without its access markers, laid out in the form's font
    // (again when the caption or the font changed): its size, and the way
    // to draw a caption the font lacks characters of.
    const LabelText& shownCaption() const;

    void boundsChanged() override;
    // Repaints the button: its window, or, while it has none, its place in
    // the container that draws it.
    void repaintFace();

private:
    bool makeWindow(bool shownNow = true);

    PictureBox* container_ = nullptr;
    int controlId_ = 0;
    std::u16string caption_;
    Colour backColor_ = 0;
    Colour foreColor_ = systemColour(SysColour::ButtonText);
    bool enabled_ = true;
    bool visible_ = true;
    bool tabStop_ = true;
    bool default_ = false;
    bool drawnOverItsBox_ = false;
    int tabIndex_ = 0;
    mutable std::unique_ptr<LabelText> shownCaption_;
    mutable HFONT shownCaptionFont_ = nullptr;
};

} // namespace quillnote::forms
