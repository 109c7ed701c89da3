// The Quillnote object through its vtable and through IDispatch by name:
// defaults, setter rules, per-object and per-thread state, strings,
// reference counting and the entry points' unload rule.

#include "TestSupport.h"
#include "win/Bstr.h"
#include "win/ProcAddress.h"

#include <thread>
#include <vector>

namespace quillnote::test {
namespace {

class QuillnoteObjectTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_HRESULT_SUCCEEDED(apartment_.result());
        ASSERT_TRUE(component_.loaded());
    }
    win::ComPtr<_Quillnote> create()
    {
        win::ComPtr<_Quillnote> object;
        EXPECT_HRESULT_SUCCEEDED(component_.create(object));
        return object;
    }

    Apartment apartment_;
    Component component_;
};

// Every property read through the vtable, as a 32-bit value.
struct Snapshot {
    LONG values[19] = {};
    std::wstring title;
};

Snapshot vtableSnapshot(_Quillnote* q)
{
    Snapshot s;
    OLE_COLOR c = 0;
    VARIANT_BOOL b = 0;
    short i2 = 0;
    LONG i4 = 0;
    int n = 0;
    q->get_BackColorBody(&c), s.values[n++] = static_cast<LONG>(c);
    q->get_BackColorButtons(&c), s.values[n++] = static_cast<LONG>(c);
    q->get_BackColorHeading(&c), s.values[n++] = static_cast<LONG>(c);
    q->get_ForeColorBody(&c), s.values[n++] = static_cast<LONG>(c);
    q->get_ForeColorHeading(&c), s.values[n++] = static_cast<LONG>(c);
    q->get_GradientPaint(&b), s.values[n++] = b;
    q->get_GradientDirection(&i2), s.values[n++] = i2;
    q->get_HeadingType(&i2), s.values[n++] = i2;
    q->get_SolidColorHeading(&b), s.values[n++] = b;
    q->get_TextAlignment(&i2), s.values[n++] = i2;
    q->get_Moveable(&b), s.values[n++] = b;
    q->get_KeepOnTop(&b), s.values[n++] = b;
    q->get_Modal(&b), s.values[n++] = b;
    q->get_TimerSeconds(&i2), s.values[n++] = i2;
    q->get_SoundBeep(&b), s.values[n++] = b;
    q->get_ControlBox(&b), s.values[n++] = b;
    q->get_StartUpPosition(&i2), s.values[n++] = i2;
    q->get_Top(&i4), s.values[n++] = i4;
    q->get_Left(&i4), s.values[n++] = i4;
    win::Bstr title;
    q->get_DefaultTitle(title.put());
    s.title = title.view();
    return s;
}

const wchar_t* const PropertyNames[19] = {
    L"BackColorBody",
    L"BackColorButtons",
    L"BackColorHeading",
    L"ForeColorBody",
    L"ForeColorHeading",
    L"GradientPaint",
    L"GradientDirection",
    L"HeadingType",
    L"SolidColorHeading",
    L"TextAlignment",
    L"Moveable",
    L"KeepOnTop",
    L"Modal",
    L"TimerSeconds",
    L"SoundBeep",
    L"ControlBox",
    L"StartUpPosition",
    L"Top",
    L"Left",
};

// The VARIANT type a scripting client sees for each property.
const VARTYPE PropertyTypes[19] = {
    VT_I4,   VT_I4,   VT_I4,   VT_I4, VT_I4,   VT_BOOL, VT_I2, VT_I2, VT_BOOL, VT_I2,
    VT_BOOL, VT_BOOL, VT_BOOL, VT_I2, VT_BOOL, VT_BOOL, VT_I2, VT_I4, VT_I4,
};

Snapshot lateBoundSnapshot(IDispatch* object)
{
    Snapshot s;
    LateBound late(object);
    for (int n = 0; n < 19; ++n) {
        Variant v;
        EXPECT_HRESULT_SUCCEEDED(late.get(PropertyNames[n], v)) << PropertyNames[n];
        EXPECT_EQ(V_VT(&*v), PropertyTypes[n]) << PropertyNames[n];
        Variant asLong;
        VariantChangeType(asLong.get(), const_cast<VARIANT*>(&*v), 0, VT_I4);
        s.values[n] = V_I4(&*asLong);
    }
    Variant title;
    EXPECT_HRESULT_SUCCEEDED(late.get(L"DefaultTitle", title));
    EXPECT_EQ(V_VT(&*title), VT_BSTR);
    BSTR b = V_BSTR(&*title);
    s.title.assign(b ? b : L"", b ? SysStringLen(b) : 0);
    return s;
}

