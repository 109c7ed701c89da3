#include "ModalWatcher.h"

#include "TestWindows.h"

#include <gtest/gtest.h>

#include <exception>
#include <utility>

namespace quillnote::test {

namespace {

// How long a cancelled window has to close before the program ends.
constexpr DWORD CancelGraceMs = 3000;
// The pool's timer waits longer still: while the thread dispatches its
// messages, its own timers come first.
constexpr DWORD LastResortExtraMs = 10000;

thread_local ModalWatcher* watching = nullptr;

} // namespace

void ModalWatcher::postCancelCommand(HWND window) { PostMessageW(window, WM_COMMAND, IDCANCEL, 0); }

ModalWatcher::ModalWatcher(std::wstring className, Step first, DWORD limitMs, Cancel cancel)
    : className_(std::move(className)), cancel_(std::move(cancel)),
      lastResort_(limitMs + CancelGraceMs + LastResortExtraMs, [this]() -> DWORD {
          const HWND window = window_;
          if (window && IsWindow(window))
              endProgram("a watched window is still open and its thread no longer dispatches messages");
          return 0;
      })
{
    if (watching)
        endProgram("a second modal watcher on one thread");
    if (first)
        steps_.push_back({0, std::move(first)});
    hook_ = SetWindowsHookExW(WH_CBT, &ModalWatcher::onCbt, nullptr, GetCurrentThreadId());
    if (!hook_)
        endProgram("the CBT hook could not be installed");
    watching = this;
    limitTimer_ = SetTimer(nullptr, 0, limitMs, &ModalWatcher::onTimer);
}

ModalWatcher::~ModalWatcher()
{
    UnhookWindowsHookEx(hook_);
    for (UINT_PTR timer : {stepTimer_, limitTimer_, checkTimer_})
        if (timer)
            KillTimer(nullptr, timer);
    watching = nullptr;
}

ModalWatcher& ModalWatcher::then(DWORD delayMs, Step step)
{
    steps_.push_back({delayMs, std::move(step)});
    return *this;
}

LRESULT CALLBACK ModalWatcher::onCbt(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && watching && !watching->window_) {
        const HWND window = reinterpret_cast<HWND>(wParam);
        if (!(GetWindowLongW(window, GWL_STYLE) & WS_CHILD) && className(window) == watching->className_)
            watching->activated(window);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK ModalWatcher::onTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id); // every timer here fires once
    ModalWatcher* self = watching;
    if (!self)
        return;
    if (id == self->stepTimer_) {
        self->stepTimer_ = 0;
        self->runStep();
    } else if (id == self->limitTimer_) {
        self->limitTimer_ = 0;
        self->limitReached();
    } else if (id == self->checkTimer_) {
        self->checkTimer_ = 0;
        self->checkCancelled();
    }
}

void ModalWatcher::activated(HWND window)
{
    window_ = window;
    // Runs once the activation has been handled and the window's loop is
    // running: a thread timer comes after every other message.
    if (!steps_.empty())
        stepTimer_ = SetTimer(nullptr, 0, steps_[0].delayMs, &ModalWatcher::onTimer);
}

void ModalWatcher::runStep()
{
    const HWND window = window_;
    if (next_ >= steps_.size() || !IsWindow(window))
        return;
    if (!IsWindowVisible(window)) {
        // Activated while it was set up: a dialog box shows itself only
        // when its loop first finds the queue empty, which a timer that is
        // not yet due leaves it.
        stepTimer_ = SetTimer(nullptr, 0, 0, &ModalWatcher::onTimer);
        return;
    }
    const Step& step = steps_[next_++].step;
    // An exception must not unwind through the window system's dispatch.
    try {
        step(window);
    } catch (const std::exception& e) {
        ADD_FAILURE() << "a step on the watched window threw: " << e.what();
    } catch (...) {
        ADD_FAILURE() << "a step on the watched window threw";
    }
    if (next_ < steps_.size())
        stepTimer_ = SetTimer(nullptr, 0, steps_[next_].delayMs, &ModalWatcher::onTimer);
}

void ModalWatcher::limitReached()
{
    HWND window = window_;
    if (!window)
        window = findVisibleWindow(GetCurrentThreadId(), className_); // shown, never activated
    if (!window || !IsWindow(window))
        return;
    timedOut_ = true;
    window_ = window;
    cancel_(window);
    checkTimer_ = SetTimer(nullptr, 0, CancelGraceMs, &ModalWatcher::onTimer);
}

void ModalWatcher::checkCancelled()
{
    if (IsWindow(window_))
        endProgram("a watched window did not close when cancelled");
}

} // namespace quillnote::test
