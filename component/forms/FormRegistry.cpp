#include "FormRegistry.h"

#include "Form.h"
#include "win/SrwGuard.h"

#include <algorithm>
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

} // namespace

void enlistForm(Form* form)
{
    win::ExclusiveGuard guard(g_lock);
    listed().push_back(ListedForm{form, GetCurrentThreadId()});
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
    if (lastOfThread && handler)
        handler();
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

std::size_t formCountOfThread(DWORD thread)
{
    win::ExclusiveGuard guard(g_lock);
    const auto& forms = listed();
    return static_cast<std::size_t>(
        std::count_if(forms.begin(), forms.end(), [thread](const ListedForm& f) { return f.thread == thread; }));
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
