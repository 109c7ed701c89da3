#include "MsgBoxCall.h"

#include "ApartmentWatch.h"
#include "Chime.h"
#include "MessageBoxForm.h"
#include "PhaseMarks.h"
#include "SystemIcons.h"
#include "core/ButtonFlags.h"
#include "core/CustomCaptions.h"
#include "core/DialogGeometry.h"
#include "core/PropertyRules.h"
#include "forms/DpiAwareness.h"
#include "forms/Screen.h"
#include "win/Steps.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <optional>

namespace quillnote {

namespace {

// What the call finds out before the dialog is prepared.
struct CallContext {
    HWND active = nullptr;    // the caller's active window
    HWND named = nullptr;     // the owner window the caller named (OwnerWindow), when it is a window
    OwnerRect owner;          // the named owner's or else the active window's rectangle, for centring on it
    DecodedButtons decoded{}; // the Buttons flags taken apart
    int buttonCount = 0;      // buttons the set shows
};

// The active window's caption, read with the wide API so that no text is
// lost; at most 254 characters, as the caption buffer allows. An earlier
// dialog of ours has no caption to lend: its window text is its heading, kept
// for accessibility tools, not a caption.
std::u16string activeWindowCaption(HWND active)
{
    if (!active || forms::Form::isFormWindow(active))
        return {};
    wchar_t buffer[256] = {};
    const int length = GetWindowTextW(active, buffer, 255);
    if (length <= 0)
        return {};
    return std::u16string(buffer, buffer + length);
}

std::u16string headingText(const std::u16string& title, const std::u16string& defaultTitle, HWND active)
{
    if (!title.empty())
        return title;
    if (!defaultTitle.empty())
        return defaultTitle;
    std::u16string caption = activeWindowCaption(active);
    return caption.empty() ? std::u16string(u"Message") : caption;
}

// Centring on the active window needs its rectangle; without an active
// window the dialog is centred on the screen instead.
// The window OwnerWindow names, as the platform widens a 32-bit handle;
// none for 0 or a number that names no window.
HWND namedOwner(const ExtendedProperties& extended)
{
    if (extended.ownerWindow() == 0)
        return nullptr;
    const HWND window = reinterpret_cast<HWND>(static_cast<LONG_PTR>(extended.ownerWindow()));
    return IsWindow(window) ? window : nullptr;
}

void findOwner(QuillnoteProperties& properties, CallContext& call)
{
    if (properties.startUpPosition() != StartUp::CenterOfForm)
        return;
    RECT rect = {};
    const HWND window = call.named ? call.named : call.active;
    if (window && GetWindowRect(window, &rect)) {
        const forms::Units units = forms::screenUnits();
        call.owner = ownerRectFromPixels(rect.left, rect.top, rect.right, rect.bottom, units.twipsPerPixelX,
                                         units.twipsPerPixelY);
    } else {
        properties.setStartUpPosition(StartUp::CenterOfScreen);
    }
}

void applyColours(MessageBoxForm& form, const QuillnoteProperties& properties, const ExtendedProperties& extended)
{
    runStep([&] {
        form.setColours(properties.foreColorHeading(), properties.foreColorBody(), properties.backColorButtons(),
                        extended.theme());
    });
}

void applyHeading(MessageBoxForm& form, const std::u16string& heading)
{
    form.TopCaption.setCaption(heading);
    form.setText(heading);
}

// A system icon at the size of a large icon at the dialog's resolution.
HICON loadSystemIcon(const MessageBoxForm& form, int iconId)
{
    return systemIcon(iconId, forms::iconPixelsAt(form.dpi()));
}

// An icon number without an entry in the table shows no icon at all, rather
// than whatever an earlier call left behind.
void applyIcon(MessageBoxForm& form, QuillnoteProperties& properties, const DecodedButtons& decoded)
{
    SharedSettings& settings = properties.shared();
    if (const auto iconId = properties.iconTableItem(decoded.iconNumber)) {
        settings.iconHandle = reinterpret_cast<std::uintptr_t>(loadSystemIcon(form, *iconId));
        settings.iconIndex = static_cast<std::int16_t>(decoded.iconNumber - 1);
    } else {
        settings.iconIndex = -1;
    }
    form.setIcon(settings.iconIndex >= 0 ? settings.iconHandle : 0, settings.iconIndex);
}

// The set's captions on the first buttons, which become enabled, or the
// caller's own captions for them; each button keeps the code of the set's
// button in its place. Returns how many there are.
int applyButtonCaptions(MessageBoxForm& form, const DecodedButtons& decoded, const ExtendedProperties& extended)
{
    const auto standard = buttonCaptions(decoded.buttonSet);
    const auto captions = captionsOfButtons(extended.buttonCaptions(), standard);
    for (size_t i = 0; i < captions.size() && i < form.MsgButton.size(); ++i) {
        form.MsgButton[i].setCaption(captions[i]);
        form.MsgButton[i].setEnabled(true);
        if (const auto code = resultCodeForCaption(standard[i]))
            form.setButtonResult(i, *code);
    }
    return static_cast<int>(captions.size());
}

// The check box under the message, when the call has its text: in the
// message's colour, checked as CheckBoxValue says, after the buttons in the
// Tab order.
void applyCheckBox(MessageBoxForm& form, const ExtendedProperties& extended)
{
    if (extended.checkBoxText().empty())
        return;
    forms::CheckBox& box = form.MsgCheck;
    box.setCaption(extended.checkBoxText());
    box.setChecked(isSet(extended.checkBoxValue()));
    box.setEnabled(true);
    box.setVisible(true);
    box.setTabStop(true);
}

// The countdown shows its seconds when the caller asks and there is one.
bool countdownShown(const QuillnoteProperties& properties, const ExtendedProperties& extended)
{
    return isSet(extended.showCountdown()) && properties.timerSeconds() > 0;
}

// Every button as wide as the widest caption needs (the design's width when
// they all fit), the seconds of a countdown that shows itself included.
double buttonWidthOf(const MessageBoxForm& form, bool countdown, std::int16_t seconds)
{
    double widest = 0;
    for (const auto& button : form.MsgButton) {
        if (!button.enabled())
            continue;
        widest = std::max(widest, button.captionWidth());
        if (countdown && button.isDefault())
            widest = std::max(widest, button.captionWidth(countdownCaption(button.caption(), seconds)));
    }
    return buttonWidthFor(widest);
}

void showEnabledButtons(MessageBoxForm& form)
{
    for (auto& button : form.MsgButton) {
        button.setVisible(button.enabled());
        button.setTabStop(button.enabled());
    }
}

void applyDefaultButton(MessageBoxForm& form, const CallContext& call)
{
    if (call.decoded.defaultButton + 1 <= call.buttonCount)
        form.MsgButton[call.decoded.defaultButton].setDefault(true);
}

void applyMessage(MessageBoxForm& form, const std::u16string& message)
{
    form.MsgText.setCaption(message);
    form.Background.setText(message);
}

// The dialog stays this far inside the work area of its monitor (pixels).
constexpr int WorkAreaMargin = 60;

// The screen (the primary monitor) and the tallest the dialog may be: the
// work area of the monitor of a window (the active one, or the dialog's own;
// else the primary monitor) less a margin, all in the dialog's twips. Each
// monitor query asks the window system, so the primary monitor is asked
// once for both.
struct ScreenMeasures {
    double width = 0;
    double height = 0;
    double maxDialogHeight = std::numeric_limits<double>::infinity();
};

ScreenMeasures screenMeasures(HWND window, const forms::Units& units)
{
    ScreenMeasures measures;
    const HMONITOR primary = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    const bool primaryKnown = primary && GetMonitorInfoW(primary, &info);
    if (primaryKnown) {
        measures.width = (info.rcMonitor.right - info.rcMonitor.left) * units.twipsPerPixelX;
        measures.height = (info.rcMonitor.bottom - info.rcMonitor.top) * units.twipsPerPixelY;
    } else {
        measures.width = GetSystemMetrics(SM_CXSCREEN) * units.twipsPerPixelX;
        measures.height = GetSystemMetrics(SM_CYSCREEN) * units.twipsPerPixelY;
    }
    const HMONITOR monitor = window ? MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY) : primary;
    if (monitor != primary) {
        info = {};
        info.cbSize = sizeof info;
        if (!monitor || !GetMonitorInfoW(monitor, &info))
            return measures;
    } else if (!primaryKnown) {
        return measures;
    }
    const int pixels = info.rcWork.bottom - info.rcWork.top - WorkAreaMargin;
    measures.maxDialogHeight = std::max(pixels, 1) * units.twipsPerPixelY;
    return measures;
}

// The work area of a window's monitor in twips; false when it cannot be
// found.
bool workAreaOf(HWND window, const forms::Units& units, OwnerRect& area)
{
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    const HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    if (!monitor || !GetMonitorInfoW(monitor, &info))
        return false;
    area = ownerRectFromPixels(info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom,
                               units.twipsPerPixelX, units.twipsPerPixelY);
    return true;
}

// The layout's input: the sizes the labels report now that their captions
// are set, the properties, the owner and the screen.
LayoutInput layoutInputOf(const MessageBoxForm& form, const QuillnoteProperties& properties,
                          const ExtendedProperties& extended, const CallContext& call)
{
    LayoutInput in;
    in.buttonCount = call.buttonCount;
    in.iconIndex = properties.shared().iconIndex;
    in.iconWidth = properties.iconWidth();
    in.iconHeight = properties.iconHeight();
    in.captionWidth = form.TopCaption.bounds().width;
    in.textWidth = form.MsgText.bounds().width;
    in.textHeight = form.MsgText.bounds().height;
    in.controlBox = isSet(properties.controlBox());
    in.headingType = properties.shared().headingType;
    in.textAlignment = properties.textAlignment();
    in.startUpPosition = properties.startUpPosition();
    in.top = properties.top();
    in.left = properties.left();
    in.owner = call.owner;
    const ScreenMeasures screen = screenMeasures(call.named ? call.named : call.active, form.units());
    if (call.named)
        in.keepInWorkArea = workAreaOf(call.named, form.units(), in.workArea);
    in.screenWidth = screen.width;
    in.screenHeight = screen.height;
    in.maxDialogHeight = screen.maxDialogHeight;
    in.buttonHeight = form.MsgButton[0].bounds().height;
    in.buttonWidth = buttonWidthOf(form, countdownShown(properties, extended), properties.timerSeconds());
    if (form.MsgCheck.visible()) {
        in.checkBoxWidth = form.MsgCheck.fullWidth();
        in.checkBoxHeight = form.MsgCheck.fullHeight();
    }
    in.backgroundTop = form.Background.bounds().top;
    in.currentTop = form.top();
    in.currentLeft = form.left();
    in.scrollBarWidth = GetSystemMetrics(SM_CXVSCROLL) * form.units().twipsPerPixelX;
    in.scrollBarHeight = GetSystemMetrics(SM_CYHSCROLL) * form.units().twipsPerPixelY;
    return in;
}

forms::TwipsRect twipsRectOf(const BodyRect& r) { return forms::TwipsRect{r.left, r.top, r.width, r.height}; }

// Where a message that does not fit shows and where its scroll bars stand.
MessageScroller::View textViewOf(const LayoutResult& out)
{
    MessageScroller::View view;
    view.area = forms::TwipsRect{out.textLeft, out.textTop, out.textScrollsAcross ? out.textViewWidth : 0,
                                 out.textScrolls ? out.textViewHeight : 0};
    view.downBar = twipsRectOf(out.verticalBar);
    view.acrossBar = twipsRectOf(out.horizontalBar);
    return view;
}

// Copies the layout's places into the controls. Each window moves once:
// every move of a window is a round of messages and a request to the window
// system; before the form is loaded, none moves, and each window is made
// where it belongs.
void applyPlaces(MessageBoxForm& form, const LayoutResult& out)
{
    form.TopHeading.setWidth(out.headingStripWidth);
    for (auto& line : form.HLine) {
        if (out.separatorVisible)
            line.setX2(out.separatorX2);
        line.setVisible(out.separatorVisible);
    }
    form.MsgText.setLeft(out.textLeft);
    form.MsgText.setTop(out.textTop);
    form.MsgText.setAlignment(out.textAlignment);
    for (size_t i = 0; i < form.MsgButton.size(); ++i) {
        forms::CommandButton& button = form.MsgButton[i];
        button.setPlace(forms::TwipsRect{out.buttonLeft[i], out.buttonTop, out.buttonWidth, button.bounds().height});
    }
    if (form.MsgCheck.visible())
        form.MsgCheck.setPlace(
            forms::TwipsRect{out.checkBoxLeft, out.checkBoxTop, form.MsgCheck.fullWidth(), form.MsgCheck.fullHeight()});
    const forms::TwipsRect& body = form.Background.bounds();
    form.Background.setPlace(forms::TwipsRect{body.left, body.top, out.backgroundWidth, out.backgroundHeight});
    form.setPlace(out.dialogLeft, out.dialogTop, out.dialogWidth, out.dialogHeight);
    if (out.closeBoxPlaced)
        form.ControlBoxUp.setLeft(out.closeBoxLeft);
}

// A message that does not fit scrolls in an area of the body; the scroll
// bars are windows of the body, so the form is loaded by now.
void applyTextView(MessageBoxForm& form, const LayoutResult& out)
{
    if (out.textScrolls || out.textScrollsAcross)
        form.setTextView(textViewOf(out));
}

void applyLayout(MessageBoxForm& form, const LayoutResult& out)
{
    applyPlaces(form, out);
    applyTextView(form, out);
}

// When the dialog moves to a monitor of another resolution, it is laid out
// again from the same input: the labels' new measures, the screen and the
// work area in the new units, the icon loaded again at its new size. The
// input is kept by value, since a modeless dialog outlives the call.
void keepLayoutForNewResolutions(MessageBoxForm& form, const LayoutInput& first, std::optional<int> iconId)
{
    form.layOutAgain = [&form, first, iconId] {
        LayoutInput in = first;
        in.captionWidth = form.TopCaption.bounds().width;
        in.textWidth = form.MsgText.bounds().width;
        in.textHeight = form.MsgText.bounds().height;
        const ScreenMeasures screen = screenMeasures(form.hwnd(), form.units());
        in.screenWidth = screen.width;
        in.screenHeight = screen.height;
        in.maxDialogHeight = screen.maxDialogHeight;
        in.currentTop = form.top();
        in.currentLeft = form.left();
        if (iconId && in.iconIndex >= 0)
            form.setIcon(reinterpret_cast<std::uintptr_t>(loadSystemIcon(form, *iconId)), in.iconIndex);
        applyLayout(form, layoutDialog(in));
    };
}

void applyCloseBox(MessageBoxForm& form, const QuillnoteProperties& properties)
{
    const bool shown = isSet(properties.controlBox());
    form.ControlBoxUp.setVisible(shown);
    form.ControlBoxUp.setEnabled(shown);
}

// A modeless dialog is left to itself: painted now, since the caller may not
// pump messages for a while (a script host that sleeps), and sent to the
// screen; its chime started once it is painted; watched, so that it goes with
// its thread or apartment; and freed when it is unloaded.
void leaveOpen(std::unique_ptr<MessageBoxForm> dialog, bool chime)
{
    MessageBoxForm& form = *dialog;
    runStep([&] {
        if (form.alive())
            RedrawWindow(form.hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        forms::showWhatWasDrawn();
    });
    if (chime)
        runStep([&] { PlayBeep(); });
    runStep([&] { watchApartmentOfThisThread(); });
    dialog.release()->deleteWhenUnloaded();
}

} // namespace

namespace {

MsgBoxOutcome failed(HRESULT status, const wchar_t* what)
{
    MsgBoxOutcome outcome;
    outcome.status = status;
    outcome.failure = what;
    return outcome;
}

// The last error of the window system as an HRESULT, E_FAIL when it gave
// none.
HRESULT lastErrorOr(HRESULT otherwise)
{
    const DWORD error = GetLastError();
    return error ? HRESULT_FROM_WIN32(error) : otherwise;
}

// The dialog loaded and prepared for the call, not yet shown; none when it
// cannot be created, with the reason in `outcome`.
std::unique_ptr<MessageBoxForm> prepareDialog(QuillnoteProperties& properties, const std::u16string& message,
                                              std::int16_t buttons, const std::u16string& title,
                                              const ExtendedProperties& extended, MsgBoxOutcome& outcome)
{
    SharedSettings& settings = properties.shared();
    CallContext call;
    runStep([&] { call.active = GetActiveWindow(); });
    runStep([&] { call.named = namedOwner(extended); });
    runStep([&] { findOwner(properties, call); });
    markPhase("caller's window and owner");

    // Each call shows a dialog of its own, made fresh in its design state,
    // so an earlier dialog that is still open keeps its own buttons and
    // result and never lends them to this one.
    std::unique_ptr<MessageBoxForm> dialog;
    runStep([&] { dialog = std::make_unique<MessageBoxForm>(settings); });
    if (!dialog) {
        outcome = outOfMemory();
        return nullptr;
    }
    markPhase("form object, its fonts, its controls' design");
    MessageBoxForm& form = *dialog;

    // All the call decides is set before the form is loaded: each window is
    // then made once, where and as it shows, instead of being made in its
    // design state and changed and moved after.
    applyColours(form, properties, extended);
    runStep([&] { applyHeading(form, headingText(title, properties.defaultTitle(), call.active)); });
    runStep([&] { call.decoded = decodeButtons(buttons); });
    runStep([&] { applyIcon(form, properties, call.decoded); });
    runStep([&] { call.buttonCount = applyButtonCaptions(form, call.decoded, extended); });
    runStep([&] { showEnabledButtons(form); });
    runStep([&] { applyDefaultButton(form, call); });
    runStep([&] { applyCheckBox(form, extended); });
    if (countdownShown(properties, extended))
        form.showCountdown();
    runStep([&] { applyMessage(form, message); });
    markPhase("colours, heading, icon, captions, message");
    LayoutResult layout;
    runStep([&] {
        const LayoutInput in = layoutInputOf(form, properties, extended, call);
        layout = layoutDialog(in);
        applyPlaces(form, layout);
        keepLayoutForNewResolutions(form, in, properties.iconTableItem(call.decoded.iconNumber));
    });
    runStep([&] { applyCloseBox(form, properties); });
    form.makeOnlyShownButtons();
    markPhase("layout");

    form.setOwnerWindow(call.named);
    const int laidOutAt = form.dpi();
    SetLastError(ERROR_SUCCESS);
    if (!form.load()) {
        outcome = failed(lastErrorOr(E_FAIL), L"The message box could not be shown: its window could not be created.");
        return nullptr;
    }
    markPhase("load event");
    // A window that came out on a monitor of another resolution is laid out
    // again at its own.
    if (form.dpi() != laidOutAt && form.layOutAgain)
        runStep([&] { form.layOutAgain(); });
    else
        runStep([&] { applyTextView(form, layout); });
    markPhase("scrolling view");
    return dialog;
}

} // namespace

MsgBoxOutcome outOfMemory()
{
    return failed(E_OUTOFMEMORY, L"The message box could not be shown: there is not enough memory.");
}

MsgBoxOutcome showMessage(QuillnoteProperties& properties, const std::u16string& message, std::int16_t buttons,
                          const std::u16string& title, const ExtendedProperties& extended,
                          const std::shared_ptr<DialogLink>& link)
{
    MsgBoxOutcome outcome;
    // The dialog's windows are made aware of their monitor's resolution,
    // whatever the caller's awareness: measured and drawn for it, and not
    // stretched by the system. The caller's thread gets its own awareness
    // back before the dialog is shown.
    std::unique_ptr<MessageBoxForm> dialog;
    {
        const forms::PerMonitorDpiScope perMonitor;
        dialog = prepareDialog(properties, message, buttons, title, extended, outcome);
    }
    if (!dialog)
        return outcome;
    MessageBoxForm& form = *dialog;
    SharedSettings& settings = properties.shared();

    settings.resultCode = ResultCodes::None;
    form.setTimeoutResult(extended.timeoutResult());
    if (link) {
        form.setLink(link);
        link->opened(form);
    }
    const bool chime = isSet(properties.soundBeep());
    if (isSet(settings.modal)) {
        if (chime)
            runStep([&] { form.chimeAfterFirstPaint(); });
        form.show(true);
        if (!form.answered())
            return failed(E_ABORT, L"The message box closed without an answer: its window was destroyed, or the "
                                   L"program is quitting.");
        outcome.code = form.resultCode();
        return outcome;
    }
    form.show(false);
    if (!form.alive() || !IsWindowVisible(form.hwnd()))
        return failed(lastErrorOr(E_FAIL), L"The message box could not be shown.");
    leaveOpen(std::move(dialog), chime);
    outcome.code = ResultCodes::None;
    return outcome;
}

} // namespace quillnote
