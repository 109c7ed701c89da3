#include "MessageBoxForm.h"

#include "Announcement.h"
#include "Chime.h"
#include "DialogAccessible.h"
#include "DialogControlIds.h"
#include "DialogElements.h"
#include "PhaseMarks.h"
#include "ResourceIds.h"
#include "SystemAppearance.h"
#include "core/ButtonFlags.h"
#include "core/CopiedText.h"
#include "core/CustomCaptions.h"
#include "core/DialogGeometry.h"
#include "core/DpiScaling.h"
#include "core/FadePainter.h"
#include "core/LinearGradient.h"
#include "core/PropertyRules.h"
#include "core/Rounding.h"
#include "forms/PictureBoxSurface.h"
#include "win/AccessibleIid.h"
#include "win/Clipboard.h"
#include "win/Steps.h"

#include <algorithm>

namespace quillnote {

namespace {

using forms::TwipsRect;

constexpr Colour LightGrey = 0xC0C0C0;
constexpr Colour Grey = 0x808080;
constexpr Colour DarkGrey = 0x404040;
constexpr Colour WindowText = systemColour(SysColour::WindowText);

forms::FontSpec boldFont()
{
    forms::FontSpec bold;
    bold.weight = FW_BOLD;
    return bold;
}

void SetTopmost(HWND window, bool onTop)
{
    SetWindowPos(window, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

void DragWindow(HWND window)
{
    // Hand the press to the window system's own move loop, as if it had
    // begun on a title bar. It returns when the mouse button is released.
    ReleaseCapture();
    SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

} // namespace

MessageBoxForm::MessageBoxForm(SharedSettings& settings)
    : Background(*this), MsgButton{{forms::CommandButton(*this), forms::CommandButton(*this),
                                    forms::CommandButton(*this), forms::CommandButton(*this)}},
      MsgCheck(*this), MsgText(forms::FontSpec{}, units(), dpi()), HLine{{forms::LineShape(0, 0, 5265, 0, LightGrey),
                                                                          forms::LineShape(0, 15, 5265, 15, Grey),
                                                                          forms::LineShape(0, 30, 5265, 30, DarkGrey)}},
      Timer2(*this, 100), TopHeading(*this), TopCaption(boldFont(), units(), dpi()), Timer1(*this, 1000),
      ChimeTimer(*this, USER_TIMER_MINIMUM), settings_(settings), scroller_(*this, Background, MsgText)
{
    // Design size and place: the frame adds 45 twips on each side of the
    // 5175 x 1920 client area.
    setLeft(0);
    setTop(0);
    setWidth(5265);
    setHeight(2010);

    onLoad = [this] { Form_Load(); };
    onActivate = [this] { Form_Activate(); };
    onKeyUp = [this](int key, int shift) { Form_KeyUp(key, shift); };
    onKeyDown = [this](int key, int shift) { Form_KeyDown(key, shift); };
    // Its windows are the heading, the body and the body's buttons and
    // scroll bars: the first paint does them all at once.
    setPaintsChildrenTogether(true);
    designControls();
}

MessageBoxForm::~MessageBoxForm()
{
    // The controls go before the window that holds them.
    unload();
    if (accessible_)
        accessible_->disconnect();
    if (link_)
        link_->gone(*this);
}

// The controls in their design state. It is set before any window exists,
// so that a call can change it all before the form is loaded and each window
// is made once, where and as the call wants it.
void MessageBoxForm::designControls()
{
    // Body: no border, the window text colour as fore colour.
    Background.setPlace(TwipsRect{0, 330, 5265, 1350});
    Background.setBackColor(Default::BackColorBody);
    static const char16_t* const captions[4] = {u"Button1", u"Button2", u"Button3", u"Button4"};
    for (int i = 0; i < 4; ++i) {
        forms::CommandButton& button = MsgButton[i];
        button.setPlace(TwipsRect{240.0 + 1200.0 * i, 960, 1095, 375});
        button.setCaption(captions[i]);
        button.setEnabled(false);
        button.setVisible(false);
        button.setTabStop(false);
        button.onClick = [this, i] { MsgButton_Click(i); };
        button.onGotFocus = [this, i] { MsgButton_GotFocus(i); };
    }
    MsgCheck.setPlace(TwipsRect{750, 600, 0, 0});
    MsgCheck.setEnabled(false);
    MsgCheck.setVisible(false);
    MsgCheck.setTabStop(false);
    MsgCheck.setForeColor(WindowText);
    MsgCheck.onClick = [this] {
        // Screen readers announce the new state.
        if (const auto child = childOfButton(*this, MsgCheck))
            NotifyWinEvent(EVENT_OBJECT_STATECHANGE, hwnd(), OBJID_CLIENT, *child);
    };
    MsgText.setLeft(750);
    MsgText.setTop(150);
    MsgText.setCaption(u"Message Text");
    MsgText.setForeColor(WindowText);
    Background.add(MsgText);
    for (auto& line : HLine) {
        line.setVisible(false);
        Background.add(line);
    }
    Background.onPaint = [this] { Background_Paint(); };
    Background.onMouseWheel = [this](int delta) {
        userActed();
        scroller_.wheel(delta);
    };
    Background.onMouseWheelAcross = [this](int delta) {
        userActed();
        scroller_.wheelAcross(delta);
    };
    Background.onMouseDown = [this](const forms::MouseEvent&) { DragFromSurface(); };
    MsgText.onMouseDown = [this](const forms::MouseEvent&) { DragFromSurface(); };
    Timer2.onTick = [this] { Timer2_Timer(); };

    // Heading strip; it answers no events of its own.
    TopHeading.setPlace(TwipsRect{0, 0, 5265, 330});
    TopHeading.setBackColor(Default::BackColorHeading);
    ControlBoxUp.setLeft(4905);
    ControlBoxUp.setTop(60);
    ControlBoxUp.setWidth(210);
    ControlBoxUp.setHeight(210);
    ControlBoxUp.setPicture(forms::loadBitmapPicture(IDB_CLOSEBOX_UP));
    TopHeading.add(ControlBoxUp);
    ControlBoxUp.onMouseDown = [this](const forms::MouseEvent&) { ControlBoxUp_MouseDown(); };
    ControlBoxUp.onMouseUp = [this](const forms::MouseEvent&) { ControlBoxUp_MouseUp(); };
    TopCaption.setLeft(75);
    TopCaption.setTop(60);
    TopCaption.setCaption(u"Message");
    TopCaption.setForeColor(Default::ForeColorHeading);
    TopHeading.add(TopCaption);
    TopCaption.onMouseDown = [this](const forms::MouseEvent&) { DragFromSurface(); };

    Timer1.onTick = [this] { Timer1_Timer(); };

    // The pressed close box is only a picture store; it is never shown.
    ControlBoxDn.setLeft(1560);
    ControlBoxDn.setTop(1680);
    ControlBoxDn.setVisible(false);
    ControlBoxDn.setPicture(forms::loadBitmapPicture(IDB_CLOSEBOX_DOWN));
}

// The windows, made where the controls stand and as they are now.
bool MessageBoxForm::createControls()
{
    markPhase("top-level window");
    if (!Background.create(hwnd(), Background.bounds(), dialog_ids::Body))
        return false;
    for (int i = 0; i < 4; ++i) {
        forms::CommandButton& button = MsgButton[i];
        if (onlyShownButtons_ && !button.visible())
            button.place(Background, button.bounds(), i, dialog_ids::FirstButton + i);
        else if (!button.create(Background, button.bounds(), i, dialog_ids::FirstButton + i))
            return false;
    }
    // The check box never has the focus as the dialog activates: the body
    // draws it into the first frame, and its window is made once that frame
    // is on the screen.
    if (onlyShownButtons_)
        MsgCheck.place(Background, MsgCheck.bounds(), 4, dialog_ids::CheckBox);
    else if (!MsgCheck.create(Background, MsgCheck.bounds(), 4, dialog_ids::CheckBox))
        return false;
    markPhase("body and buttons");
    if (!TopHeading.create(hwnd(), TopHeading.bounds(), dialog_ids::HeadingStrip))
        return false;
    markPhase("heading strip");
    return true;
}

void MessageBoxForm::chimeAfterFirstPaint()
{
    ChimeTimer.onTick = [this] {
        ChimeTimer.setEnabled(false);
        PlayBeep();
    };
    ChimeTimer.setEnabled(true);
}

void MessageBoxForm::setIcon(std::uintptr_t handle, std::int16_t index)
{
    iconHandle_ = handle;
    iconIndex_ = index;
    Background.invalidateAll();
}

void MessageBoxForm::closeWith(std::int16_t code)
{
    resultCode_ = code;
    answered_ = true;
    settings_.resultCode = code;
    const DialogClosing closing{code, MsgCheck.visible() ? std::optional<bool>(MsgCheck.checked()) : std::nullopt};
    unload();
    // Told once the dialog is off the screen; a modal call returns after.
    if (link_)
        link_->answered(*this, closing);
}

void MessageBoxForm::closeFromOutside(std::int16_t code)
{
    if (!loaded())
        return;
    enter();
    closeWith(code);
    leave(); // may free this form
}

LRESULT MessageBoxForm::accessibleObject(WPARAM flags, LPARAM objectId)
{
    // The ID arrives as a 32-bit value, sign-extended or not.
    if (static_cast<LONG>(static_cast<DWORD>(objectId)) != OBJID_CLIENT)
        return 0;
    if (!accessible_)
        accessible_ = DialogAccessible::create(*this);
    if (!accessible_)
        return 0;
    const LRESULT answer = LresultFromObject(win::AccessibleIid, flags, static_cast<IAccessible*>(accessible_.get()));
    return answer > 0 ? answer : 0;
}

// A dialog that stays on top is created on top. Made topmost once shown, it
// is restacked by the window system at once, which costs about as much as
// showing it; and a SetWindowPos on the hidden window would activate it
// before it shows.
DWORD MessageBoxForm::extraExStyle() const { return isSet(settings_.keepOnTop) ? WS_EX_TOPMOST : 0; }

void MessageBoxForm::shown()
{
    markPhase("show and activation, after Activate");
    announceDialog(hwnd(), iconIndex_ >= 0 && iconHandle_ != 0);
    markPhase("announcement to accessibility tools");
}

void MessageBoxForm::onDestroyed()
{
    Form::onDestroyed();
    if (accessible_)
        accessible_->disconnect();
    if (link_)
        link_->gone(*this);
}

// --- Event handlers ---------------------------------------------------------

void MessageBoxForm::Form_Load() { focusedButton_ = 0; }

void MessageBoxForm::Form_Activate()
{
    markPhase("show until Activate");
    runStep([&] {
        if (isSet(settings_.keepOnTop) && !(GetWindowLongW(hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST))
            SetTopmost(hwnd(), true);
    });
    runStep([&] { paintShadedBody(); });
    runStep([&] {
        for (int i = 0; i < 4; ++i) {
            if (MsgButton[i].isDefault()) {
                focusedButton_ = static_cast<std::int16_t>(i);
                break;
            }
        }
    });
    runStep([&] {
        if (settings_.timerSeconds > 0) {
            Timer1.setEnabled(true);
            elapsedSeconds_ = 0;
            if (countdownShown_)
                showSecondsLeft();
        }
    });
    runStep([&] { Timer2_Timer(); });
    runStep([&] { Timer2.setEnabled(true); });
    markPhase("Activate: shading, icon, heading, focus");
}

void MessageBoxForm::setColours(Colour headingFore, Colour bodyFore, Colour buttonsBack, std::int16_t theme)
{
    headingFore_ = headingFore;
    bodyFore_ = bodyFore;
    buttonsBack_ = buttonsBack;
    theme_ = theme;
    look_ = currentSystemLook();
    applyShownColours();
}

DialogColours MessageBoxForm::shownColours() const
{
    const DialogColours set =
        colourChoice(settings_.backColorHeading, headingFore_, settings_.backColorBody, bodyFore_, buttonsBack_,
                     isSet(settings_.solidColorHeading), isSet(settings_.gradientPaint));
    return themedColours(set, theme_, look_);
}

void MessageBoxForm::applyShownColours()
{
    const DialogColours shown = shownColours();
    runStep([&] { TopCaption.setForeColor(shown.headingFore); });
    runStep([&] { Background.setBackColor(shown.bodyBack); });
    runStep([&] { MsgText.setForeColor(shown.bodyFore); });
    runStep([&] {
        for (auto& button : MsgButton) {
            button.setBackColor(shown.buttonsBack);
            button.setForeColor(shown.buttonsFore);
        }
        MsgCheck.setForeColor(shown.bodyFore);
    });
}

// A change of high contrast or of the apps' mode while the dialog is open:
// it takes its new colours, draws its heading and body again and repaints.
void MessageBoxForm::systemLookChanged()
{
    const SystemLook look = currentSystemLook();
    if (look == look_)
        return;
    look_ = look;
    applyShownColours();
    lastHeadingLook_ = HeadingLook{};
    runStep([&] { PaintHeading(GetActiveWindow() == hwnd()); });
    runStep([&] { paintShadedBody(); });
    Background.invalidateAll();
    TopHeading.invalidateAll();
    for (auto& button : MsgButton)
        button.requestRepaint();
    MsgCheck.requestRepaint();
}

void MessageBoxForm::paintShadedBody()
{
    const DialogColours shown = shownColours();
    if (!shown.bodyShading)
        return;
    runStep([&] {
        forms::PictureBoxSurface body(Background);
        if (settings_.gradientDirection <= Direction::RightToLeft)
            paintLinearGradient(body, shown.bodyBack, settings_.gradientDirection, false, true, forms::systemColours());
        else if (shown.bodyBack == settings_.backColorBody)
            // The colour as set: the painter writes a resolved system colour
            // back to the thread's setting, as it always has.
            paintFade(body, settings_.backColorBody, settings_.gradientDirection, forms::systemColours());
        else {
            Colour themed = shown.bodyBack;
            paintFade(body, themed, settings_.gradientDirection, forms::systemColours());
        }
    });
    runStep([&] {
        // The icon goes into the body's persistent picture, over the shading.
        if (iconIndex_ >= 0) {
            drawIcon(Background.hdc());
            Background.invalidateAll();
        }
    });
}

// At a new resolution the labels take fonts for it and measure their
// captions again, the boxes take their places in the new units, the call's
// layout is done again, and the pictures that were drawn once (the body's
// shading, the heading) are drawn again at the new size.
void MessageBoxForm::dpiChanged()
{
    runStep([&] { MsgText.setDpi(dpi()); });
    runStep([&] { TopCaption.setDpi(dpi()); });
    if (!Background.alive() || !TopHeading.alive())
        return; // still loading: the controls are made in the new units
    runStep([&] { Background.placeAgain(); });
    runStep([&] { TopHeading.placeAgain(); });
    runStep([&] {
        if (layOutAgain)
            layOutAgain();
    });
    runStep([&] { paintShadedBody(); });
    runStep([&] { PaintHeading(GetActiveWindow() == hwnd()); });
    Background.invalidateAll();
    TopHeading.invalidateAll();
}

void MessageBoxForm::Form_KeyUp(int keyCode, int)
{
    if (keyCode == VK_ESCAPE)
        closeWith(ResultCodes::Cancel);
}

void MessageBoxForm::Form_KeyDown(int keyCode, int shift)
{
    runStep([&] { userActed(); });
    constexpr int ControlHeld = 2;
    if (shift == ControlHeld && (keyCode == 'C' || keyCode == VK_INSERT))
        runStep([&] { copyToClipboard(); });
    else
        runStep([&] { scroller_.handleKey(keyCode, shift); });
}

void MessageBoxForm::setTextView(const MessageScroller::View& view) { scroller_.show(view); }

void MessageBoxForm::copyToClipboard()
{
    std::vector<std::u16string> captions;
    for (const auto& button : MsgButton)
        if (button.visible())
            captions.push_back(button.caption());
    std::optional<CopiedCheckBox> checkBox;
    if (MsgCheck.visible())
        checkBox = CopiedCheckBox{MsgCheck.caption(), MsgCheck.checked()};
    win::putClipboardText(hwnd(), copiedText(TopCaption.caption(), MsgText.caption(), captions, checkBox));
}

void MessageBoxForm::Background_Paint()
{
    if (!shownColours().bodyShading && iconIndex_ >= 0)
        drawIcon(Background.hdc());
}

void MessageBoxForm::drawIcon(HDC dc)
{
    if (!dc || !iconHandle_)
        return;
    const int x = whole(IconPlace::Left / units().twipsPerPixelX);
    const int y = whole(IconPlace::Top / units().twipsPerPixelY);
    DrawIconEx(dc, x, y, reinterpret_cast<HICON>(iconHandle_), 0, 0, 0, nullptr, DI_NORMAL);
}

void MessageBoxForm::MsgButton_Click(int index)
{
    // The call gave each button its code by position; a button it left in
    // its design state answers by its caption.
    if (const auto code = buttonResults_[static_cast<size_t>(index)])
        closeWith(*code);
    else if (const auto byCaption = resultCodeForCaption(MsgButton[index].caption()))
        closeWith(*byCaption);
}

void MessageBoxForm::MsgButton_GotFocus(int index) { focusedButton_ = static_cast<std::int16_t>(index); }

void MessageBoxForm::Timer1_Timer()
{
    ++elapsedSeconds_;
    if (elapsedSeconds_ >= settings_.timerSeconds)
        closeWith(timeoutResult_);
    else if (countdownShown_)
        runStep([&] { showSecondsLeft(); });
}

forms::CommandButton* MessageBoxForm::defaultButton()
{
    for (auto& button : MsgButton)
        if (button.isDefault() && button.visible())
            return &button;
    return nullptr;
}

void MessageBoxForm::showSecondsLeft()
{
    forms::CommandButton* button = defaultButton();
    if (!button)
        return;
    if (captionBeforeCountdown_.empty())
        captionBeforeCountdown_ = button->caption();
    button->setCaption(countdownCaption(captionBeforeCountdown_, settings_.timerSeconds - elapsedSeconds_));
    // Screen readers read the button's new name.
    if (const auto child = childOfButton(*this, *button))
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd(), OBJID_CLIENT, *child);
}

// Someone who is reading is not cut off: the first key or click of the user
// in the dialog stops a countdown that shows its seconds, and the default
// button gets its caption back. (A countdown that does not show itself runs
// on, as it always did.)
void MessageBoxForm::userActed()
{
    if (!countdownShown_ || !Timer1.enabled())
        return;
    Timer1.setEnabled(false);
    forms::CommandButton* button = defaultButton();
    if (!button || captionBeforeCountdown_.empty())
        return;
    button->setCaption(captionBeforeCountdown_);
    if (const auto child = childOfButton(*this, *button))
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd(), OBJID_CLIENT, *child);
}

void MessageBoxForm::Timer2_Timer()
{
    if (GetActiveWindow() == hwnd()) {
        PaintHeading(true);
        // With no button that can take the focus (no button shown), the form
        // keeps it, so that Esc still reaches the dialog.
        if (!MsgButton[focusedButton_ & 3].setFocus() && GetFocus() != hwnd())
            SetFocus(hwnd());
    } else {
        PaintHeading(false);
    }
}

void MessageBoxForm::PaintHeading(bool active)
{
    const DialogColours shown = shownColours();
    const Colour colour = active ? shown.headingBack : shown.inactiveHeadingBack;
    const bool solid = !shown.headingGradient;
    // The poll asks for the heading ten times a second. Painting the same
    // look again gives the same picture, so only a change of look repaints
    // (which keeps an idle dialog idle).
    const SystemColourLookup systemColours = forms::systemColours();
    const HeadingLook look{active, solid, colour, resolveColour(colour, systemColours), TopHeading.bounds().width,
                           dpi()};
    if (look == lastHeadingLook_)
        return;
    lastHeadingLook_ = look;
    if (solid) {
        TopHeading.setBackColor(colour);
        return;
    }
    forms::PictureBoxSurface heading(TopHeading);
    // The 85 steps may end a few twips short of the strip's right edge. At
    // the design resolution the bands keep the places they always had; at
    // any other the last one reaches the edge, where the shortfall would
    // show as a column of several pixels.
    const BandReach reach = dpi() == DesignDpi ? BandReach::Steps : BandReach::FarEdge;
    paintLinearGradient(heading, colour, Direction::LeftToRight, true, active, systemColours, reach);
}

void MessageBoxForm::ControlBoxUp_MouseDown()
{
    userActed();
    ControlBoxUp.setPicture(ControlBoxDn.picture());
}

void MessageBoxForm::ControlBoxUp_MouseUp() { Form_KeyUp(VK_ESCAPE, 0); }

void MessageBoxForm::DragFromSurface()
{
    userActed();
    if (isSet(settings_.moveable))
        DragWindow(hwnd());
}

} // namespace quillnote
