// Registration through the library's entry points, for the machine and for
// the current user, and creation through the registry afterwards.

#include "RegistryProbe.h"
#include "TestSupport.h"

namespace quillnote::test {
namespace {

const std::wstring Classes = L"Software\\Classes\\";
const std::wstring ClassKey = Classes + L"CLSID\\{6E70B50F-2404-43CD-B0B6-D1A07624FF43}";
const std::wstring LibraryKey = Classes + L"TypeLib\\{DEC25A9B-7F60-4ABE-956C-9C458BB93653}";
const std::wstring InterfaceKey = Classes + L"Interface\\{8E7635B5-615B-47AA-940E-E9914B4C05B6}";
const wchar_t* const ThisPlatform = sizeof(void*) == 8 ? L"win64" : L"win32";
const wchar_t* const OtherPlatform = sizeof(void*) == 8 ? L"win32" : L"win64";
const std::wstring ProgIdKey = Classes + L"QuillnoteLib.Quillnote";
// The registry view of the other bitness's classes.
const REGSAM OtherView = sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;

// The other bitness's class registration, as its own regsvr32 leaves it,
// written into its registry view for as long as the object lives.
class OtherBitnessClass {
public:
    explicit OtherBitnessClass(HKEY root) : root_(root)
    {
        win::UniqueRegKey key;
        created_ = RegCreateKeyExW(root_, (ClassKey + L"\\InprocServer32").c_str(), 0, nullptr, 0,
                                   KEY_WRITE | OtherView, nullptr, key.put(), nullptr) == ERROR_SUCCESS;
    }
    ~OtherBitnessClass()
    {
        RegDeleteKeyExW(root_, (ClassKey + L"\\InprocServer32").c_str(), OtherView, 0);
        RegDeleteKeyExW(root_, ClassKey.c_str(), OtherView, 0);
    }
    OtherBitnessClass(const OtherBitnessClass&) = delete;
    OtherBitnessClass& operator=(const OtherBitnessClass&) = delete;
    bool created() const { return created_; }
    // Whether this system has a second view at all (a 32-bit system has one).
    bool inAViewOfItsOwn() const { return !keyExists(root_, ClassKey); }

private:
    HKEY root_;
    bool created_ = false;
};

std::string narrow(const std::wstring& s) { return std::string(s.begin(), s.end()); }

class RegistrationTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_HRESULT_SUCCEEDED(apartment_.result());
        ASSERT_TRUE(component_.loaded());
        // Start from a clean registry whatever an earlier run left.
        component_.callEntry("DllUnregisterServer");
        component_.install(false, L"user");
    }
    void TearDown() override
    {
        component_.callEntry("DllUnregisterServer");
        component_.install(false, L"user");
    }

    void expectRegisteredUnder(HKEY root)
    {
        EXPECT_EQ(stringValue(root, ClassKey), L"Quillnote");
        EXPECT_EQ(stringValue(root, ClassKey + L"\\InprocServer32"), componentPath());
        EXPECT_EQ(stringValue(root, ClassKey + L"\\InprocServer32", L"ThreadingModel"), L"Apartment");
        EXPECT_EQ(stringValue(root, ClassKey + L"\\ProgID"), L"QuillnoteLib.Quillnote");
        EXPECT_EQ(stringValue(root, Classes + L"QuillnoteLib.Quillnote\\CLSID"),
                  L"{6E70B50F-2404-43CD-B0B6-D1A07624FF43}");
        EXPECT_EQ(stringValue(root, LibraryKey + L"\\1.0"), L"QuillnoteLib");
        EXPECT_EQ(stringValue(root, LibraryKey + L"\\1.0\\0\\" + ThisPlatform), componentPath());
        EXPECT_EQ(stringValue(root, InterfaceKey + L"\\ProxyStubClsid32"), L"{00020424-0000-0000-C000-000000000046}");
    }

    Apartment apartment_;
    Component component_;
};

TEST_F(RegistrationTest, MachineRegistrationCreatesByClsidAndProgIdAndLeavesNothingBehind)
{
    ASSERT_HRESULT_SUCCEEDED(component_.callEntry("DllRegisterServer"));
    expectRegisteredUnder(HKEY_LOCAL_MACHINE);
    EXPECT_EQ(ourKeysUnder(HKEY_CURRENT_USER), L"");

    win::ComPtr<_Quillnote> byClsid;
    ASSERT_HRESULT_SUCCEEDED(
        CoCreateInstance(CLSID_Quillnote, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(byClsid.put())));
    short position = 0;
    ASSERT_HRESULT_SUCCEEDED(byClsid->get_StartUpPosition(&position));
    EXPECT_EQ(position, 2);

    CLSID fromProgId = {};
    ASSERT_HRESULT_SUCCEEDED(CLSIDFromProgID(L"QuillnoteLib.Quillnote", &fromProgId));
    EXPECT_TRUE(IsEqualCLSID(fromProgId, CLSID_Quillnote));
    win::ComPtr<IDispatch> byProgId;
    ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(fromProgId, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(byProgId.put())));

    // The type library is found through the registry as well.
    win::ComPtr<ITypeLib> registered;
    EXPECT_HRESULT_SUCCEEDED(LoadRegTypeLib(LIBID_QuillnoteLib, 1, 0, 0, registered.put()));

    byClsid.reset();
    byProgId.reset();
    ASSERT_HRESULT_SUCCEEDED(component_.callEntry("DllUnregisterServer"));
    EXPECT_EQ(ourKeysUnder(HKEY_LOCAL_MACHINE), L"");
    win::ComPtr<_Quillnote> none;
    EXPECT_EQ(CoCreateInstance(CLSID_Quillnote, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(none.put())),
              REGDB_E_CLASSNOTREG);
}

