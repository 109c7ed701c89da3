#pragma once
// A form: a top-level window that holds picture boxes, buttons, windowless
// controls and timers, raises Load, Activate and key events, and is shown
// modally or modelessly. Its position and size are in twips, outer frame
// included.
//
// Lifetime: whoever loads a form owns it. A modeless form may hand itself
// over with deleteWhenUnloaded(); it then deletes itself once it is unloaded
// and no message of its windows is being handled any more, so an event
// handler may unload its own form safely.

#include "Font.h"
#include "OwnWindowText.h"
#include "Units.h"
#include "Window.h"

#include <functional>
#include <vector>

namespace quillnote::forms {

class CommandButton;
class PictureBox;
class Timer;

using KeyHandler = std::function<void(int keyCode, int shift)>;

class Form : public Window {
public:
    Form();
    ~Form() override;

    // Creates the window (hidden) and the controls, then raises Load. False
    // when the window cannot be created; the form is then not loaded.
    bool load();
    // A window that owns the form's window (set before load): the form
    // stays above it and goes with it, and a modal show disables it too,
    // whichever thread or program it belongs to.
    void setOwnerWindow(HWND owner) { owner_ = owner; }
    bool loaded() const { return loaded_; }

    // Modal: disables the thread's other windows, runs the message loop until
    // the form is unloaded, then enables them again and gives activation back.
    // Modeless: returns at once.
    void show(bool modal);
    void unload();
    void deleteWhenUnloaded();
    // Unloads the form from outside any of its handlers (its thread is
    // ending): a form handed over with deleteWhenUnloaded is freed by it.
    void unloadNow();

    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    // Place and size at once: one move of the window instead of one for
    // each of them.
    void setPlace(double left, double top, double width, double height);

    const Units& units() const { return units_; }
    HFONT defaultFont() const { return defaultFont_.get(); }
    // The resolution the form is laid out at (dots per inch): its window's
    // once it has one, the screen's before.
    int dpi() const { return dpi_; }

    // Events.
    std::function<void()> onLoad;
    std::function<void()> onActivate;
    KeyHandler onKeyUp; // with key preview: before the focused control
    KeyHandler onKeyDown;

    // For the controls of this form.
    void enter() { ++depth_; }
    void leave();
    void registerButton(CommandButton* button);
    // A picture box made directly on the form.
    void registerPictureBox(PictureBox* box);
    // From the WM_PAINT of the form or a child window, and at the form's
    // first activation. The first paint after the window was made paints the
    // picture boxes and their buttons at once, through one device context per
    // box (one paint message per window would cost several round trips to the
    // window system each), sends the picture to the screen and then
    // validates the whole window tree with one request: once no window waits
    // for a paint, the screen shows the finished dialog. The boxes' scroll
    // bars (the window system's control) paint themselves over the boxes
    // before that. True when they were painted (the caller has nothing left
    // to paint); false when this form does not paint its children together,
    // has done so already, or is not showing.
    bool paintChildrenTogether();
    void registerTimer(Timer* timer);
    void unregisterTimer(Timer* timer);
    // Keyboard behaviour shared by the buttons: Tab order, access keys.
    void moveFocus(CommandButton* from, bool backwards);
    bool pressAccessKey(wchar_t key);
    // Clicks the default button, as Enter does; false when there is none
    // that can be pressed.
    bool pressDefaultButton();
    void keyUp(int keyCode);
    void keyDown(int keyCode);

    // Client area in pixels (the frame excluded).
    SIZE frameSize() const;

    // The window's text, kept by the form (see OwnWindowText), also before
    // its window is made.
    void setText(const std::u16string& text) override;

    // Whether a window is the top-level window of a form of ours.
    static bool isFormWindow(HWND window);

protected:
    // Creates the controls in the freshly created window.
    virtual bool createControls() = 0;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void beginDispatch() override { enter(); }
    void endDispatch() override { leave(); }
    void onDestroyed() override;
    // WM_GETOBJECT: a form that describes itself to accessibility tools
    // answers with its own object here; 0 leaves the request to the window
    // system.
    virtual LRESULT accessibleObject(WPARAM /*flags*/, LPARAM /*objectId*/) { return 0; }
    // For a form that paints nothing itself and whose child windows are only
    // its picture boxes, their buttons and scroll bars: see
    // paintChildrenTogether. Set before load.
    void setPaintsChildrenTogether(bool on) { paintsChildrenTogether_ = on; }
    // Extended styles the window is created with besides the form's own
    // (WS_EX_TOPMOST for a form that stays on top from the start).
    virtual DWORD extraExStyle() const { return 0; }
    // The window has just been shown and activated (before a modal show's
    // message loop starts).
    virtual void shown() {}
    // The form now works at another resolution: its units, its default font
    // and its buttons' places follow before this is called; a form lays out
    // its other controls again here. Also called from load() when the new
    // window's resolution is not the screen's, before createControls.
    virtual void dpiChanged() {}
    // The system's colours or settings changed (high contrast, the apps'
    // light or dark mode): a form that follows them looks again here.
    virtual void systemLookChanged() {}

private:
    // The focus is on the form or on one of its windows.
    bool holdsFocus() const;
    void applyPosition();
    void adoptDpi(int dpi);
    // WM_DPICHANGED: lay out at the new resolution, then move to the corner
    // of the rectangle the system suggests (screen pixels, frame included).
    void followDpiChange(int dpi, const RECT& suggested);
    void restoreAfterModal();
    static int shiftState();

    int dpi_;
    Units units_;
    Font defaultFont_;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    OwnWindowText text_;
    bool loaded_ = false;
    bool unloading_ = false;
    bool modal_ = false;
    // Activate runs when the form becomes the application's active form: on
    // its first activation after show, and when a window of this program
    // hands it the activation (not when the user comes back from another
    // program, which leaves the application's active form as it was).
    bool activatedSinceShow_ = false;
    bool deleteWhenUnloaded_ = false;
    int depth_ = 0;
    std::vector<HWND> disabledWindows_;
    HWND owner_ = nullptr;
    HWND activeBeforeShow_ = nullptr;
    std::vector<CommandButton*> buttons_;
    std::vector<PictureBox*> pictureBoxes_;
    std::vector<Timer*> timers_;
    bool paintsChildrenTogether_ = false;
    bool childrenPainted_ = false; // together, since the window was made
};

} // namespace quillnote::forms
