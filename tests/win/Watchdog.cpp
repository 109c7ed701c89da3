#include "Watchdog.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace quillnote::test {

void endProgram(const char* why)
{
    std::fprintf(stderr, "watchdog: %s; ending the test program\n", why);
    std::fflush(stderr);
    std::_Exit(3);
}

Watchdog::Watchdog(DWORD limitMs, Expired expired) : expired_(std::move(expired))
{
    timer_ = CreateThreadpoolTimer(&Watchdog::fire, this, nullptr);
    if (!timer_)
        endProgram("no pool timer for the watchdog");
    arm(limitMs);
}

Watchdog::~Watchdog()
{
    disarmed_ = true;
    // Twice: a call that was running when the timer was stopped may have
    // set it again before it saw the flag.
    for (int i = 0; i < 2; ++i) {
        SetThreadpoolTimer(timer_, nullptr, 0, 0);
        WaitForThreadpoolTimerCallbacks(timer_, TRUE);
    }
    CloseThreadpoolTimer(timer_);
}

void Watchdog::arm(DWORD delayMs)
{
    // A relative due time, in 100-nanosecond units, is negative.
    ULARGE_INTEGER due;
    due.QuadPart = static_cast<ULONGLONG>(-static_cast<LONGLONG>(delayMs) * 10000);
    FILETIME when;
    when.dwLowDateTime = due.LowPart;
    when.dwHighDateTime = due.HighPart;
    SetThreadpoolTimer(timer_, &when, 0, 0);
}

void CALLBACK Watchdog::fire(PTP_CALLBACK_INSTANCE, void* context, PTP_TIMER)
{
    auto* self = static_cast<Watchdog*>(context);
    if (self->disarmed_)
        return;
    if (const DWORD again = self->expired_())
        self->arm(again);
}

} // namespace quillnote::test