TEST_F(RegistrationTest, UserRegistrationWritesOnlyTheUsersKeys)
{
    ASSERT_HRESULT_SUCCEEDED(component_.install(true, L"user"));
    expectRegisteredUnder(HKEY_CURRENT_USER);
    EXPECT_EQ(ourKeysUnder(HKEY_LOCAL_MACHINE), L"");

    ASSERT_HRESULT_SUCCEEDED(component_.install(false, L"user"));
    EXPECT_EQ(ourKeysUnder(HKEY_CURRENT_USER), L"");
}

TEST_F(RegistrationTest, InstallForTheMachineEqualsRegisterServer)
{
    ASSERT_HRESULT_SUCCEEDED(component_.install(true, L"machine"));
    expectRegisteredUnder(HKEY_LOCAL_MACHINE);
    ASSERT_HRESULT_SUCCEEDED(component_.install(false, nullptr));
    EXPECT_EQ(ourKeysUnder(HKEY_LOCAL_MACHINE), L"");
}

TEST_F(RegistrationTest, UnregisteringWhatIsNotRegisteredSucceeds)
{
    EXPECT_EQ(component_.callEntry("DllUnregisterServer"), S_OK);
    EXPECT_EQ(component_.callEntry("DllUnregisterServer"), S_OK);
    EXPECT_EQ(component_.install(false, L"user"), S_OK);
}

TEST_F(RegistrationTest, RegisteringTwiceIsHarmless)
{
    ASSERT_HRESULT_SUCCEEDED(component_.callEntry("DllRegisterServer"));
    ASSERT_HRESULT_SUCCEEDED(component_.callEntry("DllRegisterServer"));
    expectRegisteredUnder(HKEY_LOCAL_MACHINE);
    ASSERT_HRESULT_SUCCEEDED(component_.callEntry("DllUnregisterServer"));
    EXPECT_EQ(ourKeysUnder(HKEY_LOCAL_MACHINE), L"") << narrow(ourKeysUnder(HKEY_LOCAL_MACHINE));
}

TEST_F(RegistrationTest, UnregisteringKeepsTheOtherBitnessTypeLibrary)
{
    // The type library key is shared by both bitnesses of the library.
    const std::wstring otherKey = LibraryKey + L"\\1.0\\0\\" + OtherPlatform;
    win::UniqueRegKey key;
    ASSERT_EQ(
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, otherKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.put(), nullptr),
        ERROR_SUCCESS);
    key.reset();

    ASSERT_HRESULT_SUCCEEDED(component_.callEntry("DllRegisterServer"));
    ASSERT_HRESULT_SUCCEEDED(component_.callEntry("DllUnregisterServer"));
    EXPECT_TRUE(keyExists(HKEY_LOCAL_MACHINE, otherKey));
    EXPECT_FALSE(keyExists(HKEY_LOCAL_MACHINE, LibraryKey + L"\\1.0\\0\\" + ThisPlatform));
    EXPECT_FALSE(keyExists(HKEY_LOCAL_MACHINE, ClassKey));

    RegDeleteTreeW(HKEY_LOCAL_MACHINE, LibraryKey.c_str());
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, LibraryKey.c_str());
    EXPECT_EQ(ourKeysUnder(HKEY_LOCAL_MACHINE), L"");
}

// Both bitnesses registered side by side share the ProgID: removing one
// keeps it for the other, and removing the last one removes it.
TEST_F(RegistrationTest, UnregisteringOneBitnessKeepsTheProgIdOfTheOther)
{
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        SCOPED_TRACE(root == HKEY_LOCAL_MACHINE ? "machine" : "user");
        const wchar_t* scope = root == HKEY_LOCAL_MACHINE ? L"machine" : L"user";
        {
            OtherBitnessClass other(root);
            ASSERT_TRUE(other.created());
            // Wine keeps one view of the user's classes: both bitnesses
            // share every key there, and there is nothing to tell apart.
            if (!other.inAViewOfItsOwn())
                continue;
            ASSERT_HRESULT_SUCCEEDED(component_.install(true, scope));
            ASSERT_HRESULT_SUCCEEDED(component_.install(false, scope));
            EXPECT_FALSE(keyExists(root, ClassKey + L"\\InprocServer32"));
            EXPECT_FALSE(keyExists(root, InterfaceKey));
            EXPECT_EQ(stringValue(root, ProgIdKey + L"\\CLSID"), L"{6E70B50F-2404-43CD-B0B6-D1A07624FF43}");
        }
        // The other bitness gone too: registering and removing this one
        // again leaves nothing.
        ASSERT_HRESULT_SUCCEEDED(component_.install(true, scope));
        ASSERT_HRESULT_SUCCEEDED(component_.install(false, scope));
        EXPECT_EQ(ourKeysUnder(root), L"");
    }
}

} // namespace
} // namespace quillnote::test