TEST_F(QuillnoteObjectTest, NewObjectReadsTheDefaultsEarlyAndLateBound)
{
    auto q = create();
    ASSERT_TRUE(q);
    const LONG expected[19] = {
        static_cast<LONG>(0x8000000F),
        static_cast<LONG>(0x8000000F),
        static_cast<LONG>(0x80000002),
        static_cast<LONG>(0x80000012),
        static_cast<LONG>(0x8000000E),
        VARIANT_FALSE,
        1,
        0,
        VARIANT_FALSE,
        0,
        VARIANT_FALSE,
        VARIANT_TRUE,
        VARIANT_TRUE,
        0,
        VARIANT_TRUE,
        VARIANT_TRUE,
        2,
        0,
        0,
    };
    const Snapshot early = vtableSnapshot(q.get());
    const Snapshot late = lateBoundSnapshot(q.get());
    for (int n = 0; n < 19; ++n) {
        SCOPED_TRACE(testing::Message() << PropertyNames[n]);
        EXPECT_EQ(early.values[n], expected[n]);
        EXPECT_EQ(late.values[n], expected[n]);
    }
    EXPECT_EQ(early.title, L"");
    EXPECT_EQ(late.title, L"");
}

// Writes a value through the vtable, by property name.
HRESULT writeByVtable(_Quillnote* q, const wchar_t* name, LONG v)
{
    const std::wstring n = name;
    if (n == L"BackColorBody")
        return q->put_BackColorBody(static_cast<OLE_COLOR>(v));
    if (n == L"BackColorButtons")
        return q->put_BackColorButtons(static_cast<OLE_COLOR>(v));
    if (n == L"BackColorHeading")
        return q->put_BackColorHeading(static_cast<OLE_COLOR>(v));
    if (n == L"ForeColorBody")
        return q->put_ForeColorBody(static_cast<OLE_COLOR>(v));
    if (n == L"ForeColorHeading")
        return q->put_ForeColorHeading(static_cast<OLE_COLOR>(v));
    if (n == L"GradientDirection")
        return q->put_GradientDirection(static_cast<short>(v));
    if (n == L"HeadingType")
        return q->put_HeadingType(static_cast<short>(v));
    if (n == L"TextAlignment")
        return q->put_TextAlignment(static_cast<short>(v));
    if (n == L"StartUpPosition")
        return q->put_StartUpPosition(static_cast<short>(v));
    if (n == L"TimerSeconds")
        return q->put_TimerSeconds(static_cast<short>(v));
    if (n == L"Top")
        return q->put_Top(v);
    if (n == L"Left")
        return q->put_Left(v);
    if (n == L"Modal")
        return q->put_Modal(static_cast<VARIANT_BOOL>(v));
    return E_INVALIDARG;
}

LONG readIndex(const Snapshot& s, const wchar_t* name)
{
    for (int n = 0; n < 19; ++n)
        if (std::wstring(PropertyNames[n]) == name)
            return s.values[n];
    ADD_FAILURE() << "no property";
    return 0;
}

TEST_F(QuillnoteObjectTest, SetterRulesAreTheSameEarlyAndLateBound)
{
    const struct {
        const wchar_t* name;
        LONG written;
        LONG expected;
    } cases[] = {
        {L"BackColorHeading", -1, static_cast<LONG>(0x80000002)},
        {L"BackColorHeading", -2, -2},
        {L"BackColorBody", -1, static_cast<LONG>(0x8000000F)},
        {L"BackColorButtons", -1, static_cast<LONG>(0x8000000F)},
        {L"ForeColorBody", -1, static_cast<LONG>(0x80000012)},
        {L"ForeColorHeading", -1, static_cast<LONG>(0x8000000E)},
        {L"ForeColorHeading", 0x00FF00, 0x00FF00},
        {L"GradientDirection", 0, 1},
        {L"GradientDirection", 17, 1},
        {L"GradientDirection", -3, 1},
        {L"GradientDirection", 5, 6},
        {L"GradientDirection", 16, 15},
        {L"GradientDirection", 4, 4},
        {L"HeadingType", 2, 0},
        {L"HeadingType", 1, 1},
        {L"TextAlignment", 3, 0},
        {L"TextAlignment", -1, 0},
        {L"TextAlignment", 2, 2},
        {L"StartUpPosition", 3, 2},
        {L"StartUpPosition", -1, 2},
        {L"StartUpPosition", 0, 0},
        {L"TimerSeconds", -5, 0},
        {L"TimerSeconds", 32767, 32767},
        {L"Top", -1, 0},
        {L"Left", -1, 0},
        {L"Left", 19200, 19200},
    };
    auto early = create();
    auto lateObject = create();
    LateBound late(lateObject.get());
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " = " << c.written);
        ASSERT_HRESULT_SUCCEEDED(writeByVtable(early.get(), c.name, c.written));
        EXPECT_EQ(readIndex(vtableSnapshot(early.get()), c.name), c.expected);
        // Late-bound with the smallest type a script would send (Integer).
        VARIANT v =
            (c.written >= -32768 && c.written <= 32767) ? makeI2(static_cast<short>(c.written)) : makeI4(c.written);
        ASSERT_HRESULT_SUCCEEDED(late.put(c.name, v));
        EXPECT_EQ(readIndex(lateBoundSnapshot(lateObject.get()), c.name), c.expected);
    }
}

