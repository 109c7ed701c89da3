#pragma once
// The last resort against a test that hangs: a timer of the thread pool,
// which still fires when the test thread no longer dispatches its messages,
// and ending the program with a message that says why.

#include <windows.h>

#include <atomic>
#include <functional>

namespace quillnote::test {

// Writes `why` to stderr and ends the program at once with exit code 3.
[[noreturn]] void endProgram(const char* why);

class Watchdog {
public:
    // Called on a pool thread; returns the delay after which to be called
    // again, or 0 for never.
    using Expired = std::function<DWORD()>;

    // Calls `expired` once `limitMs` have passed, unless disarmed first.
    Watchdog(DWORD limitMs, Expired expired);
    // Disarms it, and waits for a call that is running.
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    static void CALLBACK fire(PTP_CALLBACK_INSTANCE, void* context, PTP_TIMER timer);
    void arm(DWORD delayMs);

    Expired expired_;
    std::atomic<bool> disarmed_{false};
    PTP_TIMER timer_ = nullptr;
};

} // namespace quillnote::test
