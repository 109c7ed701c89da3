#include "Timer.h"

#include "Form.h"

namespace quillnote::forms {

Timer::Timer(Form& form, unsigned intervalMs) : form_(form), interval_(intervalMs) { form_.registerTimer(this); }

Timer::~Timer()
{
    setEnabled(false);
    form_.unregisterTimer(this);
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (!form_.alive())
        return;
    if (enabled_)
        enabled_ = SetTimer(form_.hwnd(), id(), interval_, nullptr) != 0;
    else
        KillTimer(form_.hwnd(), id());
}

void Timer::tick()
{
    if (enabled_ && onTick)
        onTick();
}

} // namespace quillnote::forms