TEST_F(QuillnoteObjectTest, BooleansStoreTheirValueThroughTheVtable)
{
    auto q = create();
    ASSERT_HRESULT_SUCCEEDED(q->put_Modal(1));
    VARIANT_BOOL b = 0;
    ASSERT_HRESULT_SUCCEEDED(q->get_Modal(&b));
    EXPECT_EQ(b, 1); // stored unchanged; still counts as True
    ASSERT_HRESULT_SUCCEEDED(q->put_ControlBox(VARIANT_FALSE));
    ASSERT_HRESULT_SUCCEEDED(q->get_ControlBox(&b));
    EXPECT_EQ(b, VARIANT_FALSE);
}

TEST_F(QuillnoteObjectTest, ReadersRejectANullPointer)
{
    auto q = create();
    EXPECT_EQ(q->get_BackColorBody(nullptr), E_POINTER);
    EXPECT_EQ(q->get_Top(nullptr), E_POINTER);
    EXPECT_EQ(q->get_DefaultTitle(nullptr), E_POINTER);
    EXPECT_EQ(q->MsgBox(nullptr, 0, nullptr, nullptr), E_POINTER);
}

TEST_F(QuillnoteObjectTest, SecondObjectResetsTheSharedSettingsOfTheThread)
{
    auto a = create();
    ASSERT_HRESULT_SUCCEEDED(a->put_Modal(VARIANT_FALSE));
    ASSERT_HRESULT_SUCCEEDED(a->put_ControlBox(VARIANT_FALSE));
    ASSERT_HRESULT_SUCCEEDED(a->put_TimerSeconds(7));
    auto b = create();
    VARIANT_BOOL modal = 0, controlBox = 0;
    short timer = -1;
    a->get_Modal(&modal);
    a->get_ControlBox(&controlBox);
    a->get_TimerSeconds(&timer);
    EXPECT_EQ(modal, VARIANT_TRUE);
    EXPECT_EQ(timer, 0);
    EXPECT_EQ(controlBox, VARIANT_FALSE);

    // Shared settings written through B show through A.
    ASSERT_HRESULT_SUCCEEDED(b->put_BackColorBody(0x0000FF));
    OLE_COLOR colour = 0;
    a->get_BackColorBody(&colour);
    EXPECT_EQ(colour, 0x0000FFu);
}

TEST_F(QuillnoteObjectTest, ObjectsOnTwoApartmentsDoNotShareSettings)
{
    auto here = create();
    ASSERT_HRESULT_SUCCEEDED(here->put_TimerSeconds(9));
    ASSERT_HRESULT_SUCCEEDED(here->put_GradientDirection(3));

    short otherTimer = -1, otherDirection = -1;
    HRESULT otherResult = E_FAIL;
    std::thread([&] {
        Apartment apartment;
        win::ComPtr<_Quillnote> there;
        otherResult = component_.create(there);
        if (SUCCEEDED(otherResult)) {
            there->put_TimerSeconds(4);
            there->get_TimerSeconds(&otherTimer);
            there->get_GradientDirection(&otherDirection);
        }
    }).join();
    ASSERT_HRESULT_SUCCEEDED(otherResult);
    EXPECT_EQ(otherTimer, 4);
    EXPECT_EQ(otherDirection, 1);

    short timer = 0, direction = 0;
    here->get_TimerSeconds(&timer);
    here->get_GradientDirection(&direction);
    EXPECT_EQ(timer, 9);
    EXPECT_EQ(direction, 3);
}

