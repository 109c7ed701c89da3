// The library loaded by COM itself (registration-free, through this
// program's manifest): COM may unload it whenever DllCanUnloadNow allows, so
// an open modeless dialog must keep it loaded.

#include "DialogDriver.h"
#include "TestSupport.h"
#include "win/Bstr.h"
#include "win/ProcAddress.h"

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

} // namespace
} // namespace quillnote::test
