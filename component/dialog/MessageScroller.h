#pragma once
// Scrolling of a message that does not fit its dialog: the message label is
// shown through an area of the body, with a vertical scroll bar beside the
// area for a text taller than it and a horizontal one under it for a line
// wider than it. The mouse wheel (with Shift, or the horizontal wheel,
// across) and the keys move the text: Page Up/Down, the Up and Down arrows
// and Ctrl+Home/Ctrl+End down; the Left and Right arrows and Home/End
// across.

#include "core/ScrollAxis.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"
#include "forms/ScrollBar.h"

namespace quillnote {

class MessageScroller {
public:
    MessageScroller(forms::Form& form, forms::PictureBox& body, forms::Label& text);

    // Where the text shows (an area without height or width does not
    // scroll in that direction) and where its scroll bars stand.
    struct View {
        forms::TwipsRect area;
        forms::TwipsRect downBar, acrossBar;
    };
    void show(const View& view);

    bool scrollsDown() const { return down_.scrolls(); }
    bool scrollsAcross() const { return across_.scrolls(); }

    // A key the scrolling uses; false for every other key, and for every
    // key when the text does not scroll in its direction.
    bool handleKey(int keyCode, int shift);
    void wheel(int delta);
    void wheelAcross(int delta);

private:
    void place(forms::ScrollBar& bar, const ScrollAxis& axis, const forms::TwipsRect& where);
    void request(ScrollAxis& axis, int code, int thumb);
    void moveTo(ScrollAxis& axis, int position);
    int linePixels() const;

    forms::PictureBox& body_;
    forms::Label& text_;
    forms::ScrollBar downBar_, acrossBar_;
    forms::TwipsRect area_;
    ScrollAxis down_, across_;
};

} // namespace quillnote
