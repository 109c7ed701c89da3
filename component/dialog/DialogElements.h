#pragma once
// The dialog as accessibility tools see it: the dialog itself (child 0) and
// its children in reading order, the message (child 1), each shown button
// from left to right, then the check box when there is one. The heading
// strip and the body are painted surfaces and are not elements of their
// own.

#include <windows.h>

#include <optional>
#include <string>

namespace quillnote {

namespace forms {
class CommandButton;
}
class MessageBoxForm;

struct DialogElement {
    enum class Kind { Dialog, Message, Button, CheckBox };
    Kind kind = Kind::Dialog;
    forms::CommandButton* button = nullptr; // for a button or the check box
};

constexpr long MessageChild = 1;

long childCount(const MessageBoxForm& form);
// The element of a child ID; none for an ID the dialog does not have.
std::optional<DialogElement> elementOf(MessageBoxForm& form, long childId);
// The child ID of a shown button or the shown check box; none for one that
// is not shown.
std::optional<long> childOfButton(const MessageBoxForm& form, const forms::CommandButton& button);
// The child that holds the focus: 0 for the dialog, none when the focus is
// elsewhere.
std::optional<long> focusedChild(MessageBoxForm& form);
// The child under a point of the screen: 0 for the dialog, none outside it.
std::optional<long> childAt(MessageBoxForm& form, POINT screen);

std::u16string nameOf(const MessageBoxForm& form, const DialogElement& element);
long roleOf(const DialogElement& element);
long stateOf(const MessageBoxForm& form, const DialogElement& element);
// "Alt+Y" for a button whose caption marks Y; empty when there is none.
std::u16string shortcutOf(const DialogElement& element);
// "Press" for a button, "Check" or "Uncheck" for the check box, empty for
// the others.
std::u16string defaultActionOf(const DialogElement& element);
// In screen pixels.
RECT locationOf(const MessageBoxForm& form, const DialogElement& element);

} // namespace quillnote
