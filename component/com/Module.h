#pragma once
// The library's module: its instance handle, and what decides whether the
// library may be unloaded: live objects and factories (each holds a
// win::ModuleReference), server locks, and every form of ours that is still
// loaded on some thread (its windows, timers and subclassed buttons run our
// code until it is gone).

#include "win/ModuleReference.h"

#include <windows.h>

#include <string>

namespace quillnote {

HINSTANCE moduleInstance();
void setModuleInstance(HINSTANCE instance);

// Full path of this library as the system loaded it.
std::wstring modulePath();

// IClassFactory::LockServer. An unlock without a matching lock is ignored, so
// a stray one can never make a live object count as none.
void lockServer();
void unlockServer();

bool moduleInUse();

} // namespace quillnote
