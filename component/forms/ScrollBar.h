#pragma once
// A scroll bar of a picture box, vertical or horizontal, at a place of its
// own (beside the area it scrolls rather than along the whole box). It never
// takes the keyboard focus: the keys stay with the form's buttons. Its
// requests (SB_* codes, with the thumb's position while dragged) go to
// onScroll.

#include "Control.h"
#include "FormChild.h"

#include <functional>

namespace quillnote::forms {

class PictureBox;

class ScrollBar : public FormChild {
public:
    enum class Direction { Vertical, Horizontal };

    ScrollBar(Form& form, Direction direction);
    ~ScrollBar() override;

    bool create(PictureBox& container, const TwipsRect& bounds, int controlId = 0);
    Direction direction() const { return direction_; }

    // The extent of what it scrolls and of the view, in pixels, and where
    // the view stands.
    void setRange(int content, int view);
    void setPosition(int position);
    int position() const;

    std::function<void(int code, int thumb)> onScroll;
    // The container passes on the bar's notification.
    void scrolled(int code);

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Direction direction_;
    PictureBox* container_ = nullptr;
};

} // namespace quillnote::forms
