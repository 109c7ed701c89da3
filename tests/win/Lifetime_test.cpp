// How long the library and its dialogs live: dialogs of threads that end,
// of apartments that go, the chime, server locks, and what an unloaded
// library leaves behind.

#include "DialogDriver.h"
#include "GuiObjects.h"
#include "TestSupport.h"
#include "Watchdog.h"
#include "win/Bstr.h"
#include "win/ProcAddress.h"
#include "win/UniqueHandle.h"

#include <atomic>
#include <functional>
#include <string>
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

std::wstring lockHolderPath() { return programFolder() + L"\\loader_lock_holder.dll"; }

// Sets an environment variable for the time of a test.
class ScopedEnvironment {
public:
    ScopedEnvironment(const wchar_t* name, const std::wstring& value) : name_(name)
    {
        SetEnvironmentVariableW(name, value.c_str());
    }
    ~ScopedEnvironment() { SetEnvironmentVariableW(name_, nullptr); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const wchar_t* name_;
};

// A thread of the system's own (not of the C++ runtime, whose thread end may
// take the loader lock itself before the system's thread end begins), for
// the test that holds that lock.
class SystemThread {
public:
    explicit SystemThread(std::function<void()> body) : body_(std::move(body))
    {
        handle_.reset(CreateThread(nullptr, 0, &SystemThread::run, this, 0, nullptr));
    }
    ~SystemThread() { join(); }
    SystemThread(const SystemThread&) = delete;
    SystemThread& operator=(const SystemThread&) = delete;
    void join()
    {
        if (handle_)
            WaitForSingleObject(handle_.get(), INFINITE);
        handle_.reset();
    }

private:
    static DWORD WINAPI run(void* self)
    {
        static_cast<SystemThread*>(self)->body_();
        return 0;
    }
    std::function<void()> body_;
    win::UniqueKernelHandle handle_;
};

// A thread ends with its dialog open while another thread holds the loader
// lock (it is loading a library whose DllMain waits for that dialog to go):
// the ending thread unloads its dialog all the same. Unloading it under the
// loader lock would wait for the lock, which waits for the dialog.
TEST_F(LifetimeTest, AThreadEndingWhileTheLoaderLockIsHeldUnloadsItsDialogs)
{
    for (const bool uninitialize : {false, true}) {
        SCOPED_TRACE(uninitialize ? "apartment uninitialised first" : "thread ends with its apartment");
        win::UniqueKernelHandle shown(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        win::UniqueKernelHandle end(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        const std::wstring heldName = L"Local\\QuillnoteLockHeld" + std::to_wstring(GetCurrentProcessId());
        win::UniqueKernelHandle held(CreateEventW(nullptr, TRUE, FALSE, heldName.c_str()));
        ASSERT_TRUE(shown && end && held);
        std::atomic<HWND> dialog{nullptr};
        SystemThread ending([&] {
            if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
                SetEvent(shown.get());
                return;
            }
            {
                win::ComPtr<_Quillnote> box;
                if (SUCCEEDED(component_.create(box))) {
                    box->put_SoundBeep(VARIANT_FALSE);
                    dialog = showModelessMessage(box.get(), u"Ends with its thread");
                }
            }
            SetEvent(shown.get());
            WaitForSingleObject(end.get(), 20000);
            if (uninitialize)
                CoUninitialize();
        });
        WaitForSingleObject(shown.get(), 20000);
        ASSERT_NE(dialog.load(), nullptr);

        LONG went = -2;
        {
            const ScopedEnvironment window(L"QUILLNOTE_LOCK_HOLDER_WINDOW",
                                           std::to_wstring(reinterpret_cast<UINT_PTR>(dialog.load())));
            const ScopedEnvironment event(L"QUILLNOTE_LOCK_HOLDER_EVENT", heldName);
            win::UniqueModule holder;
            SystemThread loading([&] { holder.reset(LoadLibraryW(lockHolderPath().c_str())); });
            // The thread ends once the loader lock is held.
            EXPECT_EQ(WaitForSingleObject(held.get(), 20000), WAIT_OBJECT_0);
            SetEvent(end.get());
            loading.join();
            ending.join();
            ASSERT_TRUE(holder);
            using Went = LONG (*)();
            if (auto wentWhileAttaching = win::procAddress<Went>(holder.get(), "windowWentWhileAttaching"))
                went = wentWhileAttaching();
        }
        EXPECT_EQ(went, 1) << "the dialog of the ending thread stayed while another thread held the loader lock";
        EXPECT_FALSE(IsWindow(dialog.load()));
        EXPECT_EQ(component_.canUnloadNow(), S_OK) << "a form of the ended thread is still listed";
    }
}

// Two hundred threads end with dialogs open, half of them uninitialising
// their apartments first, while another thread loads and frees a library
// over and over: no deadlock (a watchdog ends the program after two
// minutes), and nothing is left of the dialogs.
TEST_F(LifetimeTest, ThreadsEndingWithDialogsWhileLibrariesComeAndGoLeaveNothing)
{
    ASSERT_TRUE(runThreadThatLeavesADialogOpen(component_, false).shown); // warm up
    const DWORD gdiBefore = gdiObjectCount();
    Watchdog deadlock(120000, []() -> DWORD { endProgram("threads ending with dialogs open deadlocked"); });
    std::atomic<bool> stop{false};
    std::atomic<int> loads{0};
    std::thread loading([&] {
        const std::wstring path = lockHolderPath();
        while (!stop) {
            if (HMODULE library = LoadLibraryW(path.c_str())) {
                ++loads;
                FreeLibrary(library);
            }
            // Each load and free holds the loader lock; a rest between them
            // lets the other threads start and end instead of queueing.
            Sleep(1);
        }
    });
    int shown = 0;
    for (int round = 0; round < 200; ++round)
        shown += runThreadThatLeavesADialogOpen(component_, round % 2 == 1).shown ? 1 : 0;
    stop = true;
    loading.join();
    EXPECT_EQ(shown, 200);
    EXPECT_GT(loads.load(), 0) << "the library was never loaded meanwhile";
    EXPECT_EQ(component_.canUnloadNow(), S_OK) << "a form of an ended thread is still listed";
    EXPECT_LE(gdiObjectCount(), gdiBefore + 5);
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
