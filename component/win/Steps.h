#pragma once
// "Skip the failing step and go on": the MsgBox call, the dialog's handlers
// and the sample program's procedures run step by step, and a step that
// fails is skipped without ending the rest. Win32 failures are looked at
// where they matter; this catches what C++ can throw (out of memory, for
// instance) and reports it with the place of the step.

#include "FailureReport.h"

namespace quillnote {

template <typename Step>
void runStep(Step&& step, const char* file = __builtin_FILE(), int line = __builtin_LINE()) noexcept
{
    try {
        step();
    } catch (...) {
        win::reportFailure("step", file, line, E_UNEXPECTED);
    }
}

} // namespace quillnote
