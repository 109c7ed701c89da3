// The library's standard entry points.

#include "ClassFactory.h"
#include "Module.h"
#include "Registration.h"
#include "dialog/SystemIcons.h"
#include "forms/DibSections.h"
#include "forms/FormRegistry.h"
#include "forms/Window.h"
#include "win/HResult.h"

#include <windows.h>

#include <cwchar>

using namespace quillnote;

// Runs under the loader lock, so it does only what cannot wait on another
// thread. A thread that ends with dialogs open has them unloaded by the
// form registry's thread-end callback, outside the lock (see
// FormRegistry.h), not here; the library needs no thread notifications.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        setModuleInstance(instance);
        DisableThreadLibraryCalls(instance);
        break;
    case DLL_PROCESS_DETACH:
        // Unloaded by FreeLibrary (not at process exit), which COM does only
        // once no object, factory or dialog of ours is left: no thread may
        // call the unloaded code at its end, our window classes must not
        // outlive the code they point at, nor our icons and kept bitmaps the
        // library that made them. Each call here frees a handle of ours
        // (FlsFree, UnregisterClassW of a class without windows,
        // DestroyIcon, DeleteObject): none loads a library, sends a message
        // or waits for another thread, which is what makes a call unsafe
        // under the loader lock.
        if (!reserved) {
            forms::stopWatchingThreadEnds();
            forms::unregisterWindowClasses();
            releaseSystemIcons();
            forms::releaseKeptDibSections();
        }
        break;
    default:
        break;
    }
    return TRUE;
}

STDAPI DllCanUnloadNow() { return moduleInUse() ? S_FALSE : S_OK; }

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object)
{
    try {
        return getClassObject(clsid, iid, object);
    }
    CATCH_RETURN()
}

STDAPI DllRegisterServer()
{
    try {
        return registerServer(RegistrationScope::Machine);
    }
    CATCH_RETURN()
}

STDAPI DllUnregisterServer()
{
    try {
        return unregisterServer(RegistrationScope::Machine);
    }
    CATCH_RETURN()
}

// regsvr32 /i:user (with /n) registers for the current user only, without
// administrator rights; /i:machine or no command line does what
// DllRegisterServer does. /u with the same switch removes it again.
STDAPI DllInstall(BOOL install, LPCWSTR commandLine)
{
    try {
        RegistrationScope scope = RegistrationScope::Machine;
        if (commandLine && *commandLine) {
            if (_wcsicmp(commandLine, L"user") == 0)
                scope = RegistrationScope::User;
            else if (_wcsicmp(commandLine, L"machine") != 0)
                return E_INVALIDARG;
        }
        return install ? registerServer(scope) : unregisterServer(scope);
    }
    CATCH_RETURN()
}
