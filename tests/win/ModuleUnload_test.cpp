// The library loaded by COM itself (registration-free, through this
// program's manifest): COM may unload it whenever DllCanUnloadNow allows, so
// an open modeless dialog, and every object the library handed out, must
// keep it loaded.

#include "DialogDriver.h"
#include "TestSupport.h"
#include "win/AccessibleIid.h"
#include "win/Bstr.h"
#include "win/ProcAddress.h"

#include <oleacc.h>

namespace quillnote::test {
namespace {

HMODULE loadedLibrary() { return GetModuleHandleW(L"Quillnote.dll"); }

HRESULT canUnloadNow(HMODULE library)
{
    using Fn = HRESULT(WINAPI*)();
    auto fn = win::procAddress<Fn>(library, "DllCanUnloadNow");
    return fn ? fn() : E_NOTIMPL;
}

TEST(ModuleUnload, AModelessDialogKeepsTheLibraryLoadedUntilItCloses)
{
    Apartment apartment;
    ASSERT_HRESULT_SUCCEEDED(apartment.result());
    HWND dialog = nullptr;
    {
        win::ComPtr<_Quillnote> box;
        ASSERT_HRESULT_SUCCEEDED(
            CoCreateInstance(CLSID_Quillnote, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(box.put())));
        box->put_SoundBeep(VARIANT_FALSE);
        box->put_Modal(VARIANT_FALSE);
        win::Bstr text = win::Bstr::copyOf(u"Still here");
        Variant result;
        ASSERT_HRESULT_SUCCEEDED(box->MsgBox(text.get(), 4, nullptr, result.get()));
        dialog = findDialog(GetCurrentThreadId());
    }
    ASSERT_NE(dialog, nullptr);
    HMODULE library = loadedLibrary();
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(canUnloadNow(library), S_FALSE);

    CoFreeUnusedLibrariesEx(0, 0);
    // Poll ticks and repaints run the library's code.
    flushEvents(1000);
    ASSERT_EQ(loadedLibrary(), library) << "COM unloaded the library under an open dialog";
    ASSERT_TRUE(IsWindow(dialog));
    const DialogView view = viewOf(dialog);
    pressKey(view.focus ? view.focus : dialog, VK_TAB);
    flushEvents(200);
    releaseKey(GetFocus() ? GetFocus() : dialog, VK_ESCAPE);
    ASSERT_TRUE(pumpUntil([&] { return !IsWindow(dialog); }, 5000));

    EXPECT_EQ(canUnloadNow(library), S_OK);
    CoFreeUnusedLibrariesEx(0, 0);
    EXPECT_TRUE(pumpUntil([] { return loadedLibrary() == nullptr; }, 5000)) << "the library stayed loaded";
}

// A modeless dialog of a fresh object; the object is released at once.
HWND showModelessOfReleasedObject(const char16_t* text)
{
    win::ComPtr<_Quillnote> box;
    EXPECT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_Quillnote, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(box.put())));
    if (!box)
        return nullptr;
    box->put_SoundBeep(VARIANT_FALSE);
    box->put_Modal(VARIANT_FALSE);
    win::Bstr message = win::Bstr::copyOf(text);
    Variant result;
    EXPECT_HRESULT_SUCCEEDED(box->MsgBox(message.get(), 0, nullptr, result.get()));
    return findDialog(GetCurrentThreadId());
}

// What a screen reader does: it keeps the object it last reported after the
// dialog closed and the program let the component go, and reads it later.
TEST(ModuleUnload, AKeptAccessibleObjectKeepsTheLibraryLoadedAndAnswersDisconnected)
{
    Apartment apartment;
    ASSERT_HRESULT_SUCCEEDED(apartment.result());
    HWND dialog = showModelessOfReleasedObject(u"Read me");
    ASSERT_NE(dialog, nullptr);
    win::ComPtr<IAccessible> kept;
    ASSERT_HRESULT_SUCCEEDED(AccessibleObjectFromWindow(dialog, OBJID_CLIENT, win::AccessibleIid, kept.putVoid()));
    ASSERT_TRUE(kept);
    HMODULE library = loadedLibrary();
    ASSERT_NE(library, nullptr);
    releaseKey(viewOf(dialog).focus ? viewOf(dialog).focus : dialog, VK_ESCAPE);
    ASSERT_TRUE(pumpUntil([&] { return !IsWindow(dialog); }, 5000));

    EXPECT_EQ(canUnloadNow(library), S_FALSE) << "the kept object does not hold the library";
    CoFreeUnusedLibrariesEx(0, 0);
    ASSERT_EQ(loadedLibrary(), library) << "COM unloaded the library under a kept accessible object";
    VARIANT self = makeI4(CHILDID_SELF);
    win::Bstr name;
    EXPECT_EQ(kept->get_accName(self, name.put()), RPC_E_DISCONNECTED);
    long count = -1;
    EXPECT_EQ(kept->get_accChildCount(&count), RPC_E_DISCONNECTED);

    kept.reset();
    EXPECT_EQ(canUnloadNow(library), S_OK);
    CoFreeUnusedLibrariesEx(0, 0);
    EXPECT_TRUE(pumpUntil([] { return loadedLibrary() == nullptr; }, 5000)) << "the library stayed loaded";
}

// A class factory kept by the caller holds the library too, and lets go of
// it when released.
TEST(ModuleUnload, AKeptClassFactoryKeepsTheLibraryLoaded)
{
    Apartment apartment;
    ASSERT_HRESULT_SUCCEEDED(apartment.result());
    win::ComPtr<IClassFactory> factory;
    ASSERT_HRESULT_SUCCEEDED(
        CoGetClassObject(CLSID_Quillnote, CLSCTX_INPROC_SERVER, nullptr, IID_PPV_ARGS(factory.put())));
    HMODULE library = loadedLibrary();
    ASSERT_NE(library, nullptr);
    CoFreeUnusedLibrariesEx(0, 0);
    ASSERT_EQ(loadedLibrary(), library);
    win::ComPtr<_Quillnote> box;
    EXPECT_HRESULT_SUCCEEDED(factory->CreateInstance(nullptr, IID_PPV_ARGS(box.put())));
    box.reset();
    factory.reset();
    CoFreeUnusedLibrariesEx(0, 0);
    EXPECT_TRUE(pumpUntil([] { return loadedLibrary() == nullptr; }, 5000)) << "the library stayed loaded";
}

} // namespace
} // namespace quillnote::test
