#pragma once
// "Skip the failing step and go on", as Reset promises: each step runs on its
// own, and one that fails does not stop the next. Win32 failures are quiet
// already (a step reports them by its result, which nobody needs); this also
// keeps what C++ can throw (out of memory) from ending the rest.

namespace quillnote::demo {

template <typename Step>
void runStep(Step&& step) noexcept
{
    try {
        step();
    } catch (...) {
    }
}

} // namespace quillnote::demo
