#pragma once
// "Skip the failing step and go on": the call and the dialog's handlers run
// step by step, and a step that fails is skipped without ending the rest.
// Win32 failures are already quiet (the results are looked at where they
// matter); this catches what C++ can throw (out of memory, for instance).

namespace quillnote {

template <typename Step>
void runStep(Step&& step) noexcept
{
    try {
        step();
    } catch (...) {
    }
}

} // namespace quillnote
