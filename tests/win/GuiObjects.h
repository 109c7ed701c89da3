#pragma once
// Counting a process's GUI objects, to find leaks.

#include <windows.h>

namespace quillnote::test {

// GDI objects of this process. GetGuiResources where the system counts them;
// Wine does not (its GetGuiResources is not implemented), and there every
// slot of its GDI handle table is probed through GetObjectType.
DWORD gdiObjectCount();
// USER objects: GetGuiResources where available, else the windows of this
// thread and all their descendants (what a dialog creates).
DWORD userObjectCount();

} // namespace quillnote::test
