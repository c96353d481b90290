#include <gtest/gtest.h>

#include <string>

#include "platform/win32/registry_string_value.h"

namespace dalvorn {
namespace {

using namespace std::string_literals;

TEST(RegistryStringValue, GivesTheTextBeforeTheTerminator)
{
    EXPECT_EQ(StringFromRegistryValue(ERROR_SUCCESS, REG_SZ, "C:\\FS2002\0"s), "C:\\FS2002");
    EXPECT_EQ(StringFromRegistryValue(ERROR_SUCCESS, REG_SZ, "C:\\FS2002\0junk\0"s), "C:\\FS2002");
}

TEST(RegistryStringValue, LeavesExpandableStringsUnexpanded)
{
    EXPECT_EQ(StringFromRegistryValue(ERROR_SUCCESS, REG_EXPAND_SZ, "%ProgramFiles%\\FS2002\0"s),
              "%ProgramFiles%\\FS2002");
}

TEST(RegistryStringValue, RefusesOtherTypes)
{
    for (const DWORD type : {REG_NONE, REG_BINARY, REG_DWORD, REG_MULTI_SZ, REG_LINK, REG_QWORD})
        EXPECT_EQ(StringFromRegistryValue(ERROR_SUCCESS, type, "C:\\FS2002\0"s), std::nullopt) << type;
}

TEST(RegistryStringValue, RefusesTextWithoutTerminator)
{
    EXPECT_EQ(StringFromRegistryValue(ERROR_SUCCESS, REG_SZ, "C:\\FS2002"s), std::nullopt);
    EXPECT_EQ(StringFromRegistryValue(ERROR_SUCCESS, REG_SZ, std::string(kRegistryStringCapacity, 'a')),
              std::nullopt);
}

TEST(RegistryStringValue, RefusesEmptyText)
{
    EXPECT_EQ(StringFromRegistryValue(ERROR_SUCCESS, REG_SZ, "\0"s), std::nullopt);
    EXPECT_EQ(StringFromRegistryValue(ERROR_SUCCESS, REG_SZ, ""s), std::nullopt);
}

TEST(RegistryStringValue, AcceptsUpTo254CharactersAndRefusesLongerValues)
{
    const std::string longest(kRegistryStringCapacity - 1, 'a');
    EXPECT_EQ(StringFromRegistryValue(ERROR_SUCCESS, REG_SZ, longest + '\0'), longest);
    EXPECT_EQ(StringFromRegistryValue(ERROR_SUCCESS, REG_SZ, longest + "a\0"s), std::nullopt);
    // What RegQueryValueExA reports when the value does not fit the buffer.
    EXPECT_EQ(StringFromRegistryValue(ERROR_MORE_DATA, REG_SZ, longest + "a"), std::nullopt);
}

TEST(RegistryStringValue, RefusesFailedQueries)
{
    EXPECT_EQ(StringFromRegistryValue(ERROR_FILE_NOT_FOUND, REG_SZ, "C:\\FS2002\0"s), std::nullopt);
    EXPECT_EQ(StringFromRegistryValue(ERROR_ACCESS_DENIED, REG_SZ, "C:\\FS2002\0"s), std::nullopt);
}

}  // namespace
}  // namespace dalvorn
