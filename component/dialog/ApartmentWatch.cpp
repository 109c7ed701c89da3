#include "ApartmentWatch.h"

#include "forms/FormRegistry.h"
#include "win/ComObject.h"
#include "win/SrwGuard.h"

#include <objbase.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace quillnote {

namespace {

// The threads whose apartments are watched, with their registrations' cookies.
struct Watch {
    DWORD thread;
    ULARGE_INTEGER cookie;
};

SRWLOCK g_lock = SRWLOCK_INIT;

// Reached only under g_lock.
std::vector<Watch>& watches()
{
    static std::vector<Watch> list;
    return list;
}

// Removes the calling thread's entry; its cookie, when it had one.
std::optional<ULARGE_INTEGER> takeWatchOfThisThread()
{
    win::ExclusiveGuard guard(g_lock);
    std::optional<ULARGE_INTEGER> cookie;
    auto& list = watches();
    const DWORD thread = GetCurrentThreadId();
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (it->thread == thread) {
            cookie = it->cookie;
            list.erase(it);
            break;
        }
    }
    return cookie;
}

bool watchingThisThread()
{
    win::SharedGuard guard(g_lock);
    const auto& list = watches();
    const DWORD thread = GetCurrentThreadId();
    return std::any_of(list.begin(), list.end(), [thread](const Watch& w) { return w.thread == thread; });
}

void stopWatching()
{
    if (const std::optional<ULARGE_INTEGER> cookie = takeWatchOfThisThread())
        CoRevokeInitializeSpy(*cookie);
}

class ApartmentSpy final : public win::SingleInterfaceObject<IInitializeSpy> {
public:
    STDMETHODIMP PreInitialize(DWORD, DWORD) override { return S_OK; }
    STDMETHODIMP PostInitialize(HRESULT result, DWORD, DWORD) override { return result; }
    STDMETHODIMP PreUninitialize(DWORD apartmentReferences) override
    {
        // The last CoUninitialize of the thread: its apartment goes now.
        // Unloading the last dialog also ends this watch.
        if (apartmentReferences == 1) {
            AddRef();
            forms::unloadFormsOfThisThread();
            stopWatching();
            Release();
        }
        return S_OK;
    }
    STDMETHODIMP PostUninitialize(DWORD) override { return S_OK; }
};

} // namespace

void watchApartmentOfThisThread()
{
    if (watchingThisThread())
        return;
    APTTYPE type;
    APTTYPEQUALIFIER qualifier;
    if (FAILED(CoGetApartmentType(&type, &qualifier)))
        return; // no apartment: the thread's end unloads its dialogs
    forms::setThreadFormsGoneHandler(&stopWatching);
    auto* spy = new ApartmentSpy();
    ULARGE_INTEGER cookie = {};
    if (SUCCEEDED(CoRegisterInitializeSpy(spy, &cookie))) {
        win::ExclusiveGuard guard(g_lock);
        watches().push_back(Watch{GetCurrentThreadId(), cookie});
    }
    spy->Release();
}

} // namespace quillnote
