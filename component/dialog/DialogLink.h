#pragma once
// What an object knows of the dialogs its calls show, and how a dialog tells
// its object that it closed. The object and its dialogs share the link:
// when the object goes first it lets go of the link, and a dialog that
// closes later tells no one; a dialog that goes leaves the link as it was,
// less itself.

#include <cstdint>
#include <functional>
#include <optional>

namespace quillnote {

class MessageBoxForm;

// How a dialog closed with an answer.
struct DialogClosing {
    std::int16_t result = 0;
    std::optional<bool> checkBox; // whether its check box was checked; none without one
};

class DialogLink {
public:
    using ClosedHandler = std::function<void(const DialogClosing&)>;

    // The object's side. The handler is called after the dialog has gone
    // from the screen; null stops the calls (the object is going).
    void setClosedHandler(ClosedHandler handler) { onClosed_ = std::move(handler); }
    // The last dialog shown is open.
    bool isOpen() const { return open_ != nullptr; }
    // The code the last dialog that answered closed with; 0 until one has.
    std::int16_t result() const { return result_; }
    // Closes the open dialog with `code`, as if a button with that code were
    // pressed; nothing without one.
    void close(std::int16_t code);

    // The dialog's side.
    void opened(MessageBoxForm& form) { open_ = &form; }
    void answered(MessageBoxForm& form, const DialogClosing& closing);
    void gone(const MessageBoxForm& form);

private:
    MessageBoxForm* open_ = nullptr;
    std::int16_t result_ = 0;
    ClosedHandler onClosed_;
};

} // namespace quillnote