TEST_F(QuillnoteObjectTest, DefaultTitleRoundTripsAnyUtf16Text)
{
    auto q = create();
    LateBound late(q.get());
    std::vector<std::wstring> texts = {
        L"",
        L"Plain title",
        L"\x0395\x03BB\x03BB\x03B7\x03BD\x03B9\x03BA\x03AC \x65E5\x672C\x8A9E "
        L"\x0627\x0644\x0639\x0631\x0628\x064A\x0629",
        std::wstring(L"before\0after", 12),
        std::wstring(L"\xD83D\xDE00 surrogate pair and a lone \xD800 surrogate"),
        std::wstring(1024 * 1024 / sizeof(wchar_t), L'\x4E2D'),
    };
    for (const auto& text : texts) {
        SCOPED_TRACE(testing::Message() << "length " << text.size());
        {
            const win::Bstr in = win::Bstr::copyOf(std::wstring_view(text));
            ASSERT_HRESULT_SUCCEEDED(q->put_DefaultTitle(in.get()));
            // The object keeps its own copy: the caller's string may change.
            if (!text.empty())
                in.get()[0] = L'#';
        }

        win::Bstr out;
        ASSERT_HRESULT_SUCCEEDED(q->get_DefaultTitle(out.put()));
        EXPECT_EQ(out.view(), text);

        Variant v;
        ASSERT_HRESULT_SUCCEEDED(late.get(L"DefaultTitle", v));
        BSTR b = V_BSTR(&*v);
        EXPECT_EQ(std::wstring(b ? b : L"", b ? SysStringLen(b) : 0), text);
    }
}

// Late-bound MsgBox calls that cannot run get the IDispatch error that names
// the problem, and no dialog.
TEST_F(QuillnoteObjectTest, LateBoundMsgBoxRejectsBadArguments)
{
    auto q = create();
    DISPID id = 0;
    LateBound late(q.get());
    ASSERT_HRESULT_SUCCEEDED(late.dispId(L"MsgBox", id));
    const auto invoke = [&](VARIANT* args, UINT count, DISPID* named, UINT namedCount, UINT* argError) {
        DISPPARAMS params = {args, named, count, namedCount};
        Variant result;
        return q->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, result.get(), nullptr, argError);
    };

    EXPECT_EQ(invoke(nullptr, 0, nullptr, 0, nullptr), DISP_E_PARAMNOTOPTIONAL);

    VARIANT four[4];
    for (auto& v : four)
        v = makeI2(1);
    EXPECT_EQ(invoke(four, 4, nullptr, 0, nullptr), DISP_E_BADPARAMCOUNT);

    // Arguments stand in reverse order: [0] is Buttons, [1] is Message.
    VARIANT wordForButtons[2];
    wordForButtons[0] = makeString(L"many");
    wordForButtons[1] = makeString(L"Message");
    UINT argError = 99;
    EXPECT_EQ(invoke(wordForButtons, 2, nullptr, 0, &argError), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(argError, 0u);

    VariantClear(&wordForButtons[0]);
    wordForButtons[0] = makeI4(100000);
    argError = 99;
    EXPECT_EQ(invoke(wordForButtons, 2, nullptr, 0, &argError), DISP_E_OVERFLOW);
    EXPECT_EQ(argError, 0u);

    // A named argument that the method does not have.
    DISPID unknownParameter = 7;
    EXPECT_EQ(invoke(&wordForButtons[1], 1, &unknownParameter, 1, nullptr), DISP_E_PARAMNOTFOUND);
    VariantClear(&wordForButtons[1]);
}

TEST_F(QuillnoteObjectTest, IdentityAndInterfaces)
{
    auto q = create();
    win::ComPtr<IUnknown> unknown1, unknown2;
    ASSERT_HRESULT_SUCCEEDED(q.queryInterface(unknown1));
    win::ComPtr<IDispatch> dispatch;
    ASSERT_HRESULT_SUCCEEDED(q.queryInterface(dispatch));
    ASSERT_HRESULT_SUCCEEDED(dispatch.queryInterface(unknown2));
    EXPECT_EQ(unknown1.get(), unknown2.get());
    win::ComPtr<IClassFactory> notThere;
    EXPECT_EQ(q.queryInterface(notThere), E_NOINTERFACE);

    UINT count = 0;
    ASSERT_HRESULT_SUCCEEDED(dispatch->GetTypeInfoCount(&count));
    EXPECT_EQ(count, 1u);
    win::ComPtr<ITypeInfo> info;
    EXPECT_EQ(dispatch->GetTypeInfo(1, 0, info.put()), DISP_E_BADINDEX);
    ASSERT_HRESULT_SUCCEEDED(dispatch->GetTypeInfo(0, 0, info.put()));
    LPOLESTR unknownName[] = {const_cast<LPOLESTR>(L"NoSuchMember")};
    DISPID id = 0;
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, unknownName, 1, 0, &id), DISP_E_UNKNOWNNAME);
    LPOLESTR caseInsensitive[] = {const_cast<LPOLESTR>(L"backcolorbody")};
    ASSERT_HRESULT_SUCCEEDED(dispatch->GetIDsOfNames(IID_NULL, caseInsensitive, 1, 0, &id));
    EXPECT_EQ(id, 0x68030013);
}

