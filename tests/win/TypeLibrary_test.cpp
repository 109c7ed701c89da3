// The type library embedded in the built component: every identity, flag,
// member, DISPID and parameter that callers depend on. The 64-bit test
// program also reads the 32-bit library when its path is given in
// QUILLNOTE_PEER_DLL, since a type library loads as data across bitnesses.

#include "TestSupport.h"
#include "win/Bstr.h"

#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace quillnote::test {
namespace {

const GUID LibraryGuid = {0xDEC25A9B, 0x7F60, 0x4ABE, {0x95, 0x6C, 0x9C, 0x45, 0x8B, 0xB9, 0x36, 0x53}};
const GUID InterfaceGuid = {0x8E7635B5, 0x615B, 0x47AA, {0x94, 0x0E, 0xE9, 0x91, 0x4B, 0x4C, 0x05, 0xB6}};
const GUID ClassGuid = {0x6E70B50F, 0x2404, 0x43CD, {0xB0, 0xB6, 0xD1, 0xA0, 0x76, 0x24, 0xFF, 0x43}};
const GUID Interface2Guid = {0x0A64DBB5, 0x9024, 0x4F81, {0xBB, 0xAB, 0x62, 0xFC, 0x51, 0x91, 0x3F, 0x68}};
const GUID EventsGuid = {0xB90E83BC, 0x5F99, 0x4EBA, {0x87, 0xB5, 0x27, 0x69, 0x8B, 0x45, 0xA9, 0x4C}};
const GUID StdOleGuid = {0x00020430, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const GUID OleColorGuid = {0x66504301, 0xBE0F, 0x101A, {0x8B, 0xBB, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB}};

enum class Kind { Colour, Bool, Short, Long, String };

struct PropertyRow {
    const wchar_t* name;
    DISPID id;
    Kind kind;
};

const PropertyRow Properties[] = {
    {L"BackColorBody", 0x68030013, Kind::Colour},
    {L"BackColorButtons", 0x68030012, Kind::Colour},
    {L"BackColorHeading", 0x68030011, Kind::Colour},
    {L"ForeColorBody", 0x68030010, Kind::Colour},
    {L"ForeColorHeading", 0x6803000F, Kind::Colour},
    {L"GradientPaint", 0x6803000E, Kind::Bool},
    {L"GradientDirection", 0x6803000D, Kind::Short},
    {L"HeadingType", 0x6803000C, Kind::Short},
    {L"SolidColorHeading", 0x6803000B, Kind::Bool},
    {L"TextAlignment", 0x6803000A, Kind::Short},
    {L"Moveable", 0x68030009, Kind::Bool},
    {L"KeepOnTop", 0x68030008, Kind::Bool},
    {L"Modal", 0x68030007, Kind::Bool},
    {L"TimerSeconds", 0x68030006, Kind::Short},
    {L"SoundBeep", 0x68030005, Kind::Bool},
    {L"ControlBox", 0x68030004, Kind::Bool},
    {L"StartUpPosition", 0x68030003, Kind::Short},
    {L"Top", 0x68030002, Kind::Long},
    {L"Left", 0x68030001, Kind::Long},
    {L"DefaultTitle", 0x68030000, Kind::String},
};

// The properties of version 1.1 (_Quillnote2) that are read and written, in
// their order, then the two read-only ones.
const PropertyRow Properties2[] = {
    {L"ShowCountdown", 0x68030020, Kind::Bool},    {L"TimeoutResult", 0x68030021, Kind::Short},
    {L"ButtonCaptions", 0x68030022, Kind::String}, {L"CheckBoxText", 0x68030023, Kind::String},
    {L"CheckBoxValue", 0x68030024, Kind::Bool},    {L"OwnerWindow", 0x68030025, Kind::Long},
    {L"Theme", 0x68030026, Kind::Short},
};
const PropertyRow ReadOnly2[] = {
    {L"IsOpen", 0x68030027, Kind::Bool},
    {L"Result", 0x68030028, Kind::Short},
};

struct FuncDesc {
    ITypeInfo* info;
    FUNCDESC* desc = nullptr;
    FuncDesc(ITypeInfo* i, UINT index) : info(i) { info->GetFuncDesc(index, &desc); }
    ~FuncDesc()
    {
        if (desc)
            info->ReleaseFuncDesc(desc);
    }
};

struct TypeAttr {
    ITypeInfo* info;
    TYPEATTR* attr = nullptr;
    explicit TypeAttr(ITypeInfo* i) : info(i) { info->GetTypeAttr(&attr); }
    ~TypeAttr()
    {
        if (attr)
            info->ReleaseTypeAttr(attr);
    }
};

// The name of a member, or of the type itself for MEMBERID_NIL.
std::wstring memberName(ITypeInfo* info, MEMBERID id)
{
    win::Bstr name;
    UINT got = 1;
    const HRESULT hr = id == MEMBERID_NIL ? info->GetDocumentation(id, name.put(), nullptr, nullptr, nullptr)
                                          : info->GetNames(id, name.put(), 1, &got);
    if (FAILED(hr) || got == 0 || !name.get())
        return L"?";
    return std::wstring(name.view());
}

// Checks that a parameter or result type is the colour alias: stdole's
// OLE_COLOR GUID over a signed 32-bit long.
void expectColourType(ITypeInfo* info, const TYPEDESC& type)
{
    ASSERT_EQ(type.vt, VT_USERDEFINED);
    win::ComPtr<ITypeInfo> alias;
    ASSERT_HRESULT_SUCCEEDED(info->GetRefTypeInfo(type.hreftype, alias.put()));
    TypeAttr attr(alias.get());
    ASSERT_NE(attr.attr, nullptr);
    EXPECT_EQ(attr.attr->typekind, TKIND_ALIAS);
    EXPECT_TRUE(IsEqualGUID(attr.attr->guid, OleColorGuid));
    EXPECT_EQ(attr.attr->tdescAlias.vt, VT_I4);
    EXPECT_EQ(memberName(alias.get(), MEMBERID_NIL), L"OLE_COLOR");
}

void expectKind(ITypeInfo* info, const TYPEDESC& type, Kind kind)
{
    switch (kind) {
    case Kind::Colour:
        expectColourType(info, type);
        break;
    case Kind::Bool:
        EXPECT_EQ(type.vt, VT_BOOL);
        break;
    case Kind::Short:
        EXPECT_EQ(type.vt, VT_I2);
        break;
    case Kind::Long:
        EXPECT_EQ(type.vt, VT_I4);
        break;
    case Kind::String:
        EXPECT_EQ(type.vt, VT_BSTR);
        break;
    }
}

// Checks one property's get and put of an interface at members `get` and
// `get + 1`.
void expectProperty(ITypeInfo* iface, UINT get, const PropertyRow& row, bool writable = true)
{
    SCOPED_TRACE(testing::Message() << "property " << std::string(row.name, row.name + wcslen(row.name)));
    FuncDesc getter(iface, get);
    ASSERT_NE(getter.desc, nullptr);
    EXPECT_EQ(memberName(iface, getter.desc->memid), row.name);
    EXPECT_EQ(getter.desc->memid, row.id);
    EXPECT_EQ(getter.desc->invkind, INVOKE_PROPERTYGET);
    ASSERT_EQ(getter.desc->cParams, 1);
    EXPECT_EQ(getter.desc->lprgelemdescParam[0].paramdesc.wParamFlags, PARAMFLAG_FOUT | PARAMFLAG_FRETVAL);
    ASSERT_EQ(getter.desc->lprgelemdescParam[0].tdesc.vt, VT_PTR);
    expectKind(iface, *getter.desc->lprgelemdescParam[0].tdesc.lptdesc, row.kind);
    if (!writable)
        return;
    FuncDesc putter(iface, get + 1);
    ASSERT_NE(putter.desc, nullptr);
    EXPECT_EQ(putter.desc->memid, row.id);
    EXPECT_EQ(putter.desc->invkind, INVOKE_PROPERTYPUT);
    ASSERT_EQ(putter.desc->cParams, 1);
    EXPECT_EQ(putter.desc->lprgelemdescParam[0].paramdesc.wParamFlags, PARAMFLAG_FIN);
    expectKind(iface, putter.desc->lprgelemdescParam[0].tdesc, row.kind);
}

// The vtable side of the dual interface `guid`, named `name`: hidden, dual,
// non-extensible, automation, dispatchable, with `functions` members of its
// own and one base. Left empty when the library lacks it.
void findDualInterface(ITypeLib* library, const GUID& guid, const wchar_t* name, WORD functions,
                       win::ComPtr<ITypeInfo>& iface)
{
    win::ComPtr<ITypeInfo> dispatchSide;
    ASSERT_HRESULT_SUCCEEDED(library->GetTypeInfoOfGuid(guid, dispatchSide.put()));
    EXPECT_EQ(memberName(dispatchSide.get(), MEMBERID_NIL), name);
    HREFTYPE vtableRef = 0;
    ASSERT_HRESULT_SUCCEEDED(dispatchSide->GetRefTypeOfImplType(static_cast<UINT>(-1), &vtableRef));
    ASSERT_HRESULT_SUCCEEDED(dispatchSide->GetRefTypeInfo(vtableRef, iface.put()));
    TypeAttr attr(iface.get());
    ASSERT_NE(attr.attr, nullptr);
    EXPECT_EQ(attr.attr->typekind, TKIND_INTERFACE);
    EXPECT_EQ(attr.attr->wTypeFlags, 0x11D0);
    EXPECT_EQ(attr.attr->cFuncs, functions);
    EXPECT_EQ(attr.attr->cImplTypes, 1);
}

// Version 1.1: _Quillnote2, a dual interface derived from _Quillnote (which
// the caller checked unchanged), with the new members; the events'
// dispinterface __Quillnote; the class with _Quillnote2 as its default
// interface and __Quillnote as its default source.
void checkVersionOnePointOne(ITypeLib* library, ITypeInfo* firstInterface)
{
    win::ComPtr<ITypeInfo> iface;
    findDualInterface(library, Interface2Guid, L"_Quillnote2", 17, iface);
    ASSERT_TRUE(iface);
    HREFTYPE baseRef = 0;
    ASSERT_HRESULT_SUCCEEDED(iface->GetRefTypeOfImplType(0, &baseRef));
    win::ComPtr<ITypeInfo> base;
    ASSERT_HRESULT_SUCCEEDED(iface->GetRefTypeInfo(baseRef, base.put()));
    {
        TypeAttr baseAttr(base.get()), firstAttr(firstInterface);
        ASSERT_NE(baseAttr.attr, nullptr);
        EXPECT_TRUE(IsEqualGUID(baseAttr.attr->guid, InterfaceGuid)) << "not derived from _Quillnote";
        EXPECT_EQ(baseAttr.attr->cFuncs, firstAttr.attr->cFuncs);
    }
    for (size_t i = 0; i < std::size(Properties2); ++i)
        expectProperty(iface.get(), static_cast<UINT>(2 * i), Properties2[i]);
    const UINT readOnly = static_cast<UINT>(2 * std::size(Properties2));
    for (size_t i = 0; i < std::size(ReadOnly2); ++i)
        expectProperty(iface.get(), readOnly + static_cast<UINT>(i), ReadOnly2[i], false);
    {
        FuncDesc close(iface.get(), readOnly + 2);
        ASSERT_NE(close.desc, nullptr);
        EXPECT_EQ(memberName(iface.get(), close.desc->memid), L"Close");
        EXPECT_EQ(close.desc->memid, 0x60030029);
        EXPECT_EQ(close.desc->invkind, INVOKE_FUNC);
        ASSERT_EQ(close.desc->cParams, 1);
        EXPECT_EQ(close.desc->lprgelemdescParam[0].tdesc.vt, VT_I2);
        EXPECT_EQ(close.desc->lprgelemdescParam[0].paramdesc.wParamFlags, PARAMFLAG_FIN);
    }

    // The events: Closed(Result As Integer), DISPID 1.
    win::ComPtr<ITypeInfo> events;
    ASSERT_HRESULT_SUCCEEDED(library->GetTypeInfoOfGuid(EventsGuid, events.put()));
    EXPECT_EQ(memberName(events.get(), MEMBERID_NIL), L"__Quillnote");
    {
        TypeAttr attr(events.get());
        ASSERT_NE(attr.attr, nullptr);
        EXPECT_EQ(attr.attr->typekind, TKIND_DISPATCH);
        EXPECT_TRUE(attr.attr->wTypeFlags & TYPEFLAG_FHIDDEN);
        // Beside Closed, a dispinterface lists IDispatch's seven members.
        EXPECT_GE(attr.attr->cFuncs, 1);
    }
    MEMBERID closedId = 0;
    LPOLESTR closedName = const_cast<LPOLESTR>(L"Closed");
    ASSERT_HRESULT_SUCCEEDED(events->GetIDsOfNames(&closedName, 1, &closedId));
    EXPECT_EQ(closedId, 1);

    // The class: creatable, _Quillnote2 its default interface and
    // __Quillnote its default source.
    win::ComPtr<ITypeInfo> coclass;
    ASSERT_HRESULT_SUCCEEDED(library->GetTypeInfoOfGuid(ClassGuid, coclass.put()));
    EXPECT_EQ(memberName(coclass.get(), MEMBERID_NIL), L"Quillnote");
    {
        TypeAttr attr(coclass.get());
        ASSERT_NE(attr.attr, nullptr);
        EXPECT_EQ(attr.attr->typekind, TKIND_COCLASS);
        EXPECT_TRUE(attr.attr->wTypeFlags & TYPEFLAG_FCANCREATE);
        ASSERT_EQ(attr.attr->cImplTypes, 2);
    }
    const struct {
        INT flags;
        const wchar_t* name;
    } implemented[] = {{IMPLTYPEFLAG_FDEFAULT, L"_Quillnote2"},
                       {IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE, L"__Quillnote"}};
    for (UINT i = 0; i < 2; ++i) {
        INT implFlags = 0;
        ASSERT_HRESULT_SUCCEEDED(coclass->GetImplTypeFlags(i, &implFlags));
        EXPECT_EQ(implFlags, implemented[i].flags);
        HREFTYPE implRef = 0;
        ASSERT_HRESULT_SUCCEEDED(coclass->GetRefTypeOfImplType(i, &implRef));
        win::ComPtr<ITypeInfo> impl;
        ASSERT_HRESULT_SUCCEEDED(coclass->GetRefTypeInfo(implRef, impl.put()));
        EXPECT_EQ(memberName(impl.get(), MEMBERID_NIL), implemented[i].name);
    }
}

void checkLibrary(const std::wstring& path, SYSKIND expectedSystem)
{
    win::ComPtr<ITypeLib> library;
    ASSERT_HRESULT_SUCCEEDED(LoadTypeLibEx(path.c_str(), REGKIND_NONE, library.put()));

    TLIBATTR* libAttr = nullptr;
    ASSERT_HRESULT_SUCCEEDED(library->GetLibAttr(&libAttr));
    EXPECT_TRUE(IsEqualGUID(libAttr->guid, LibraryGuid));
    EXPECT_EQ(libAttr->wMajorVerNum, 1);
    EXPECT_EQ(libAttr->wMinorVerNum, 1);
    EXPECT_EQ(libAttr->lcid, 0x409u);
    EXPECT_EQ(libAttr->syskind, expectedSystem);
    library->ReleaseTLibAttr(libAttr);

    win::Bstr libName;
    ASSERT_HRESULT_SUCCEEDED(library->GetDocumentation(MEMBERID_NIL, libName.put(), nullptr, nullptr, nullptr));
    EXPECT_EQ(libName.view(), L"QuillnoteLib");

    // The interface: hidden, dual, non-extensible, automation, dispatchable.
    win::ComPtr<ITypeInfo> iface;
    findDualInterface(library.get(), InterfaceGuid, L"_Quillnote", 41, iface);
    ASSERT_TRUE(iface);

    // Derived from stdole's IDispatch.
    HREFTYPE baseRef = 0;
    ASSERT_HRESULT_SUCCEEDED(iface->GetRefTypeOfImplType(0, &baseRef));
    win::ComPtr<ITypeInfo> base;
    ASSERT_HRESULT_SUCCEEDED(iface->GetRefTypeInfo(baseRef, base.put()));
    EXPECT_EQ(memberName(base.get(), MEMBERID_NIL), L"IDispatch");
    win::ComPtr<ITypeLib> baseLibrary;
    UINT baseIndex = 0;
    ASSERT_HRESULT_SUCCEEDED(base->GetContainingTypeLib(baseLibrary.put(), &baseIndex));
    TLIBATTR* baseAttr = nullptr;
    ASSERT_HRESULT_SUCCEEDED(baseLibrary->GetLibAttr(&baseAttr));
    EXPECT_TRUE(IsEqualGUID(baseAttr->guid, StdOleGuid));
    EXPECT_EQ(baseAttr->wMajorVerNum, 2);
    baseLibrary->ReleaseTLibAttr(baseAttr);

    // Member 0: MsgBox(Message, [optional, default 0] Buttons, [optional] Title) -> VARIANT.
    {
        FuncDesc f(iface.get(), 0);
        ASSERT_NE(f.desc, nullptr);
        EXPECT_EQ(memberName(iface.get(), f.desc->memid), L"MsgBox");
        EXPECT_EQ(f.desc->memid, 0x60030015);
        EXPECT_EQ(f.desc->invkind, INVOKE_FUNC);
        EXPECT_EQ(f.desc->funckind, FUNC_PUREVIRTUAL);
        EXPECT_EQ(f.desc->elemdescFunc.tdesc.vt, VT_HRESULT);
        ASSERT_EQ(f.desc->cParams, 4);
        const ELEMDESC* p = f.desc->lprgelemdescParam;
        EXPECT_EQ(p[0].tdesc.vt, VT_BSTR);
        EXPECT_EQ(p[0].paramdesc.wParamFlags, PARAMFLAG_FIN);
        EXPECT_EQ(p[1].tdesc.vt, VT_I2);
        EXPECT_EQ(p[1].paramdesc.wParamFlags, PARAMFLAG_FIN | PARAMFLAG_FOPT | PARAMFLAG_FHASDEFAULT);
        ASSERT_NE(p[1].paramdesc.pparamdescex, nullptr);
        EXPECT_EQ(V_VT(&p[1].paramdesc.pparamdescex->varDefaultValue) == VT_I2 ||
                      V_VT(&p[1].paramdesc.pparamdescex->varDefaultValue) == VT_I4,
                  true);
        VARIANT def;
        VariantInit(&def);
        ASSERT_HRESULT_SUCCEEDED(VariantChangeType(&def, &p[1].paramdesc.pparamdescex->varDefaultValue, 0, VT_I4));
        EXPECT_EQ(V_I4(&def), 0);
        EXPECT_EQ(p[2].tdesc.vt, VT_BSTR);
        EXPECT_EQ(p[2].paramdesc.wParamFlags, PARAMFLAG_FIN | PARAMFLAG_FOPT);
        EXPECT_EQ(p[3].tdesc.vt, VT_PTR);
        EXPECT_EQ(p[3].tdesc.lptdesc->vt, VT_VARIANT);
        EXPECT_EQ(p[3].paramdesc.wParamFlags, PARAMFLAG_FOUT | PARAMFLAG_FRETVAL);

        BSTR names[5] = {};
        UINT count = 0;
        ASSERT_HRESULT_SUCCEEDED(iface->GetNames(f.desc->memid, names, 5, &count));
        std::vector<win::Bstr> owned;
        for (UINT i = 0; i < count; ++i)
            owned.push_back(win::Bstr::adopt(names[i]));
        ASSERT_GE(count, 4u);
        EXPECT_EQ(owned[1].view(), L"Message");
        EXPECT_EQ(owned[2].view(), L"Buttons");
        EXPECT_EQ(owned[3].view(), L"Title");
    }

    // Members 1 to 40: each property's get immediately followed by its put.
    for (size_t i = 0; i < std::size(Properties); ++i) {
        const PropertyRow& row = Properties[i];
        SCOPED_TRACE(testing::Message() << "property " << i + 1);
        FuncDesc get(iface.get(), static_cast<UINT>(1 + 2 * i));
        FuncDesc put(iface.get(), static_cast<UINT>(2 + 2 * i));
        ASSERT_NE(get.desc, nullptr);
        ASSERT_NE(put.desc, nullptr);
        EXPECT_EQ(memberName(iface.get(), get.desc->memid), row.name);
        EXPECT_EQ(get.desc->memid, row.id);
        EXPECT_EQ(put.desc->memid, row.id);
        EXPECT_EQ(get.desc->invkind, INVOKE_PROPERTYGET);
        EXPECT_EQ(put.desc->invkind, INVOKE_PROPERTYPUT);
        ASSERT_EQ(get.desc->cParams, 1);
        ASSERT_EQ(put.desc->cParams, 1);
        EXPECT_EQ(get.desc->lprgelemdescParam[0].paramdesc.wParamFlags, PARAMFLAG_FOUT | PARAMFLAG_FRETVAL);
        EXPECT_EQ(put.desc->lprgelemdescParam[0].paramdesc.wParamFlags, PARAMFLAG_FIN);
        ASSERT_EQ(get.desc->lprgelemdescParam[0].tdesc.vt, VT_PTR);
        expectKind(iface.get(), *get.desc->lprgelemdescParam[0].tdesc.lptdesc, row.kind);
        expectKind(iface.get(), put.desc->lprgelemdescParam[0].tdesc, row.kind);
    }

    checkVersionOnePointOne(library.get(), iface.get());
}

TEST(TypeLibrary, EmbeddedLibraryOfThisBuild)
{
    Apartment apartment;
    checkLibrary(componentPath(), sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32);
}

TEST(TypeLibrary, EmbeddedLibraryOfTheOtherBitness)
{
    const char* peer = std::getenv("QUILLNOTE_PEER_DLL");
    if (!peer || !*peer)
        GTEST_SKIP() << "QUILLNOTE_PEER_DLL names no library of the other bitness";
    Apartment apartment;
    const std::string narrow(peer);
    checkLibrary(std::wstring(narrow.begin(), narrow.end()), sizeof(void*) == 8 ? SYS_WIN32 : SYS_WIN64);
}

} // namespace
} // namespace quillnote::test
