#pragma once
// A form's timer: ticks arrive through the thread's message loop while it is
// enabled, one at a time, between other events.

#include <windows.h>

#include <functional>

namespace quillnote::forms {

class Form;

class Timer {
public:
    Timer(Form& form, unsigned intervalMs);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    unsigned interval() const { return interval_; }
    UINT_PTR id() const { return reinterpret_cast<UINT_PTR>(this); }

    // The form's window is gone: its timers are gone with it.
    void stop() { enabled_ = false; }
    void tick();

    std::function<void()> onTick;

private:
    Form& form_;
    unsigned interval_;
    bool enabled_ = false;
};

} // namespace quillnote::forms
