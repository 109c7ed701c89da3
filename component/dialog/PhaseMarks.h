#pragma once
// Marks between the phases of a MsgBox call, so that the benchmark can tell
// where the time of a first paint goes. Only the benchmark's own copy of the
// dialog is built with QUILLNOTE_PHASE_MARKS; everywhere else a mark is an
// empty inline function and costs nothing.

namespace quillnote {

// Called with the name of the phase that has just ended.
using PhaseSink = void (*)(const char* phaseEnded);

#ifdef QUILLNOTE_PHASE_MARKS
void setPhaseSink(PhaseSink sink);
void markPhase(const char* phaseEnded);
#else
inline void markPhase(const char*) {}
#endif

} // namespace quillnote
