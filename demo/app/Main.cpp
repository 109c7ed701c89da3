// QuillnoteSample: the demonstration program of the Quillnote component. One
// window; it ends when the window is closed.

#include "DemoWindow.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

namespace {

// CoInitializeEx / CoUninitialize, balanced on any success (S_FALSE too).
class Apartment {
public:
    Apartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~Apartment()
    {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }
    Apartment(const Apartment&) = delete;
    Apartment& operator=(const Apartment&) = delete;
    bool ok() const { return SUCCEEDED(result_); }

private:
    HRESULT result_;
};

int runMessageLoop()
{
    MSG message;
    BOOL got;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) != 0) {
        if (got == -1)
            return 1;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    // The component is apartment-threaded and shows its dialog on this
    // thread, which is the window's.
    Apartment apartment;
    if (!apartment.ok())
        return 1;
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);

    int exitCode = 1;
    {
        quillnote::demo::DemoWindow window(quillnote::demo::platformServices());
        if (!window.create())
            return 1;
        window.show();
        exitCode = runMessageLoop();
    }
    return exitCode;
}
