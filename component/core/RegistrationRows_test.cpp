#include "RegistrationRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace quillnote {
namespace {

const std::u16string Dll = u"C:\\Program Files\\Quillnote\\Quillnote.dll";
const std::u16string Class = u"CLSID\\{6E70B50F-2404-43CD-B0B6-D1A07624FF43}";
const std::u16string Library = u"TypeLib\\{DEC25A9B-7F60-4ABE-956C-9C458BB93653}";
const std::u16string Interface = u"Interface\\{8E7635B5-615B-47AA-940E-E9914B4C05B6}";
const std::u16string Interface2 = u"Interface\\{0A64DBB5-9024-4F81-BBAB-62FC51913F68}";
const std::u16string Events = u"Interface\\{B90E83BC-5F99-4EBA-87B5-27698B45A94C}";

const RegistryRow* find(const std::vector<RegistryRow>& rows, const std::u16string& key,
                        const std::u16string& name = u"")
{
    auto it =
        std::find_if(rows.begin(), rows.end(), [&](const RegistryRow& r) { return r.key == key && r.name == name; });
    return it == rows.end() ? nullptr : &*it;
}

std::u16string valueOf(const std::vector<RegistryRow>& rows, const std::u16string& key,
                       const std::u16string& name = u"")
{
    const RegistryRow* row = find(rows, key, name);
    return row ? row->value : u"<missing>";
}

TEST(RegistrationRows, ClassServerAndProgId)
{
    const auto rows = registrationRows(Dll, Bitness::Win64);
    EXPECT_EQ(valueOf(rows, Class), u"Quillnote");
    EXPECT_EQ(valueOf(rows, Class + u"\\InprocServer32"), Dll);
    EXPECT_EQ(valueOf(rows, Class + u"\\InprocServer32", u"ThreadingModel"), u"Apartment");
    EXPECT_EQ(valueOf(rows, Class + u"\\ProgID"), u"QuillnoteLib.Quillnote");
    EXPECT_EQ(valueOf(rows, Class + u"\\TypeLib"), u"{DEC25A9B-7F60-4ABE-956C-9C458BB93653}");
    EXPECT_EQ(valueOf(rows, u"QuillnoteLib.Quillnote\\CLSID"), u"{6E70B50F-2404-43CD-B0B6-D1A07624FF43}");
}

TEST(RegistrationRows, TypeLibraryUnderLocaleZeroForEachBitness)
{
    const auto rows64 = registrationRows(Dll, Bitness::Win64);
    EXPECT_EQ(valueOf(rows64, Library + u"\\1.0"), u"QuillnoteLib");
    EXPECT_EQ(valueOf(rows64, Library + u"\\1.0\\0\\win64"), Dll);
    EXPECT_EQ(find(rows64, Library + u"\\1.0\\0\\win32"), nullptr);
    EXPECT_EQ(valueOf(rows64, Library + u"\\1.0\\HELPDIR"), u"C:\\Program Files\\Quillnote");
    EXPECT_EQ(valueOf(rows64, Library + u"\\1.0\\FLAGS"), u"0");

    const auto rows32 = registrationRows(Dll, Bitness::Win32);
    EXPECT_EQ(valueOf(rows32, Library + u"\\1.0\\0\\win32"), Dll);
    EXPECT_EQ(find(rows32, Library + u"\\1.0\\0\\win64"), nullptr);
    EXPECT_EQ(typeLibraryPlatformKey(Bitness::Win32), Library + u"\\1.0\\0\\win32");
    EXPECT_EQ(typeLibraryLocaleKey(), Library + u"\\1.0\\0");
    EXPECT_EQ(typeLibraryTree(), Library);
}

TEST(RegistrationRows, DualInterfaceUsesTheAutomationMarshaler)
{
    const auto rows = registrationRows(Dll, Bitness::Win32);
    EXPECT_EQ(valueOf(rows, Interface), u"_Quillnote");
    EXPECT_EQ(valueOf(rows, Interface + u"\\ProxyStubClsid32"), u"{00020424-0000-0000-C000-000000000046}");
    EXPECT_EQ(valueOf(rows, Interface + u"\\TypeLib"), u"{DEC25A9B-7F60-4ABE-956C-9C458BB93653}");
    EXPECT_EQ(valueOf(rows, Interface + u"\\TypeLib", u"Version"), u"1.0");
}

// Version 1.1: the library is entered under 1.1 too, naming the same file,
// and its two new interfaces are marshalled from it like the first.
TEST(RegistrationRows, VersionOnePointOneEntersItsLibraryAndItsInterfaces)
{
    const auto rows = registrationRows(Dll, Bitness::Win64);
    EXPECT_EQ(valueOf(rows, Library + u"\\1.1"), u"QuillnoteLib");
    EXPECT_EQ(valueOf(rows, Library + u"\\1.1\\0\\win64"), Dll);
    EXPECT_EQ(valueOf(rows, Library + u"\\1.1\\FLAGS"), u"0");
    EXPECT_EQ(valueOf(rows, Class + u"\\Version"), u"1.1");
    const std::vector<std::u16string> platformKeys = {Library + u"\\1.0\\0\\win32", Library + u"\\1.1\\0\\win32"};
    EXPECT_EQ(typeLibraryPlatformKeys(Bitness::Win32), platformKeys);
    const std::vector<std::u16string> localeKeys = {Library + u"\\1.0\\0", Library + u"\\1.1\\0"};
    EXPECT_EQ(typeLibraryLocaleKeys(), localeKeys);
    const struct {
        std::u16string key, name;
    } interfaces[] = {{Interface2, u"_Quillnote2"}, {Events, u"__Quillnote"}};
    for (const auto& i : interfaces) {
        EXPECT_EQ(valueOf(rows, i.key), i.name);
        EXPECT_EQ(valueOf(rows, i.key + u"\\ProxyStubClsid32"), u"{00020424-0000-0000-C000-000000000046}");
        EXPECT_EQ(valueOf(rows, i.key + u"\\TypeLib"), u"{DEC25A9B-7F60-4ABE-956C-9C458BB93653}");
        EXPECT_EQ(valueOf(rows, i.key + u"\\TypeLib", u"Version"), u"1.1");
    }
}

TEST(RegistrationRows, EveryRowLiesInATreeThatUnregistrationRemoves)
{
    auto trees = ownedTrees();
    const auto shared = sharedTrees();
    trees.insert(trees.end(), shared.begin(), shared.end());
    for (const auto& row : registrationRows(Dll, Bitness::Win64)) {
        const bool owned = std::any_of(trees.begin(), trees.end(),
                                       [&](const std::u16string& tree) {
                                           return row.key == tree || row.key.rfind(tree + u"\\", 0) == 0;
                                       }) ||
                           row.key.rfind(typeLibraryTree(), 0) == 0;
        EXPECT_TRUE(owned) << std::string(row.key.begin(), row.key.end());
    }
}

TEST(RegistrationRows, UnregistrationDeletesOnlyOurOwnTrees)
{
    // Whole trees are deleted: each must be one of our GUIDs or our ProgID,
    // never a shared root such as CLSID or Interface. The ProgID is the one
    // tree that both bitnesses' registrations use.
    const auto trees = ownedTrees();
    ASSERT_EQ(trees.size(), 4u);
    EXPECT_EQ(trees[0], Class);
    EXPECT_EQ(trees[1], Interface);
    EXPECT_EQ(trees[2], Interface2);
    EXPECT_EQ(trees[3], Events);
    EXPECT_EQ(sharedTrees(), std::vector<std::u16string>{u"QuillnoteLib.Quillnote"});
    EXPECT_EQ(classServerKey(), Class + u"\\InprocServer32");
    const auto rows = registrationRows(Dll, Bitness::Win32);
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const RegistryRow& row) {
        return row.key == classServerKey() && row.name.empty() && row.value == Dll;
    }));
}

TEST(RegistrationRows, FolderOfAPath)
{
    EXPECT_EQ(folderOf(u"C:\\a\\b.dll"), u"C:\\a");
    EXPECT_EQ(folderOf(u"b.dll"), u"");
    EXPECT_EQ(folderOf(u"Z:/x/y/b.dll"), u"Z:/x/y");
}

} // namespace
} // namespace quillnote
