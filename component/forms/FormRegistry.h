#pragma once
// Every form that exists, with the thread that made it. The library is in
// use while any form is listed (its windows, timers and subclassed buttons
// run the library's code), and the forms of a thread that ends, or whose
// apartment goes, are unloaded and freed rather than lost with the thread.

#include <windows.h>

#include <cstddef>

namespace quillnote::forms {

class Form;

void enlistForm(Form* form);
void delistForm(Form* form);

std::size_t liveFormCount();
std::size_t formCountOfThread(DWORD thread);

// Unloads every form of the calling thread. Forms handed over with
// deleteWhenUnloaded are freed by it; forms that an owner holds are only
// unloaded, and their owner frees them.
void unloadFormsOfThisThread();

// Called on a thread whose last form has just gone (one handler for the
// library; null for none).
using ThreadFormsGoneHandler = void (*)();
void setThreadFormsGoneHandler(ThreadFormsGoneHandler handler);

} // namespace quillnote::forms
