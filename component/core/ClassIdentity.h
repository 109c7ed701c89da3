#pragma once
// The fixed identities of the component, as text for registration. Callers
// built against the type library depend on every one of them.

namespace quillnote::identity {

constexpr const char16_t* TypeLibraryGuid = u"{DEC25A9B-7F60-4ABE-956C-9C458BB93653}";
constexpr const char16_t* TypeLibraryName = u"QuillnoteLib";
// The library's version: 1.1. Its key is written under 1.0 as well, where
// callers built against version 1.0 look it up; both name the same file.
constexpr const char16_t* TypeLibraryVersion = u"1.1";
constexpr const char16_t* TypeLibraryVersions[] = {u"1.0", u"1.1"};
constexpr const char16_t* InterfaceGuid = u"{8E7635B5-615B-47AA-940E-E9914B4C05B6}";
constexpr const char16_t* InterfaceName = u"_Quillnote";

// Every interface of the library, each marshalled from it: version 1.0's,
// version 1.1's derived from it, and the events' dispinterface. Each names
// the library's version that first had it.
struct InterfaceIdentity {
    const char16_t* guid;
    const char16_t* name;
    const char16_t* libraryVersion;
};
constexpr InterfaceIdentity Interfaces[] = {
    {InterfaceGuid, InterfaceName, u"1.0"},
    {u"{0A64DBB5-9024-4F81-BBAB-62FC51913F68}", u"_Quillnote2", u"1.1"},
    {u"{B90E83BC-5F99-4EBA-87B5-27698B45A94C}", u"__Quillnote", u"1.1"},
};
constexpr const char16_t* ClassGuid = u"{6E70B50F-2404-43CD-B0B6-D1A07624FF43}";
constexpr const char16_t* ClassName = u"Quillnote";
constexpr const char16_t* ProgId = u"QuillnoteLib.Quillnote";
constexpr const char16_t* ThreadingModel = u"Apartment";
// The automation marshaler, which marshals dual interfaces from their type library.
constexpr const char16_t* AutomationProxyStub = u"{00020424-0000-0000-C000-000000000046}";

} // namespace quillnote::identity
