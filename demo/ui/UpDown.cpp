#include "UpDown.h"

#include <commctrl.h>

namespace quillnote::demo {

void UpDown::bind(HWND upDown, HWND buddy, const UpDownRange& range)
{
    upDown_ = upDown;
    buddy_ = buddy;
    range_ = range;
    SendMessageW(upDown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy_), 0);
    SendMessageW(upDown_, UDM_SETRANGE32, static_cast<WPARAM>(range.min), static_cast<LPARAM>(range.max));
    // One step size at every speed: the increment does not grow while an
    // arrow is held down.
    UDACCEL step = {0, static_cast<UINT>(range.increment)};
    SendMessageW(upDown_, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));
    setValue(range.initial);
}

std::int32_t UpDown::value() const
{
    // For a text-box buddy the control first reads the buddy's text; a text
    // that is no whole number in range leaves the value as it was (the error
    // flag says so, and the value returned is the kept one).
    BOOL failed = FALSE;
    return static_cast<std::int32_t>(SendMessageW(upDown_, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
}

void UpDown::setValue(std::int32_t value) { SendMessageW(upDown_, UDM_SETPOS32, 0, static_cast<LPARAM>(value)); }

} // namespace quillnote::demo
