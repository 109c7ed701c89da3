#include "MsgBoxCall.h"

#include "ApartmentWatch.h"
#include "core/ButtonFlags.h"
#include "core/DialogGeometry.h"
#include "MessageBoxForm.h"
#include "core/PropertyRules.h"
#include "ResourceIds.h"
#include "win/Steps.h"
#include "forms/Screen.h"

#include <mmsystem.h>

#include <memory>

namespace quillnote {

namespace {

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

// Plays the chime to its end (or until another sound stops it) on a thread
// of its own, which holds a reference on the library for as long as the
// sound system reads the chime from the library's resources.
// SND_NODEFAULT: where there is no sound device the call fails quietly
// instead of falling back to the system's default sound.
DWORD WINAPI playChimeThread(void* module)
{
    PlaySoundW(MAKEINTRESOURCEW(IDW_CHIME), static_cast<HMODULE>(module), SND_RESOURCE | SND_SYNC | SND_NODEFAULT);
    FreeLibraryAndExitThread(static_cast<HMODULE>(module), 0);
}

void PlayBeep()
{
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCWSTR>(&playChimeThread),
                            &module))
        return;
    HANDLE thread = CreateThread(nullptr, 0, &playChimeThread, module, 0, nullptr);
    if (thread)
        CloseHandle(thread);
    else
        FreeLibrary(module);
}

} // namespace

std::int16_t showMessage(QuillnoteProperties& properties, const std::u16string& message, std::int16_t buttons,
                         const std::u16string& title)
{
    SharedSettings& settings = properties.shared();
    HWND active = nullptr;
    OwnerRect owner;
    const forms::Units units = forms::screenUnits();

    runStep([&] { active = GetActiveWindow(); });
    runStep([&] {
        if (properties.startUpPosition() != StartUp::CenterOfForm)
            return;
        RECT rect = {};
        if (active && GetWindowRect(active, &rect))
            owner = ownerRectFromPixels(rect.left, rect.top, rect.right, rect.bottom, units.twipsPerPixelX,
                                        units.twipsPerPixelY);
        else
            properties.setStartUpPosition(StartUp::CenterOfScreen);
    });

    // Each call shows a dialog of its own, loaded fresh in its design state,
    // so an earlier dialog that is still open keeps its own buttons and
    // result and never lends them to this one.
    std::unique_ptr<MessageBoxForm> dialog;
    runStep([&] { dialog = std::make_unique<MessageBoxForm>(settings); });
    if (!dialog || !dialog->load())
        return ResultCodes::None;
    MessageBoxForm& form = *dialog;

    runStep([&] { form.TopCaption.setForeColor(properties.foreColorHeading()); });
    runStep([&] { form.Background.setBackColor(settings.backColorBody); });
    runStep([&] { form.MsgText.setForeColor(properties.foreColorBody()); });
    runStep([&] {
        for (auto& button : form.MsgButton)
            button.setBackColor(properties.backColorButtons());
    });
    runStep([&] {
        const std::u16string heading = headingText(title, properties.defaultTitle(), active);
        form.TopCaption.setCaption(heading);
        form.setText(heading);
    });

    DecodedButtons decoded{};
    runStep([&] { decoded = decodeButtons(buttons); });
    runStep([&] {
        // An icon number without an entry in the table shows no icon at all,
        // rather than whatever an earlier call left behind.
        const auto iconId = properties.iconTableItem(decoded.iconNumber);
        if (iconId) {
            settings.iconHandle = reinterpret_cast<std::uintptr_t>(LoadIconW(nullptr, MAKEINTRESOURCEW(*iconId)));
            settings.iconIndex = static_cast<std::int16_t>(decoded.iconNumber - 1);
        } else {
            settings.iconIndex = -1;
        }
        form.setIcon(settings.iconIndex >= 0 ? settings.iconHandle : 0, settings.iconIndex);
    });

    int buttonCount = 0;
    runStep([&] {
        const auto captions = buttonCaptions(decoded.buttonSet);
        for (size_t i = 0; i < captions.size() && i < 4; ++i) {
            form.MsgButton[i].setCaption(captions[i]);
            form.MsgButton[i].setEnabled(true);
        }
        buttonCount = static_cast<int>(captions.size());
    });
    runStep([&] {
        for (auto& button : form.MsgButton) {
            button.setVisible(button.enabled());
            button.setTabStop(button.enabled());
        }
    });
    runStep([&] {
        if (decoded.defaultButton + 1 <= buttonCount)
            form.MsgButton[decoded.defaultButton].setDefault(true);
    });
    runStep([&] {
        form.MsgText.setCaption(message);
        form.Background.setText(message);
    });

    runStep([&] {
        LayoutInput in;
        in.buttonCount = buttonCount;
        in.iconIndex = settings.iconIndex;
        in.iconWidth = properties.iconWidth();
        in.iconHeight = properties.iconHeight();
        in.captionWidth = form.TopCaption.bounds().width;
        in.textWidth = form.MsgText.bounds().width;
        in.textHeight = form.MsgText.bounds().height;
        in.controlBox = isSet(properties.controlBox());
        in.headingType = settings.headingType;
        in.textAlignment = properties.textAlignment();
        in.startUpPosition = properties.startUpPosition();
        in.top = properties.top();
        in.left = properties.left();
        in.owner = owner;
        in.screenWidth = forms::Screen::width();
        in.screenHeight = forms::Screen::height();
        in.buttonHeight = form.MsgButton[0].bounds().height;
        in.backgroundTop = form.Background.bounds().top;
        in.currentTop = form.top();
        in.currentLeft = form.left();
        const LayoutResult out = layoutDialog(in);

        form.setWidth(out.dialogWidth);
        form.TopHeading.setWidth(out.headingStripWidth);
        for (auto& line : form.HLine) {
            if (out.separatorVisible)
                line.setX2(out.separatorX2);
            line.setVisible(out.separatorVisible);
        }
        form.Background.setWidth(out.backgroundWidth);
        form.MsgText.setLeft(out.textLeft);
        form.MsgText.setTop(out.textTop);
        form.MsgText.setAlignment(out.textAlignment);
        for (int i = 0; i < 4; ++i) {
            form.MsgButton[i].setTop(out.buttonTop);
            form.MsgButton[i].setLeft(out.buttonLeft[i]);
        }
        form.setHeight(out.dialogHeight);
        form.Background.setHeight(out.backgroundHeight);
        form.setTop(out.dialogTop);
        form.setLeft(out.dialogLeft);
        if (out.closeBoxPlaced)
            form.ControlBoxUp.setLeft(out.closeBoxLeft);
    });
    runStep([&] {
        const bool shown = isSet(properties.controlBox());
        form.ControlBoxUp.setVisible(shown);
        form.ControlBoxUp.setEnabled(shown);
    });

    settings.resultCode = ResultCodes::None;
    runStep([&] {
        if (isSet(properties.soundBeep()))
            PlayBeep();
    });

    if (isSet(settings.modal)) {
        form.show(true);
        return form.resultCode();
    }
    form.show(false);
    // The caller may not pump messages for a while (a script host that
    // sleeps): the dialog is painted now, and what the window system buffers
    // is sent to the screen, so it is seen complete when the call returns.
    runStep([&] {
        if (form.alive())
            RedrawWindow(form.hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        GdiFlush();
    });
    // The modeless dialog lives on by itself and goes when it is unloaded,
    // or when its thread or apartment ends.
    runStep([&] { watchApartmentOfThisThread(); });
    dialog.release()->deleteWhenUnloaded();
    return ResultCodes::None;
}

} // namespace quillnote
