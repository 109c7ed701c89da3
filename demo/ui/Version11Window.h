#pragma once
// The "Version 1.1 Properties" window: a modal dialog of the demonstration
// window that edits the members version 1.1 of the component adds. OK takes
// the fields (a TimeoutResult that is not an Integer is reported, and the
// window stays open with the field selected); Cancel and the close box leave
// the values as they were.

#include "DemoServices.h"
#include "Version11Values.h"

#include <windows.h>

namespace quillnote::demo {

// Returns whether the user chose OK (and `values` changed to the fields).
bool editVersion11Values(HWND owner, Version11Values& values, const DemoServices& services);

// The report of a TimeoutResult field that cannot be taken.
std::wstring unreadableTimeoutText(const std::u16string& text);

} // namespace quillnote::demo
