#pragma once
// What the demonstration window needs from outside itself: the component
// object, the colour chooser, a way to report a problem, and the end of the
// program. The program uses the platform's (platformServices); the tests put
// in their own, so that a Show can be checked without the component's dialog
// and a colour chosen without the chooser.

#include "Quillnote.h"
#include "core/Values.h"
#include "win/ComPtr.h"

#include <windows.h>

#include <functional>
#include <string>

namespace quillnote::demo {

struct DemoServices {
    // Creates a Quillnote object.
    std::function<HRESULT(win::ComPtr<_Quillnote>& object)> createQuillnote;
    // Shows a colour chooser that starts from `initial` and returns the
    // colour chosen, or `initial` itself when the user cancels.
    std::function<Colour(HWND owner, Colour initial)> chooseColour;
    // Tells the user why an action could not be done.
    std::function<void(HWND owner, const std::wstring& text)> report;
    // The window is gone: the program ends.
    std::function<void()> onExit;
};

// The platform's services: the object created through COM by CLSID, the
// platform's colour dialog, a platform message box for reports, and
// PostQuitMessage at the end.
DemoServices platformServices();

} // namespace quillnote::demo
