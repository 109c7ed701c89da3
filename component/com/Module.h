#pragma once
// The library's module: its instance handle, and what decides whether the
// library may be unloaded: live objects and factories, server locks, and
// every form of ours that is still loaded on some thread (its windows, timers
// and subclassed buttons run our code until it is gone).

#include <windows.h>

#include <string>

namespace quillnote {

HINSTANCE moduleInstance();
void setModuleInstance(HINSTANCE instance);

// Full path of this library as the system loaded it.
std::wstring modulePath();

void lockModule();
void unlockModule();

// IClassFactory::LockServer. An unlock without a matching lock is ignored, so
// a stray one can never make a live object count as none.
void lockServer();
void unlockServer();

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
