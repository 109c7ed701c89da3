#include "DialogLink.h"

#include "MessageBoxForm.h"

namespace quillnote {

void DialogLink::close(std::int16_t code)
{
    if (open_)
        open_->closeFromOutside(code);
}

void DialogLink::answered(MessageBoxForm& form, const DialogClosing& closing)
{
    gone(form);
    result_ = closing.result;
    // A copy: the handler may end the object, which lets go of its handler.
    const ClosedHandler handler = onClosed_;
    if (handler)
        handler(closing);
}

void DialogLink::gone(const MessageBoxForm& form)
{
    if (open_ == &form)
        open_ = nullptr;
}

} // namespace quillnote
