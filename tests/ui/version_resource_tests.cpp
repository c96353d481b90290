// The version block every program with the resources carries.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "version.h"

namespace {

std::vector<char> VersionBlock()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    std::vector<char> block(::GetFileVersionInfoSizeA(path, &ignored));
    if (block.empty() || !::GetFileVersionInfoA(path, 0, static_cast<DWORD>(block.size()), block.data()))
        block.clear();
    return block;
}

std::string StringValue(std::vector<char>& block, const std::string& name)
{
    char* value = nullptr;
    UINT length = 0;
    const std::string query = "\\StringFileInfo\\040904B0\\" + name;
    if (!::VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length))
        return "<missing>";
    return std::string(value, length > 0 ? std::char_traits<char>::length(value) : 0);
}

constexpr DWORD kVersionHigh = DALVORN_VERSION_MAJOR << 16 | DALVORN_VERSION_MINOR;
constexpr DWORD kVersionLow = DALVORN_VERSION_PATCH << 16 | DALVORN_VERSION_BUILD;

TEST(VersionResource, FixedPartNamesTheProjectVersionOfAnApplication)
{
    std::vector<char> block = VersionBlock();
    ASSERT_FALSE(block.empty());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, kVersionHigh);
    EXPECT_EQ(fixed->dwFileVersionLS, kVersionLow);
    EXPECT_EQ(fixed->dwProductVersionMS, kVersionHigh);
    EXPECT_EQ(fixed->dwProductVersionLS, kVersionLow);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST(VersionResource, StringsNameDalvorn)
{
    std::vector<char> block = VersionBlock();
    ASSERT_FALSE(block.empty());
    EXPECT_EQ(StringValue(block, "FileVersion"), DALVORN_VERSION_COMMAS);
    EXPECT_EQ(StringValue(block, "ProductVersion"), DALVORN_VERSION_COMMAS);
    EXPECT_EQ(StringValue(block, "FileDescription"), "Dalvorn");
    EXPECT_EQ(StringValue(block, "InternalName"), "Dalvorn");
    EXPECT_EQ(StringValue(block, "ProductName"), "Dalvorn");
    EXPECT_EQ(StringValue(block, "OriginalFilename"), "Dalvorn.EXE");
    for (const char* empty : {"Comments", "CompanyName", "LegalTrademarks", "PrivateBuild", "SpecialBuild"})
        EXPECT_EQ(StringValue(block, empty), "") << empty;
    EXPECT_NE(StringValue(block, "LegalCopyright"), "<missing>");
}

}  // namespace
