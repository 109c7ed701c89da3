#include "FormRegistry.h"

#include "Form.h"
#include "win/ProcAddress.h"
#include "win/SrwGuard.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace quillnote::forms {

namespace {

struct ListedForm {
    Form* form;
    DWORD thread;
};

SRWLOCK g_lock = SRWLOCK_INIT;
ThreadFormsGoneHandler g_threadFormsGone = nullptr;

// Reached only under g_lock.
std::vector<ListedForm>& listed()
{
    static std::vector<ListedForm> forms;
    return forms;
}

bool isListed(Form* form)
{
    win::ExclusiveGuard guard(g_lock);
    const auto& forms = listed();
    return std::any_of(forms.begin(), forms.end(), [form](const ListedForm& f) { return f.form == form; });
}

// --- The end of a thread with forms ------------------------------------------

INIT_ONCE g_slotOnce = INIT_ONCE_STATIC_INIT;
DWORD g_threadEndSlot = FLS_OUT_OF_INDEXES;

// The slot's value on a thread with forms: its ID, never null. The
// callback acts only on the thread whose value it is given, since freeing
// the slot may run it for other threads' values on the freeing thread.
void* threadMark() { return reinterpret_cast<void*>(static_cast<std::uintptr_t>(GetCurrentThreadId())); }

// At the end of the process the other threads are gone already and the
// libraries are detaching: its forms go with it, as at the end of a process
// without us. The system's answer is looked up with the slot, since looking
// up a function takes the loader lock, which an ending thread must not wait
// for.
using ShutdownInProgress = BOOLEAN(NTAPI*)();
ShutdownInProgress g_shutdownInProgress = nullptr;

bool processEnding() { return g_shutdownInProgress && g_shutdownInProgress(); }

void WINAPI threadEnding(void* value)
{
    if (value == threadMark() && !processEnding())
        unloadFormsOfThisThread();
}

BOOL CALLBACK allocateSlot(INIT_ONCE*, void*, void**)
{
    g_shutdownInProgress =
        win::procAddress<ShutdownInProgress>(GetModuleHandleW(L"ntdll.dll"), "RtlDllShutdownInProgress");
    g_threadEndSlot = FlsAlloc(&threadEnding);
    return TRUE;
}

// Marks the calling thread as one whose end unloads its forms (or clears
// the mark).
void markThread(bool hasForms)
{
    InitOnceExecuteOnce(&g_slotOnce, &allocateSlot, nullptr, nullptr);
    if (g_threadEndSlot != FLS_OUT_OF_INDEXES)
        FlsSetValue(g_threadEndSlot, hasForms ? threadMark() : nullptr);
}

} // namespace

void enlistForm(Form* form)
{
    bool firstOfThread = false;
    {
        win::ExclusiveGuard guard(g_lock);
        auto& forms = listed();
        const DWORD thread = GetCurrentThreadId();
        firstOfThread =
            std::none_of(forms.begin(), forms.end(), [thread](const ListedForm& f) { return f.thread == thread; });
        forms.push_back(ListedForm{form, thread});
    }
    if (firstOfThread)
        markThread(true);
}

void stopWatchingThreadEnds()
{
    if (g_threadEndSlot != FLS_OUT_OF_INDEXES)
        FlsFree(g_threadEndSlot);
    g_threadEndSlot = FLS_OUT_OF_INDEXES;
}

void delistForm(Form* form)
{
    const DWORD thread = GetCurrentThreadId();
    bool lastOfThread = false;
    ThreadFormsGoneHandler handler = nullptr;
    {
        win::ExclusiveGuard guard(g_lock);
        auto& forms = listed();
        forms.erase(std::remove_if(forms.begin(), forms.end(), [form](const ListedForm& f) { return f.form == form; }),
                    forms.end());
        lastOfThread =
            std::none_of(forms.begin(), forms.end(), [thread](const ListedForm& f) { return f.thread == thread; });
        handler = g_threadFormsGone;
    }
    if (lastOfThread) {
        markThread(false);
        if (handler)
            handler();
    }
}

void setThreadFormsGoneHandler(ThreadFormsGoneHandler handler)
{
    win::ExclusiveGuard guard(g_lock);
    g_threadFormsGone = handler;
}

std::size_t liveFormCount()
{
    win::ExclusiveGuard guard(g_lock);
    return listed().size();
}

void unloadFormsOfThisThread()
{
    std::vector<Form*> mine;
    {
        win::ExclusiveGuard guard(g_lock);
        for (const ListedForm& f : listed())
            if (f.thread == GetCurrentThreadId())
                mine.push_back(f.form);
    }
    // Newest first, so that a form shown from another one's handler goes
    // before the one it stands on. Each unload may free its own form, never
    // another one, but the list is checked again all the same.
    for (auto it = mine.rbegin(); it != mine.rend(); ++it)
        if (isListed(*it))
            (*it)->unloadNow();
}

} // namespace quillnote::forms
