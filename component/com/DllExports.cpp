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

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        setModuleInstance(instance);
        break;
    case DLL_THREAD_DETACH:
        // A thread that ends with dialogs open: they are unloaded and freed
        // while the thread and its windows still exist, instead of being
        // lost with it.
        if (forms::formCountOfThread(GetCurrentThreadId()) != 0)
            forms::unloadFormsOfThisThread();
        break;
    case DLL_PROCESS_DETACH:
        // Unloaded by FreeLibrary (not at process exit): our window classes
        // must not outlive the code they point at, nor our icons and kept
        // bitmaps the library that made them.
        if (!reserved) {
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
