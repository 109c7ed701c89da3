#pragma once
// Dialogs that outlive the call run on their caller's thread. When that
// thread's COM apartment is about to go, CoUninitialize may free this library
// right after, so the thread's dialogs are unloaded first. The watch is kept
// only while the thread has dialogs: it goes with the thread's last one.

namespace quillnote {

// Starts watching the calling thread's apartment, if it has one and is not
// watched yet. Call it when a dialog is left open for the caller.
void watchApartmentOfThisThread();

} // namespace quillnote
