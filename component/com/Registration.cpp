#include "Registration.h"

#include "Module.h"
#include "core/RegistrationRows.h"
#include "win/HResult.h"
#include "win/Text.h"
#include "win/UniqueHandle.h"

#include <string>

namespace quillnote {

namespace {

constexpr Bitness ThisBitness = sizeof(void*) == 8 ? Bitness::Win64 : Bitness::Win32;

using win::toU16;
using win::wideView;

HRESULT openClassesRoot(RegistrationScope scope, REGSAM access, win::UniqueRegKey& out)
{
    const HKEY root = scope == RegistrationScope::Machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    RETURN_IF_WIN32_ERROR(
        RegCreateKeyExW(root, L"Software\\Classes", 0, nullptr, 0, access, nullptr, out.put(), nullptr));
    return S_OK;
}

HRESULT writeRow(HKEY classes, const RegistryRow& row)
{
    win::UniqueRegKey key;
    RETURN_IF_WIN32_ERROR(
        RegCreateKeyExW(classes, wideView(row.key), 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(), nullptr));
    const DWORD bytes = static_cast<DWORD>((row.value.size() + 1) * sizeof(char16_t));
    RETURN_IF_WIN32_ERROR(RegSetValueExW(key.get(), row.name.empty() ? nullptr : wideView(row.name), 0, REG_SZ,
                                         reinterpret_cast<const BYTE*>(row.value.c_str()), bytes));
    return S_OK;
}

HRESULT deleteTree(HKEY classes, const std::u16string& tree)
{
    const LONG err = RegDeleteTreeW(classes, wideView(tree));
    if (err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND)
        return S_OK;
    RETURN_IF_WIN32_ERROR(err);
    // RegDeleteTree empties the key but leaves the key itself.
    const LONG keyErr = RegDeleteKeyW(classes, wideView(tree));
    if (keyErr == ERROR_FILE_NOT_FOUND)
        return S_OK;
    RETURN_IF_WIN32_ERROR(keyErr);
    return S_OK;
}

bool hasSubKeys(HKEY classes, const std::u16string& path)
{
    win::UniqueRegKey key;
    if (RegOpenKeyExW(classes, wideView(path), 0, KEY_READ, key.put()) != ERROR_SUCCESS)
        return false;
    DWORD subKeys = 0;
    if (RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr, nullptr) != ERROR_SUCCESS)
        return true; // unsure: keep it
    return subKeys > 0;
}

// The other bitness's registry view (on a 32-bit system there is one view,
// and the flag is ignored).
constexpr REGSAM OtherView = ThisBitness == Bitness::Win64 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;

bool otherBitnessRegistered(HKEY root)
{
    const std::wstring path = L"Software\\Classes\\" + std::wstring(wideView(classServerKey()));
    win::UniqueRegKey key;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_QUERY_VALUE | OtherView, key.put()) != ERROR_SUCCESS)
        return false;
    // Our own view's key was just deleted: the one found is the other's
    // unless this system has a single view.
    win::UniqueRegKey own;
    return RegOpenKeyExW(root, path.c_str(), 0, KEY_QUERY_VALUE, own.put()) != ERROR_SUCCESS;
}

} // namespace

HRESULT registerServer(RegistrationScope scope)
{
    const std::wstring path = modulePath();
    RETURN_HR_IF(E_FAIL, path.empty());

    win::UniqueRegKey classes;
    RETURN_IF_FAILED(openClassesRoot(scope, KEY_CREATE_SUB_KEY | KEY_SET_VALUE, classes));
    for (const auto& row : registrationRows(toU16(path), ThisBitness)) {
        const HRESULT hr = writeRow(classes.get(), row);
        if (FAILED(hr)) {
            // Leave nothing half-registered behind.
            unregisterServer(scope);
            return hr;
        }
    }
    return S_OK;
}

HRESULT unregisterServer(RegistrationScope scope)
{
    win::UniqueRegKey classes;
    const HKEY root = scope == RegistrationScope::Machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    const LONG openErr = RegOpenKeyExW(root, L"Software\\Classes", 0, KEY_READ | KEY_WRITE | DELETE, classes.put());
    if (openErr == ERROR_FILE_NOT_FOUND)
        return S_OK;
    RETURN_IF_WIN32_ERROR(openErr);

    HRESULT result = S_OK;
    const auto deleteTrees = [&](const std::vector<std::u16string>& trees) {
        for (const auto& tree : trees) {
            const HRESULT hr = deleteTree(classes.get(), tree);
            if (FAILED(hr) && SUCCEEDED(result))
                result = hr;
        }
    };
    deleteTrees(ownedTrees());
    // The ProgID serves both bitnesses: it stays while the other one's class
    // is still registered.
    if (!otherBitnessRegistered(root))
        deleteTrees(sharedTrees());

    // The type library key is shared by both bitnesses: remove ours, and the
    // whole library entry only when the other bitness is not registered.
    HRESULT hr = S_OK;
    for (const auto& key : typeLibraryPlatformKeys(ThisBitness)) {
        const HRESULT deleted = deleteTree(classes.get(), key);
        if (FAILED(deleted) && SUCCEEDED(hr))
            hr = deleted;
    }
    bool otherLeft = false;
    for (const auto& key : typeLibraryLocaleKeys())
        otherLeft = otherLeft || hasSubKeys(classes.get(), key);
    if (SUCCEEDED(hr) && !otherLeft)
        hr = deleteTree(classes.get(), typeLibraryTree());
    if (FAILED(hr) && SUCCEEDED(result))
        result = hr;
    return result;
}

} // namespace quillnote
