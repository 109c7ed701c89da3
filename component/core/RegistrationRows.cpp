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
std::u16string interfaceKey() { return join({u"Interface", id::InterfaceGuid}); }
std::u16string typeLibraryVersionKey() { return join({u"TypeLib", id::TypeLibraryGuid, id::TypeLibraryVersion}); }

} // namespace

std::u16string typeLibraryTree() { return join({u"TypeLib", id::TypeLibraryGuid}); }
std::u16string typeLibraryLocaleKey() { return join({typeLibraryVersionKey(), u"0"}); }

std::u16string typeLibraryPlatformKey(Bitness bitness)
{
    return join({typeLibraryLocaleKey(), bitness == Bitness::Win64 ? u"win64" : u"win32"});
}

std::u16string folderOf(const std::u16string& path)
{
    const auto slash = path.find_last_of(u"\\/");
    return slash == std::u16string::npos ? std::u16string() : path.substr(0, slash);
}

std::vector<RegistryRow> registrationRows(const std::u16string& dllPath, Bitness bitness)
{
    const std::u16string progIdKey = id::ProgId;
    return {
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
        // The type library, entered under locale 0.
        {typeLibraryVersionKey(), u"", id::TypeLibraryName},
        {typeLibraryPlatformKey(bitness), u"", dllPath},
        {join({typeLibraryVersionKey(), u"FLAGS"}), u"", u"0"},
        {join({typeLibraryVersionKey(), u"HELPDIR"}), u"", folderOf(dllPath)},
        // The dual interface, marshalled from the type library.
        {interfaceKey(), u"", id::InterfaceName},
        {join({interfaceKey(), u"ProxyStubClsid"}), u"", id::AutomationProxyStub},
        {join({interfaceKey(), u"ProxyStubClsid32"}), u"", id::AutomationProxyStub},
        {join({interfaceKey(), u"TypeLib"}), u"", id::TypeLibraryGuid},
        {join({interfaceKey(), u"TypeLib"}), u"Version", id::TypeLibraryVersion},
    };
}

std::vector<std::u16string> ownedTrees() { return {classKey(), interfaceKey()}; }

std::vector<std::u16string> sharedTrees() { return {id::ProgId}; }

std::u16string classServerKey() { return join({classKey(), u"InprocServer32"}); }

} // namespace quillnote
