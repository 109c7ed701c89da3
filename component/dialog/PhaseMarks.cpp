#include "PhaseMarks.h"

namespace quillnote {

namespace {

PhaseSink g_sink = nullptr;

} // namespace

void setPhaseSink(PhaseSink sink) { g_sink = sink; }

void markPhase(const char* phaseEnded)
{
    if (g_sink)
        g_sink(phaseEnded);
}

} // namespace quillnote
