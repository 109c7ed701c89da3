#pragma once
// The fixed identities of the component, as text for registration. Callers
// built against the type library depend on every one of them.

namespace quillnote::identity {

constexpr const char16_t* TypeLibraryGuid = u"{DEC25A9B-7F60-4ABE-956C-9C458BB93653}";
constexpr const char16_t* TypeLibraryName = u"QuillnoteLib";
constexpr const char16_t* TypeLibraryVersion = u"1.0";
constexpr const char16_t* InterfaceGuid = u"{8E7635B5-615B-47AA-940E-E9914B4C05B6}";
constexpr const char16_t* InterfaceName = u"_Quillnote";
constexpr const char16_t* ClassGuid = u"{6E70B50F-2404-43CD-B0B6-D1A07624FF43}";
constexpr const char16_t* ClassName = u"Quillnote";
constexpr const char16_t* ProgId = u"QuillnoteLib.Quillnote";
constexpr const char16_t* ThreadingModel = u"Apartment";
// The automation marshaler, which marshals dual interfaces from their type library.
constexpr const char16_t* AutomationProxyStub = u"{00020424-0000-0000-C000-000000000046}";

} // namespace quillnote::identity
