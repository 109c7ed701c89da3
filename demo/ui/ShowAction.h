#pragma once
// The Show action's part that talks to the component: the one Quillnote
// object of the window (created on the first Show and reused), every
// property written in order (the members of version 1.1 after those of 1.0,
// when the object has them), and the MsgBox call.

#include "DemoServices.h"
#include "Quillnote.h"
#include "ShowValues.h"
#include "Version11Values.h"
#include "win/ComPtr.h"

#include <windows.h>

#include <string>

namespace quillnote::demo {

class ShowAction {
public:
    explicit ShowAction(const DemoServices& services) : services_(services) {}

    // Step 1: creates the object if the window has none yet. A failure
    // leaves the window without one, so that the next Show tries again.
    HRESULT ensureObject();
    bool hasObject() const { return static_cast<bool>(demoBox_); }

    // Steps 4 to 8: writes the properties in their order, calls MsgBox with
    // the two texts and the composed Buttons, and ignores its result. An
    // object of version 1.1 gets its members too (OwnerWindow is `window`
    // when the values say so), and CheckBoxValue is read back afterwards:
    // what the user left in the check box.
    void writeAndCall(const PropertyValues& values, Version11Values& version11, HWND window,
                      const std::u16string& message, const std::u16string& title);

    // The window goes away: so does its object.
    void release() { demoBox_.reset(); }

private:
    const DemoServices& services_;
    win::ComPtr<_Quillnote> demoBox_;
};

// The reports of a Show that cannot go on. MsgBox is not called then.
std::wstring creationFailureText(HRESULT result);
std::wstring unconvertibleText(Control field, const std::u16string& text);

} // namespace quillnote::demo
