#include "DemoServices.h"

#include "ColourChooser.h"
#include "Layout.h"
#include "Text.h"

#include <memory>

namespace quillnote::demo {

namespace {

// By CLSID through COM: the program's manifest names the component's
// side-by-side assembly, so a Quillnote.dll with its Quillnote.manifest beside
// the program is found without any registration; otherwise COM looks the
// class up in the registry.
HRESULT createThroughCom(win::ComPtr<_Quillnote>& object)
{
    return CoCreateInstance(CLSID_Quillnote, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(object.put()));
}

void reportInMessageBox(HWND owner, const std::wstring& text)
{
    MessageBoxW(owner, text.c_str(), toWide(WindowCaption).c_str(), MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

DemoServices platformServices()
{
    // The chooser keeps its custom colours from one run to the next while
    // the program runs.
    auto chooser = std::make_shared<ColourChooser>();
    DemoServices services;
    services.createQuillnote = &createThroughCom;
    services.chooseColour = [chooser](HWND owner, Colour initial) { return chooser->choose(owner, initial); };
    services.report = &reportInMessageBox;
    services.onExit = [] { PostQuitMessage(0); };
    return services;
}

} // namespace quillnote::demo
