#pragma once
// Reading the registry in tests: does a key exist, what string does it hold.

#include <windows.h>

#include <optional>
#include <string>

namespace quillnote::test {

bool keyExists(HKEY root, const std::wstring& path);
std::optional<std::wstring> stringValue(HKEY root, const std::wstring& path, const wchar_t* name = nullptr);

// The keys of ours below Software\Classes of root that exist.
std::wstring ourKeysUnder(HKEY root);

} // namespace quillnote::test
