#pragma once
// Registration of the class as data: the keys and values that enter the
// component in the system, below a Software\Classes root (the machine's or
// the user's), and the trees that unregistration removes.

#include <string>
#include <vector>

namespace quillnote {

enum class Bitness { Win32, Win64 };

struct RegistryRow {
    std::u16string key;   // relative to the Classes root
    std::u16string name;  // empty for the key's default value
    std::u16string value; // always a string value
};

// Every row, in the order in which they are written. dllPath is the full path
// of the library as the system loads it.
std::vector<RegistryRow> registrationRows(const std::u16string& dllPath, Bitness bitness);

// Trees that unregistration deletes whole, relative to the Classes root.
// The class and the interface have a registry view of their own for each
// bitness; the ProgID is shared by the two views, so it goes only when the
// other bitness's class is not registered either.
std::vector<std::u16string> ownedTrees();
std::vector<std::u16string> sharedTrees();

// The class's server key, whose presence in a registry view says that the
// class is registered for that view's bitness.
std::u16string classServerKey();

// The type library's key for one bitness ("TypeLib\{...}\1.0\0\win64"),
// for each version it is entered under (the first: version 1.0's).
// Unregistration deletes them and then removes the library's whole tree
// only when no other bitness is still registered beside it.
std::u16string typeLibraryPlatformKey(Bitness bitness);
std::u16string typeLibraryLocaleKey();
std::vector<std::u16string> typeLibraryPlatformKeys(Bitness bitness);
std::vector<std::u16string> typeLibraryLocaleKeys();
std::u16string typeLibraryTree();

// The folder part of a path (up to, not including, the last backslash).
std::u16string folderOf(const std::u16string& path);

} // namespace quillnote
