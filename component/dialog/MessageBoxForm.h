#pragma once
// The dialog form: its controls in their design state, and its behaviour
// from load to unload (buttons, Esc, close box, countdown, heading and focus
// poll, dragging, keeping on top).

#include "DialogLink.h"
#include "MessageScroller.h"
#include "core/SharedSettings.h"
#include "core/ThemeColours.h"
#include "forms/CheckBox.h"
#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/ImageControl.h"
#include "forms/Label.h"
#include "forms/LineShape.h"
#include "forms/PictureBox.h"
#include "forms/Timer.h"
#include "win/ComPtr.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace quillnote {

class DialogAccessible;

class MessageBoxForm : public forms::Form {
public:
    explicit MessageBoxForm(SharedSettings& settings);
    ~MessageBoxForm() override;

    // Controls, named as the dialog's code knows them.
    forms::PictureBox Background;
    std::array<forms::CommandButton, 4> MsgButton;
    // Under the message, when the call asks for one ("Don't show this
    // again"); hidden in the design.
    forms::CheckBox MsgCheck;
    forms::Label MsgText;
    std::array<forms::LineShape, 3> HLine;
    forms::Timer Timer2;
    forms::PictureBox TopHeading;
    forms::ImageControl ControlBoxUp;
    forms::Label TopCaption;
    forms::Timer Timer1;
    forms::ImageControl ControlBoxDn;
    forms::Timer ChimeTimer;

    // Plays the chime once the shown dialog has painted itself: the timer's
    // tick comes only when no window of the thread waits for a paint, so the
    // sound's thread does not compete with the first paint.
    void chimeAfterFirstPaint();

    // The icon this dialog shows, as MsgBox left it for this dialog.
    void setIcon(std::uintptr_t handle, std::int16_t index);

    // Lays the dialog out again, in the form's units at its current
    // resolution; set by the call that prepared it.
    std::function<void()> layOutAgain;

    // A message taller or wider than the dialog allows is shown through an
    // area of the body and scrolls (see MessageScroller).
    void setTextView(const MessageScroller::View& view);

    // The buttons hidden when the form loads get no window until they are
    // shown: a call that has decided its buttons makes only those. (In its
    // design state the form has a window for each of its four buttons.)
    void makeOnlyShownButtons() { onlyShownButtons_ = true; }

    // The object that showed the dialog learns through the link when it
    // closes with an answer; set before the dialog is shown.
    void setLink(std::shared_ptr<DialogLink> link) { link_ = std::move(link); }
    // What the dialog returns when the countdown closes it (0 unless the
    // caller chose otherwise).
    void setTimeoutResult(std::int16_t code) { timeoutResult_ = code; }
    // The code button i returns, whatever its caption says.
    void setButtonResult(size_t i, std::int16_t code) { buttonResults_.at(i) = code; }
    // The seconds left are shown after the default button's caption while
    // the countdown runs; the user's first key or click stops it.
    void showCountdown() { countdownShown_ = true; }
    // The colours the object keeps for itself (the heading's text, the
    // message's, the buttons') and the theme; the heading's and the body's
    // colours and shading come from the thread's settings as the dialog
    // paints. Applies what the dialog then shows to its controls.
    void setColours(Colour headingFore, Colour bodyFore, Colour buttonsBack, std::int16_t theme);
    // What the dialog shows now (see themedColours).
    DialogColours shownColours() const;

    // Closes the dialog with `code` from outside its own handlers, as if a
    // button with that code were pressed (a modeless dialog is freed).
    void closeFromOutside(std::int16_t code);

    // The code this dialog closed with (0 until then), and whether it was
    // closed with one: by a button, a key, the close box or the countdown,
    // rather than by its window going some other way.
    std::int16_t resultCode() const { return resultCode_; }
    bool answered() const { return answered_; }

protected:
    bool createControls() override;
    LRESULT accessibleObject(WPARAM flags, LPARAM objectId) override;
    DWORD extraExStyle() const override;
    void shown() override;
    void onDestroyed() override;
    void dpiChanged() override;
    void systemLookChanged() override;

private:
    void designControls();

    // Event handlers.
    void Form_Load();
    void Form_Activate();
    void Form_KeyUp(int keyCode, int shift);
    void Form_KeyDown(int keyCode, int shift);
    // Ctrl+C and Ctrl+Insert: the dialog's text on the clipboard.
    void copyToClipboard();
    void Background_Paint();
    void MsgButton_Click(int index);
    void MsgButton_GotFocus(int index);
    void Timer1_Timer();
    void Timer2_Timer();
    void ControlBoxUp_MouseDown();
    void ControlBoxUp_MouseUp();
    void DragFromSurface();

    void PaintHeading(bool active);
    // The countdown's seconds after the default button's caption, and what
    // the user's key or click does to a countdown that shows them.
    void showSecondsLeft();
    void userActed();
    forms::CommandButton* defaultButton();
    // The body's shading and the icon on it, for a dialog with GradientPaint.
    void paintShadedBody();
    // The shown colours on the labels, the body and the buttons.
    void applyShownColours();
    void drawIcon(HDC dc);
    void closeWith(std::int16_t code);

    // What the heading's picture depends on. The colour is kept as set and
    // as it resolves now, so that a change of the system's colours repaints
    // a heading drawn in one of them.
    struct HeadingLook {
        bool active = false;
        bool solid = false;
        Colour colour = 0;
        std::uint32_t resolved = 0;
        double width = -1;
        int dpi = 0;
        bool operator==(const HeadingLook& o) const
        {
            return active == o.active && solid == o.solid && colour == o.colour && resolved == o.resolved &&
                   width == o.width && dpi == o.dpi;
        }
    };

    SharedSettings& settings_;
    bool onlyShownButtons_ = false;
    HeadingLook lastHeadingLook_;
    std::int16_t focusedButton_ = 0;
    std::int16_t elapsedSeconds_ = 0;
    std::int16_t resultCode_ = 0;
    std::int16_t timeoutResult_ = 0;
    Colour headingFore_ = Default::ForeColorHeading;
    Colour bodyFore_ = Default::ForeColorBody;
    Colour buttonsBack_ = Default::BackColorButtons;
    std::int16_t theme_ = 0;
    SystemLook look_ = SystemLook::Light;
    std::array<std::optional<std::int16_t>, 4> buttonResults_;
    bool countdownShown_ = false;
    std::u16string captionBeforeCountdown_;
    bool answered_ = false;
    std::shared_ptr<DialogLink> link_;
    std::uintptr_t iconHandle_ = 0;
    std::int16_t iconIndex_ = -1;
    MessageScroller scroller_;
    // What accessibility tools read of the dialog; made on their first
    // request and disconnected when the window goes.
    win::ComPtr<DialogAccessible> accessible_;
};

} // namespace quillnote
