// Bad values of the simulator's registry entry at start-up, on Windows and
// under Wine, beyond those the locator's own tests write: whatever is stored,
// the folder found is the stored text itself or nothing, never bytes from
// beyond the value or a string cut short.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "platform/registered_simulator_folder.h"

namespace dalvorn {
namespace {

const char kKey[] = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0";
const char kValue[] = "EXE Path";

// The simulator's key in the 32-bit view, as the installer writes it. Only
// a value this test wrote is deleted; the key is left, as it may have been
// there before.
class SimulatorValue : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr,
                                  &key_, nullptr),
                  ERROR_SUCCESS);
        if (RegQueryValueExA(key_, kValue, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
            GTEST_SKIP() << "the simulator is registered on this machine";
    }
    void TearDown() override
    {
        if (wrote_)
            RegDeleteValueA(key_, kValue);
        if (key_ != nullptr)
            RegCloseKey(key_);
    }

    void Store(DWORD type, const std::string& bytes)
    {
        wrote_ = true;
        ASSERT_EQ(RegSetValueExA(key_, kValue, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
    }

    HKEY key_ = nullptr;
    bool wrote_ = false;
};

TEST_F(SimulatorValue, StringOf300CharactersGivesNothing)
{
    Store(REG_SZ, "C:\\" + std::string(297, 'x') + '\0');
    EXPECT_EQ(FindRegisteredSimulatorFolder(), std::nullopt);
    Store(REG_EXPAND_SZ, "C:\\" + std::string(297, 'x') + '\0');
    EXPECT_EQ(FindRegisteredSimulatorFolder(), std::nullopt);
}

TEST_F(SimulatorValue, UnterminatedStringFillingTheWholeBufferGivesNothing)
{
    Store(REG_SZ, "C:\\" + std::string(252, 'x'));
    EXPECT_EQ(FindRegisteredSimulatorFolder(), std::nullopt);
}

TEST_F(SimulatorValue, UnterminatedStringGivesItsTextOrNothing)
{
    for (const std::size_t length : {1u, 9u, 253u, 254u}) {
        const std::string text = "C" + std::string(length - 1, 'x');
        Store(REG_SZ, text);
        const std::optional<std::string> folder = FindRegisteredSimulatorFolder();
        EXPECT_TRUE(!folder || *folder == text) << length << " characters gave " << folder.value_or("");
    }
}

TEST_F(SimulatorValue, StringEndsAtItsFirstTerminator)
{
    Store(REG_SZ, std::string("C:\\FS2002\0C:\\Other\0", 20));
    EXPECT_EQ(FindRegisteredSimulatorFolder(), "C:\\FS2002");
}

TEST_F(SimulatorValue, OtherTypesGiveNothing)
{
    Store(REG_MULTI_SZ, std::string("C:\\FS2002\0\0", 11));
    EXPECT_EQ(FindRegisteredSimulatorFolder(), std::nullopt);
    Store(REG_QWORD, std::string(8, '\x01'));
    EXPECT_EQ(FindRegisteredSimulatorFolder(), std::nullopt);
    Store(REG_NONE, "");
    EXPECT_EQ(FindRegisteredSimulatorFolder(), std::nullopt);
    Store(REG_BINARY, std::string(300, 'C'));
    EXPECT_EQ(FindRegisteredSimulatorFolder(), std::nullopt);
}

TEST_F(SimulatorValue, StringWithoutBytesGivesNothing)
{
    Store(REG_SZ, "");
    EXPECT_EQ(FindRegisteredSimulatorFolder(), std::nullopt);
}

}  // namespace
}  // namespace dalvorn
