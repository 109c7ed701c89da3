#pragma once
// Enters the class in the registry and removes it, for the machine
// (HKEY_LOCAL_MACHINE) or for the current user (HKEY_CURRENT_USER), from the
// rows of RegistrationRows.

#include <windows.h>

namespace quillnote {

enum class RegistrationScope { Machine, User };

HRESULT registerServer(RegistrationScope scope);
// Removes every key of ours; keys that are already gone count as removed.
HRESULT unregisterServer(RegistrationScope scope);

} // namespace quillnote
