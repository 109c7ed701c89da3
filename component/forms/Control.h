#pragma once
// What every control of a form has: a position and size in twips relative
// to its container, and the Visible and Enabled flags. Windowless controls
// (labels, lines, images) are drawn by their picture box after its picture.

#include <windows.h>

#include <functional>

namespace quillnote::forms {

class PictureBox;
struct Units;

struct TwipsRect {
    double left = 0, top = 0, width = 0, height = 0;
};

// Mouse event arguments as the dialog's handlers receive them.
struct MouseEvent {
    int button = 1;      // 1 left, 2 right, 4 middle
    int shift = 0;       // 1 Shift, 2 Ctrl, 4 Alt
    double x = 0, y = 0; // twips, relative to the control
};
using MouseHandler = std::function<void(const MouseEvent&)>;

class WindowlessControl {
public:
    virtual ~WindowlessControl() = default;

    void attach(PictureBox* container) { container_ = container; }
    PictureBox* container() const { return container_; }

    const TwipsRect& bounds() const { return bounds_; }
    void setLeft(double v);
    void setTop(double v);
    void setWidth(double v);
    void setHeight(double v);
    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool enabled() const { return enabled_; }
    void setEnabled(bool v) { enabled_ = v; }

    // Draws the control into dc, whose origin is the container's top left.
    virtual void paint(HDC dc, const Units& units) const = 0;
    // Is the container pixel (x, y) on the control?
    virtual bool hitTest(int x, int y, const Units& units) const;

    MouseHandler onMouseDown;
    MouseHandler onMouseUp;

protected:
    void invalidate() const;
    TwipsRect bounds_;
    bool visible_ = true;
    bool enabled_ = true;

private:
    PictureBox* container_ = nullptr;
};

} // namespace quillnote::forms
