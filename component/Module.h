#pragma once
// The library's module: its instance handle, and the count of live objects
// and server locks that decides whether the library may be unloaded.

#include <windows.h>

#include <string>

namespace quillnote {

HINSTANCE moduleInstance();
void setModuleInstance(HINSTANCE instance);

// Full path of this library as the system loaded it.
std::wstring modulePath();

void lockModule();
void unlockModule();
bool moduleInUse();

// Keeps the module locked for as long as the holder lives (one per object).
class ModuleReference {
public:
    ModuleReference() { lockModule(); }
    ~ModuleReference() { unlockModule(); }
    ModuleReference(const ModuleReference&) = delete;
    ModuleReference& operator=(const ModuleReference&) = delete;
};

} // namespace quillnote
