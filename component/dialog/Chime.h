#pragma once
// The chime that MsgBox plays when SoundBeep is set.

namespace quillnote {

// Starts the chime and returns at once. The chime plays to its end (or until
// another sound stops it) on a thread of its own, which holds a reference on
// the library for as long as the sound system reads the chime from the
// library's resources. Where there is no sound device nothing is heard, and
// no other sound stands in for it.
void PlayBeep();

} // namespace quillnote
