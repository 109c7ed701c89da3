// How long the library and its dialogs live: dialogs of threads that end,
// of apartments that go, the chime, server locks, and what an unloaded
// library leaves behind.

#include "DialogDriver.h"
#include "GuiObjects.h"
#include "TestSupport.h"
#include "win/Bstr.h"

#include <thread>

namespace quillnote::test {
namespace {

// Shows a modeless message through `box` and returns the calling thread's
// dialog.
HWND showModelessMessage(_Quillnote* box, const char16_t* text)
{
    box->put_Modal(VARIANT_FALSE);
    win::Bstr message = win::Bstr::copyOf(text);
    Variant result;
    box->MsgBox(message.get(), 0, nullptr, result.get());
    return findDialog(GetCurrentThreadId());
}

// What a thread saw of its own modeless dialog.
struct ThreadRun {
    bool shown = false;
    bool aliveAfterUninitialize = true;
};

// On a new thread with an apartment of its own: shows a modeless dialog and
// ends with it open, with or without uninitialising its apartment first.
ThreadRun runThreadThatLeavesADialogOpen(const Component& component, bool uninitialize)
{
    ThreadRun run;
    std::thread thread([&] {
        if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
            return;
        HWND dialog = nullptr;
        {
            win::ComPtr<_Quillnote> box;
            if (SUCCEEDED(component.create(box))) {
                box->put_SoundBeep(VARIANT_FALSE);
                dialog = showModelessMessage(box.get(), u"Left open");
            }
        }
        run.shown = dialog != nullptr;
        if (uninitialize) {
            // The apartment goes with its last CoUninitialize. The system
            // may hold references of its own on a thread with windows (an
            // input method does), so the thread lets go of all of them.
            APTTYPE type;
            APTTYPEQUALIFIER qualifier;
            for (int i = 0; i < 10 && SUCCEEDED(CoGetApartmentType(&type, &qualifier)); ++i)
                CoUninitialize();
            run.aliveAfterUninitialize = IsWindow(dialog) != FALSE;
        }
    });
    thread.join();
    return run;
}

class LifetimeTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_HRESULT_SUCCEEDED(apartment_.result());
        ASSERT_TRUE(component_.loaded());
    }
    Apartment apartment_;
    Component component_;
};

TEST_F(LifetimeTest, DialogsOfThreadsThatEndAreFreedWithTheirThread)
{
    for (const bool uninitialize : {false, true}) {
        SCOPED_TRACE(uninitialize ? "apartment uninitialised first" : "thread ends with its apartment");
        // Warm up: classes, fonts and icons that are made once.
        ASSERT_TRUE(runThreadThatLeavesADialogOpen(component_, uninitialize).shown);
        const DWORD before = gdiObjectCount();
        for (int i = 0; i < 20; ++i)
            ASSERT_TRUE(runThreadThatLeavesADialogOpen(component_, uninitialize).shown) << "thread " << i;
        // A dialog holds about a dozen GDI objects: twenty leaked would show.
        EXPECT_LE(gdiObjectCount(), before + 5);
        EXPECT_EQ(component_.canUnloadNow(), S_OK) << "a form of an ended thread is still listed";
    }
}

TEST_F(LifetimeTest, TheEndOfAnApartmentClosesItsDialogs)
{
    const ThreadRun run = runThreadThatLeavesADialogOpen(component_, true);
    ASSERT_TRUE(run.shown);
    EXPECT_FALSE(run.aliveAfterUninitialize);
}

// The chime's thread lets the library go once the chime has played (at once
// where there is no sound device), and the unloaded library leaves no window
// class behind that would point at its code.
TEST(LibraryUnload, NothingOfTheLibraryOutlivesIt)
{
    Apartment apartment;
    ASSERT_HRESULT_SUCCEEDED(apartment.result());
    HMODULE loadedAt = nullptr;
    {
        Component component;
        ASSERT_TRUE(component.loaded());
        loadedAt = GetModuleHandleW(componentPath().c_str());
        win::ComPtr<_Quillnote> box;
        ASSERT_HRESULT_SUCCEEDED(component.create(box));
        HWND dialog = showModelessMessage(box.get(), u"Chime"); // the chime stays on
        ASSERT_NE(dialog, nullptr);
        releaseKey(dialog, VK_ESCAPE);
        ASSERT_TRUE(pumpUntil([&] { return !IsWindow(dialog); }, 5000));
        box.reset();
        EXPECT_EQ(component.canUnloadNow(), S_OK);
    }
    EXPECT_TRUE(pumpUntil([] { return GetModuleHandleW(componentPath().c_str()) == nullptr; }, 10000))
        << "something still holds the library";
    WNDCLASSEXW info = {};
    info.cbSize = sizeof(info);
    EXPECT_FALSE(GetClassInfoExW(loadedAt, L"QuillnoteForm", &info));
    EXPECT_FALSE(GetClassInfoExW(loadedAt, L"QuillnotePictureBox", &info));

    // Loaded again, it registers its classes afresh and shows dialogs.
    Component again;
    win::ComPtr<_Quillnote> box;
    ASSERT_HRESULT_SUCCEEDED(again.create(box));
    box->put_SoundBeep(VARIANT_FALSE);
    HWND dialog = showModelessMessage(box.get(), u"Again");
    ASSERT_NE(dialog, nullptr);
    releaseKey(dialog, VK_ESCAPE);
    EXPECT_TRUE(pumpUntil([&] { return !IsWindow(dialog); }, 5000));
}

} // namespace
} // namespace quillnote::test
