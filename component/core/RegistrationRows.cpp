#include "RegistrationRows.h"

#include "ClassIdentity.h"

namespace quillnote {

namespace id = identity;

namespace {

std::u16string join(std::initializer_list<std::u16string> parts)
{
    std::u16string out;
    for (const auto& part : parts) {
        if (!out.empty())
            out += u'\\';
        out += part;
    }
    return out;
}

std::u16string classKey() { return join({u"CLSID", id::ClassGuid}); }
std::u16string interfaceKey(const id::InterfaceIdentity& identity) { return join({u"Interface", identity.guid}); }
std::u16string typeLibraryVersionKey(const std::u16string& version)
{
    return join({u"TypeLib", id::TypeLibraryGuid, version});
}
std::u16string localeKeyOf(const std::u16string& version) { return join({typeLibraryVersionKey(version), u"0"}); }
std::u16string platformKeyOf(const std::u16string& version, Bitness bitness)
{
    return join({localeKeyOf(version), bitness == Bitness::Win64 ? u"win64" : u"win32"});
}

} // namespace

std::u16string typeLibraryTree() { return join({u"TypeLib", id::TypeLibraryGuid}); }
std::u16string typeLibraryLocaleKey() { return localeKeyOf(id::TypeLibraryVersions[0]); }
std::u16string typeLibraryPlatformKey(Bitness bitness) { return platformKeyOf(id::TypeLibraryVersions[0], bitness); }

std::vector<std::u16string> typeLibraryLocaleKeys()
{
    std::vector<std::u16string> keys;
    for (const char16_t* version : id::TypeLibraryVersions)
        keys.push_back(localeKeyOf(version));
    return keys;
}

std::vector<std::u16string> typeLibraryPlatformKeys(Bitness bitness)
{
    std::vector<std::u16string> keys;
    for (const char16_t* version : id::TypeLibraryVersions)
        keys.push_back(platformKeyOf(version, bitness));
    return keys;
}

std::u16string folderOf(const std::u16string& path)
{
    const auto slash = path.find_last_of(u"\\/");
    return slash == std::u16string::npos ? std::u16string() : path.substr(0, slash);
}

std::vector<RegistryRow> registrationRows(const std::u16string& dllPath, Bitness bitness)
{
    const std::u16string progIdKey = id::ProgId;
    std::vector<RegistryRow> rows = {
        // The class and its server.
        {classKey(), u"", id::ClassName},
        {classServerKey(), u"", dllPath},
        {classServerKey(), u"ThreadingModel", id::ThreadingModel},
        {join({classKey(), u"ProgID"}), u"", id::ProgId},
        {join({classKey(), u"TypeLib"}), u"", id::TypeLibraryGuid},
        {join({classKey(), u"Version"}), u"", id::TypeLibraryVersion},
        // The ProgID, pointing back at the class.
        {progIdKey, u"", id::ClassName},
        {join({progIdKey, u"CLSID"}), u"", id::ClassGuid},
    };
    // The type library, entered under locale 0 for each version callers
    // look it up by.
    for (const char16_t* version : id::TypeLibraryVersions) {
        rows.push_back({typeLibraryVersionKey(version), u"", id::TypeLibraryName});
        rows.push_back({platformKeyOf(version, bitness), u"", dllPath});
        rows.push_back({join({typeLibraryVersionKey(version), u"FLAGS"}), u"", u"0"});
        rows.push_back({join({typeLibraryVersionKey(version), u"HELPDIR"}), u"", folderOf(dllPath)});
    }
    // The interfaces, marshalled from the type library.
    for (const id::InterfaceIdentity& identity : id::Interfaces) {
        const std::u16string key = interfaceKey(identity);
        rows.push_back({key, u"", identity.name});
        rows.push_back({join({key, u"ProxyStubClsid"}), u"", id::AutomationProxyStub});
        rows.push_back({join({key, u"ProxyStubClsid32"}), u"", id::AutomationProxyStub});
        rows.push_back({join({key, u"TypeLib"}), u"", id::TypeLibraryGuid});
        rows.push_back({join({key, u"TypeLib"}), u"Version", identity.libraryVersion});
    }
    return rows;
}

std::vector<std::u16string> ownedTrees()
{
    std::vector<std::u16string> trees = {classKey()};
    for (const id::InterfaceIdentity& identity : id::Interfaces)
        trees.push_back(interfaceKey(identity));
    return trees;
}

std::vector<std::u16string> sharedTrees() { return {id::ProgId}; }

std::u16string classServerKey() { return join({classKey(), u"InprocServer32"}); }

} // namespace quillnote
