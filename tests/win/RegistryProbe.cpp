#include "RegistryProbe.h"

#include "win/UniqueHandle.h"

namespace quillnote::test {

bool keyExists(HKEY root, const std::wstring& path)
{
    win::UniqueRegKey key;
    return RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}

std::optional<std::wstring> stringValue(HKEY root, const std::wstring& path, const wchar_t* name)
{
    win::UniqueRegKey key;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD type = 0, bytes = 0;
    if (RegQueryValueExW(key.get(), name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS || type != REG_SZ)
        return std::nullopt;
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &bytes) !=
        ERROR_SUCCESS)
        return std::nullopt;
    value.resize(wcsnlen(value.c_str(), bytes / sizeof(wchar_t)));
    return value;
}

std::wstring ourKeysUnder(HKEY root)
{
    const wchar_t* const keys[] = {
        L"Software\\Classes\\CLSID\\{6E70B50F-2404-43CD-B0B6-D1A07624FF43}",
        L"Software\\Classes\\QuillnoteLib.Quillnote",
        L"Software\\Classes\\Interface\\{8E7635B5-615B-47AA-940E-E9914B4C05B6}",
        L"Software\\Classes\\TypeLib\\{DEC25A9B-7F60-4ABE-956C-9C458BB93653}",
    };
    std::wstring found;
    for (const wchar_t* key : keys)
        if (keyExists(root, key))
            found += std::wstring(key) + L"; ";
    return found;
}

} // namespace quillnote::test
