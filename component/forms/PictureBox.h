#pragma once
// A picture box: a child window that holds windowless controls and command
// buttons. With AutoRedraw, drawing goes to a persistent picture (a DIB
// section) that every repaint copies; without it, each repaint clears to the
// back colour and raises Paint. Repaints are double-buffered.

#include "Control.h"
#include "FormChild.h"
#include "Gdi.h"
#include "OwnWindowText.h"
#include "Window.h"
#include "core/PixelRaster.h"
#include "core/SurfaceScale.h"
#include "core/Values.h"

#include <functional>
#include <string>
#include <vector>

namespace quillnote::forms {

class Form;
class CommandButton;
class ScrollBar;

class PictureBox : public FormChild {
public:
    explicit PictureBox(Form& form);
    ~PictureBox() override;

    // Creates the window in parent at the given twips rectangle.
    bool create(HWND parent, const TwipsRect& bounds, int controlId = 0);

    Colour backColor() const { return backColor_; }
    void setBackColor(Colour c);
    bool autoRedraw() const { return autoRedraw_; }
    void setAutoRedraw(bool on);

    // Clears the picture to the back colour.
    void cls();
    // The device context to draw into: the persistent picture with
    // AutoRedraw, the buffer of the repaint in progress inside Paint.
    HDC hdc();
    // Pixel size of the drawing area.
    SIZE clientSize() const;

    // The box's window text, kept by the box (see OwnWindowText); the
    // window system is given none of it.
    void setText(const std::u16string& text) override;

    void add(WindowlessControl& control);
    void addButton(CommandButton& button);
    void addScrollBar(ScrollBar& bar);
    void removeScrollBar(const ScrollBar& bar);
    // Paints the box and its buttons whole now, as their paint messages
    // would, through one back buffer and one device context of the box's
    // own (see Form::paintChildrenTogether); nothing when it is not showing.
    void paintNow();
    // Gives the buttons that wait for their windows (see
    // CommandButton::place) their windows once the box's picture with them
    // in it is painted: from a message of the box's own, posted now. The
    // thread's message loop takes posted messages before any input, so no
    // key or click can reach a button's place before its window is there,
    // and the frame on the screen does not wait for the windows.
    void makeWaitingButtonWindowsSoon();
    // The box's showing scroll bars paint themselves now, if they wait for a
    // paint.
    void paintScrollBarsNow();
    // What the box shows in `area` (its client pixels) without its child
    // windows, into `dc`, whose origin stands for the area's top left: the
    // ground a see-through child draws itself on.
    void paintUnder(HDC dc, const RECT& area);
    void invalidateTwips(const TwipsRect& r);
    void invalidateAll();

    std::function<void()> onPaint;
    MouseHandler onMouseDown;
    MouseHandler onMouseUp;
    // The mouse wheel (its delta; the horizontal wheel's, or the wheel with
    // Shift held, across), when set; otherwise default handling.
    std::function<void(int)> onMouseWheel;
    std::function<void(int)> onMouseWheelAcross;

    // Drawing state, in the box's current scale, for the painters.
    SurfaceScale& scale() { return scale_; }
    int drawWidth() const { return drawWidth_; }
    void setDrawWidth(int pixels) { drawWidth_ = pixels < 1 ? 1 : pixels; }
    // Every drawing copies its pen, the one mode the painters ask for.
    void setDrawMode(int) {}
    // The persistent picture's pixels, to draw on directly (AutoRedraw only;
    // an empty raster otherwise). Call invalidateAll() when done.
    PixelRaster persistentRaster();

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A new size gives the persistent picture the new size too.
    void boundsChanged() override;

private:
    // The whole box into `target` through the back buffer; with
    // `withButtons`, the showing buttons too, each at its place.
    void paintWhole(HDC target, bool withButtons = false);
    void paintInto(HDC dc, int width, int height);

    void ensurePersistent();
    void mouseDown(UINT message, WPARAM wParam, LPARAM lParam);
    void mouseUp(UINT message, WPARAM wParam, LPARAM lParam);
    CommandButton* buttonOf(HWND hwnd) const;
    ScrollBar* scrollBarOf(HWND hwnd) const;
    void makeWaitingButtonWindows();

    Colour backColor_ = 0;
    bool autoRedraw_ = false;
    Canvas persistent_;
    HDC paintDc_ = nullptr;
    Canvas backBuffer_;
    SurfaceScale scale_{1, 1, 15.0, 15.0};
    int drawWidth_ = 1;
    std::vector<WindowlessControl*> children_;
    std::vector<CommandButton*> buttons_;
    std::vector<ScrollBar*> scrollBars_;
    OwnWindowText text_;
    WindowlessControl* pressedChild_ = nullptr;
    bool pressedSelf_ = false;
    bool buttonWindowsPosted_ = false; // the message that makes them is on its way
    bool registered_ = false;          // with the form, as a box made on it
};

} // namespace quillnote::forms
