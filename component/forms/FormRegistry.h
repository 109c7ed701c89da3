#pragma once
// Every form that exists, with the thread that made it. The library is in
// use while any form is listed (its windows, timers and subclassed buttons
// run the library's code), and the forms of a thread that ends, or whose
// apartment goes, are unloaded and freed rather than lost with the thread.
//
// A thread's end is seen through a fiber-local storage slot with a callback,
// set while the thread has forms: the system calls it on the ending thread
// before the libraries' thread-detach notifications, outside the loader
// lock, while the thread's windows still exist. So unloading (destroying
// windows, disconnecting objects, revoking the apartment watch) never runs
// under the loader lock, where waiting on another thread could deadlock.

#include <windows.h>

#include <cstddef>

namespace quillnote::forms {

class Form;

void enlistForm(Form* form);
void delistForm(Form* form);

std::size_t liveFormCount();

// Unloads every form of the calling thread. Forms handed over with
// deleteWhenUnloaded are freed by it; forms that an owner holds are only
// unloaded, and their owner frees them.
void unloadFormsOfThisThread();

// Called on a thread whose last form has just gone (one handler for the
// library; null for none).
using ThreadFormsGoneHandler = void (*)();
void setThreadFormsGoneHandler(ThreadFormsGoneHandler handler);

// The library is being unloaded: the thread-end slot goes with it, so that
// no thread calls into the unloaded code when it ends.
void stopWatchingThreadEnds();

} // namespace quillnote::forms
