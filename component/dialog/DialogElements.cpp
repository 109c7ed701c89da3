#include "DialogElements.h"

#include "MessageBoxForm.h"
#include "core/CopiedText.h"

#include <oleacc.h>

#include <vector>

namespace quillnote {

namespace {

RECT screenRectOfWindow(HWND window)
{
    RECT rect = {};
    if (window)
        GetWindowRect(window, &rect);
    return rect;
}

RECT screenRectOfClient(HWND window)
{
    RECT rect = {};
    if (!window)
        return rect;
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The message label lies on the body; its bounds are twips in the body.
RECT messageRect(const MessageBoxForm& form)
{
    const forms::TwipsRect& bounds = form.MsgText.bounds();
    const forms::Units& units = form.units();
    POINT corner{units.xPixels(bounds.left), units.yPixels(bounds.top)};
    if (form.Background.alive())
        ClientToScreen(form.Background.hwnd(), &corner);
    return RECT{corner.x, corner.y, corner.x + units.xPixels(bounds.width), corner.y + units.yPixels(bounds.height)};
}

// A control counts from the moment it shows, though its window may come a
// moment later (see CommandButton::place).
bool shown(const forms::CommandButton& button) { return button.showing(); }

// The shown controls in child order, from child 2: the buttons, then the
// check box.
template <typename Form>
auto shownControls(Form& form)
{
    std::vector<decltype(&form.MsgButton[0])> controls;
    for (auto& button : form.MsgButton)
        if (shown(button))
            controls.push_back(&button);
    if (shown(form.MsgCheck))
        controls.push_back(&form.MsgCheck);
    return controls;
}

} // namespace

long childCount(const MessageBoxForm& form) { return MessageChild + static_cast<long>(shownControls(form).size()); }

std::optional<DialogElement> elementOf(MessageBoxForm& form, long childId)
{
    if (childId == CHILDID_SELF)
        return DialogElement{DialogElement::Kind::Dialog, nullptr};
    if (childId == MessageChild)
        return DialogElement{DialogElement::Kind::Message, nullptr};
    const auto controls = shownControls(form);
    if (childId <= MessageChild || childId > MessageChild + static_cast<long>(controls.size()))
        return std::nullopt;
    forms::CommandButton* control = controls[static_cast<size_t>(childId - MessageChild - 1)];
    const bool checkBox = control == &form.MsgCheck;
    return DialogElement{checkBox ? DialogElement::Kind::CheckBox : DialogElement::Kind::Button, control};
}

std::optional<long> childOfButton(const MessageBoxForm& form, const forms::CommandButton& button)
{
    long id = MessageChild;
    for (const forms::CommandButton* control : shownControls(form)) {
        ++id;
        if (control == &button)
            return id;
    }
    return std::nullopt;
}

std::optional<long> focusedChild(MessageBoxForm& form)
{
    const HWND focus = GetFocus();
    if (!focus)
        return std::nullopt;
    long id = MessageChild;
    for (const forms::CommandButton* control : shownControls(form)) {
        ++id;
        if (control->hwnd() == focus)
            return id;
    }
    if (focus == form.hwnd() || IsChild(form.hwnd(), focus))
        return CHILDID_SELF;
    return std::nullopt;
}

std::optional<long> childAt(MessageBoxForm& form, POINT screen)
{
    const long count = childCount(form);
    for (long id = count; id >= MessageChild; --id) {
        const auto element = elementOf(form, id);
        if (!element)
            continue;
        const RECT rect = locationOf(form, *element);
        if (PtInRect(&rect, screen))
            return id;
    }
    const RECT whole = screenRectOfWindow(form.hwnd());
    if (PtInRect(&whole, screen))
        return CHILDID_SELF;
    return std::nullopt;
}

std::u16string nameOf(const MessageBoxForm& form, const DialogElement& element)
{
    switch (element.kind) {
    case DialogElement::Kind::Dialog:
        return form.TopCaption.caption();
    case DialogElement::Kind::Message:
        return form.MsgText.caption();
    case DialogElement::Kind::Button:
    case DialogElement::Kind::CheckBox:
        return withoutAccessMarkers(element.button->caption());
    }
    return {};
}

long roleOf(const DialogElement& element)
{
    switch (element.kind) {
    case DialogElement::Kind::Dialog:
        return ROLE_SYSTEM_DIALOG;
    case DialogElement::Kind::Message:
        return ROLE_SYSTEM_STATICTEXT;
    case DialogElement::Kind::Button:
        return ROLE_SYSTEM_PUSHBUTTON;
    case DialogElement::Kind::CheckBox:
        return ROLE_SYSTEM_CHECKBUTTON;
    }
    return ROLE_SYSTEM_CLIENT;
}

long stateOf(const MessageBoxForm& form, const DialogElement& element)
{
    switch (element.kind) {
    case DialogElement::Kind::Dialog: {
        long state = STATE_SYSTEM_FOCUSABLE;
        if (GetFocus() == form.hwnd())
            state |= STATE_SYSTEM_FOCUSED;
        return state;
    }
    case DialogElement::Kind::Message:
        return STATE_SYSTEM_READONLY;
    case DialogElement::Kind::Button:
    case DialogElement::Kind::CheckBox: {
        const forms::CommandButton& button = *element.button;
        long state = STATE_SYSTEM_FOCUSABLE;
        if (button.isDefault())
            state |= STATE_SYSTEM_DEFAULT;
        if (element.kind == DialogElement::Kind::CheckBox && form.MsgCheck.checked())
            state |= STATE_SYSTEM_CHECKED;
        if (button.hasFocus())
            state |= STATE_SYSTEM_FOCUSED;
        if (!button.enabled())
            state |= STATE_SYSTEM_UNAVAILABLE;
        return state;
    }
    }
    return 0;
}

std::u16string shortcutOf(const DialogElement& element)
{
    if (element.kind != DialogElement::Kind::Button && element.kind != DialogElement::Kind::CheckBox)
        return {};
    const wchar_t key = element.button->accessKey();
    if (key == 0)
        return {};
    return u"Alt+" + std::u16string(1, static_cast<char16_t>(key));
}

std::u16string defaultActionOf(const DialogElement& element)
{
    switch (element.kind) {
    case DialogElement::Kind::Button:
        return u"Press";
    case DialogElement::Kind::CheckBox:
        return static_cast<const forms::CheckBox*>(element.button)->checked() ? u"Uncheck" : u"Check";
    default:
        return {};
    }
}

RECT locationOf(const MessageBoxForm& form, const DialogElement& element)
{
    switch (element.kind) {
    case DialogElement::Kind::Dialog:
        return screenRectOfClient(form.hwnd());
    case DialogElement::Kind::Message:
        return messageRect(form);
    case DialogElement::Kind::Button:
    case DialogElement::Kind::CheckBox: {
        // Where it is in its box, with or without its window yet.
        RECT rect = element.button->placeInContainer();
        if (form.Background.alive())
            MapWindowPoints(form.Background.hwnd(), nullptr, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    }
    return RECT{};
}

} // namespace quillnote
