#pragma once
// What keeps this module (the library, or a program that links the dialog
// itself) loaded: every object it hands out and every class factory holds
// a reference for as long as it lives. The count is one per module: the
// variable is defined in this header, and each module linked with it has
// its own.

#include <windows.h>

namespace quillnote::win {

inline LONG moduleReferences = 0;

inline void lockModule() { InterlockedIncrement(&moduleReferences); }
inline void unlockModule() { InterlockedDecrement(&moduleReferences); }
inline bool moduleReferenced() { return InterlockedCompareExchange(&moduleReferences, 0, 0) != 0; }

// Keeps the module referenced for as long as the holder lives.
class ModuleReference {
public:
    ModuleReference() { lockModule(); }
    ~ModuleReference() { unlockModule(); }
    ModuleReference(const ModuleReference&) = delete;
    ModuleReference& operator=(const ModuleReference&) = delete;
};

} // namespace quillnote::win