TEST_F(QuillnoteObjectTest, FactoryRefusesAggregationAndUnknownInterfaces)
{
    win::ComPtr<IClassFactory> factory;
    ASSERT_HRESULT_SUCCEEDED(component_.classFactory(factory));
    win::ComPtr<IUnknown> object;
    auto outer = reinterpret_cast<IUnknown*>(factory.get());
    EXPECT_EQ(factory->CreateInstance(outer, IID_IUnknown, object.putVoid()), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IClassFactory, object.putVoid()), E_NOINTERFACE);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, nullptr), E_POINTER);
}

TEST_F(QuillnoteObjectTest, UnloadIsAllowedExactlyWhenNothingIsAliveAndStrayUnlocksAreIgnored)
{
    // LockServer through a factory that is released at once: the lock, not
    // the factory, must keep the library.
    const auto lockServer = [&](BOOL lock) {
        win::ComPtr<IClassFactory> factory;
        ASSERT_HRESULT_SUCCEEDED(component_.classFactory(factory));
        EXPECT_HRESULT_SUCCEEDED(factory->LockServer(lock));
    };

    EXPECT_EQ(component_.canUnloadNow(), S_OK);
    {
        auto q = create();
        EXPECT_EQ(component_.canUnloadNow(), S_FALSE);
        q->AddRef();
        EXPECT_EQ(q->Release(), 1u);
        EXPECT_EQ(component_.canUnloadNow(), S_FALSE);
    }
    EXPECT_EQ(component_.canUnloadNow(), S_OK);

    const auto expectALockToHoldTheLibrary = [&] {
        lockServer(TRUE);
        EXPECT_EQ(component_.canUnloadNow(), S_FALSE);
        lockServer(FALSE);
        EXPECT_EQ(component_.canUnloadNow(), S_OK);
    };
    expectALockToHoldTheLibrary();

    // Unlocks without a lock are ignored: a live object still counts, and
    // the next lock still holds.
    {
        auto q = create();
        lockServer(FALSE);
        lockServer(FALSE);
        EXPECT_EQ(component_.canUnloadNow(), S_FALSE);
    }
    EXPECT_EQ(component_.canUnloadNow(), S_OK);
    expectALockToHoldTheLibrary();
}

TEST_F(QuillnoteObjectTest, ManyObjectsComeAndGoWithoutLeaking)
{
    // Creating and releasing objects must return the unload state to S_OK
    // and keep the process's handle count flat.
    DWORD before = 0, after = 0;
    GetProcessHandleCount(GetCurrentProcess(), &before);
    for (int i = 0; i < 2000; ++i) {
        auto q = create();
        const win::Bstr title = win::Bstr::copyOf(std::wstring_view(L"title"));
        q->put_DefaultTitle(title.get());
        LateBound late(q.get());
        Variant v;
        late.get(L"DefaultTitle", v);
    }
    GetProcessHandleCount(GetCurrentProcess(), &after);
    EXPECT_EQ(component_.canUnloadNow(), S_OK);
    EXPECT_LE(after, before + 2);
}

TEST(ComponentEntryPoints, UnknownClassIsRefused)
{
    Component component;
    ASSERT_TRUE(component.loaded());
    using Fn = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
    HMODULE module = GetModuleHandleW(componentPath().c_str());
    auto getClassObject = win::procAddress<Fn>(module, "DllGetClassObject");
    ASSERT_NE(getClassObject, nullptr);
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(getClassObject(IID_IUnknown, IID_IClassFactory, &object), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(getClassObject(CLSID_Quillnote, IID_IClassFactory, nullptr), E_POINTER);
    EXPECT_EQ(component.install(true, L"elsewhere"), E_INVALIDARG);
}

} // namespace
} // namespace quillnote::test
