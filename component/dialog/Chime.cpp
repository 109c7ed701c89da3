#include "Chime.h"

#include "ResourceIds.h"

#include <windows.h>

#include <mmsystem.h>

namespace quillnote {

namespace {

// SND_NODEFAULT: where there is no sound device the call fails quietly
// instead of falling back to the system's default sound.
DWORD WINAPI playChimeThread(void* module)
{
    PlaySoundW(MAKEINTRESOURCEW(IDW_CHIME), static_cast<HMODULE>(module), SND_RESOURCE | SND_SYNC | SND_NODEFAULT);
    FreeLibraryAndExitThread(static_cast<HMODULE>(module), 0);
}

} // namespace

void PlayBeep()
{
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCWSTR>(&playChimeThread),
                            &module))
        return;
    HANDLE thread = CreateThread(nullptr, 0, &playChimeThread, module, 0, nullptr);
    if (thread)
        CloseHandle(thread);
    else
        FreeLibrary(module);
}

} // namespace quillnote
