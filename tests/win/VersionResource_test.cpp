// The component's version resource: the project's version (passed in by the
// build) in the fixed numbers and the version strings, the same version as
// the assembly manifest beside the DLL, and the project's names.

#include "TestSupport.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace quillnote::test {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::string fileText(const std::wstring& path)
{
    std::unique_ptr<std::FILE, FileCloser> file(_wfopen(path.c_str(), L"rb"));
    std::string text;
    if (!file)
        return text;
    char buffer[4096];
    for (size_t read; (read = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;)
        text.append(buffer, read);
    return text;
}

// The version in the manifest's assemblyIdentity of the Quillnote assembly.
std::string manifestVersion()
{
    const std::string text = fileText(programFolder() + L"\\Quillnote.manifest");
    const std::string identity = "name=\"Quillnote\" version=\"";
    const size_t start = text.find(identity);
    if (start == std::string::npos)
        return {};
    const size_t first = start + identity.size();
    return text.substr(first, text.find('"', first) - first);
}

class VersionResource : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::wstring path = componentPath();
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
        ASSERT_NE(size, 0u) << "no version resource in Quillnote.dll, error " << GetLastError();
        data_.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, data_.data()));
    }

    const VS_FIXEDFILEINFO* fixed()
    {
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(data_.data(), L"\\", &value, &length) || length < sizeof(VS_FIXEDFILEINFO))
            return nullptr;
        return static_cast<const VS_FIXEDFILEINFO*>(value);
    }

    std::wstring text(const wchar_t* name)
    {
        const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(data_.data(), key.c_str(), &value, &length) || length == 0)
            return {};
        return static_cast<const wchar_t*>(value);
    }

    std::vector<BYTE> data_;
};

std::wstring widened(const std::string& text) { return std::wstring(text.begin(), text.end()); }

TEST_F(VersionResource, FixedNumbersAreTheProjectVersion)
{
    const VS_FIXEDFILEINFO* info = fixed();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(info->dwFileVersionMS, DWORD(QUILLNOTE_VERSION_MAJOR << 16 | QUILLNOTE_VERSION_MINOR));
    EXPECT_EQ(info->dwFileVersionLS, DWORD(QUILLNOTE_VERSION_PATCH << 16));
    EXPECT_EQ(info->dwProductVersionMS, info->dwFileVersionMS);
    EXPECT_EQ(info->dwProductVersionLS, info->dwFileVersionLS);
    EXPECT_EQ(info->dwFileType, DWORD(VFT_DLL));
}

TEST_F(VersionResource, VersionTextsMatchTheAssemblyManifest)
{
    const std::string version = manifestVersion();
    EXPECT_EQ(version, QUILLNOTE_ASSEMBLY_VERSION);
    EXPECT_EQ(text(L"FileVersion"), widened(version));
    EXPECT_EQ(text(L"ProductVersion"), widened(version));
}

TEST_F(VersionResource, NamesTheProduct)
{
    EXPECT_EQ(text(L"ProductName"), L"Quillnote");
    EXPECT_EQ(text(L"CompanyName"), L"The Quillnote developers");
    EXPECT_EQ(text(L"FileDescription"), L"Quillnote message box component");
    EXPECT_EQ(text(L"OriginalFilename"), L"Quillnote.dll");
}

} // namespace
} // namespace quillnote::test
