// Registration-free creation: this program's embedded manifest depends on the
// Quillnote assembly beside it, so the class, its ProgID and its type library
// are found without any registry entry.

#include "RegistryProbe.h"
#include "TestSupport.h"

namespace quillnote::test {
namespace {

class SideBySideTest : public testing::Test {
protected:
    void SetUp() override
    {
        // Make sure nothing of ours is registered, whatever ran before.
        if (!ourKeysUnder(HKEY_LOCAL_MACHINE).empty() || !ourKeysUnder(HKEY_CURRENT_USER).empty()) {
            Component component;
            component.callEntry("DllUnregisterServer");
            component.install(false, L"user");
        }
        ASSERT_EQ(ourKeysUnder(HKEY_LOCAL_MACHINE), L"");
        ASSERT_EQ(ourKeysUnder(HKEY_CURRENT_USER), L"");
        ASSERT_HRESULT_SUCCEEDED(apartment_.result());
    }
    Apartment apartment_;
};

TEST_F(SideBySideTest, CreatesByClsidWithoutRegistration)
{
    win::ComPtr<_Quillnote> q;
    ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_Quillnote, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(q.put())));
    ASSERT_HRESULT_SUCCEEDED(q->put_GradientDirection(7));
    short direction = 0;
    ASSERT_HRESULT_SUCCEEDED(q->get_GradientDirection(&direction));
    EXPECT_EQ(direction, 8);
}

TEST_F(SideBySideTest, CreatesByProgIdWithoutRegistration)
{
    // Under a manifest the ProgID may map to an alias CLSID that still
    // creates the class.
    CLSID clsid = {};
    ASSERT_HRESULT_SUCCEEDED(CLSIDFromProgID(L"QuillnoteLib.Quillnote", &clsid));
    win::ComPtr<IDispatch> object;
    ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(object.put())));

    LateBound late(object.get());
    ASSERT_HRESULT_SUCCEEDED(late.put(L"BackColorHeading", makeI2(-1)));
    Variant colour;
    ASSERT_HRESULT_SUCCEEDED(late.get(L"BackColorHeading", colour));
    ASSERT_EQ(V_VT(&*colour), VT_I4);
    EXPECT_EQ(V_I4(&*colour), static_cast<LONG>(0x80000002));
}

} // namespace
} // namespace quillnote::test
