#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "platform/registered_simulator_folder.h"

namespace dalvorn {
namespace {

const char* const kKeyLevels[] = {
    "SOFTWARE\\Microsoft\\Microsoft Games",
    "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator",
    "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0",
};
const char kValue[] = "EXE Path";

// The simulator's key in one registry view of HKEY_LOCAL_MACHINE, created
// for the test. Takes away the value only if the test wrote it, and the key
// levels only if it had to create them.
class SimulatorKey {
public:
    explicit SimulatorKey(REGSAM view) : view_(view)
    {
        for (const char* level : kKeyLevels) {
            Close();
            DWORD disposition = 0;
            if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, level, 0, nullptr, 0, KEY_ALL_ACCESS | view_, nullptr,
                                &key_, &disposition) != ERROR_SUCCESS)
                return;
            if (disposition == REG_CREATED_NEW_KEY)
                created_.push_back(level);
        }
    }
    ~SimulatorKey()
    {
        if (wroteValue_)
            RegDeleteValueA(key_, kValue);
        Close();
        for (auto level = created_.rbegin(); level != created_.rend(); ++level)
            RegDeleteKeyExA(HKEY_LOCAL_MACHINE, *level, view_, 0);
    }
    SimulatorKey(const SimulatorKey&) = delete;
    SimulatorKey& operator=(const SimulatorKey&) = delete;

    bool IsOpen() const { return key_ != nullptr; }
    bool HasValue() const { return RegQueryValueExA(key_, kValue, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS; }

    void Set(DWORD type, const std::string& bytes)
    {
        wroteValue_ = true;
        ASSERT_EQ(RegSetValueExA(key_, kValue, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
    }
    void SetString(const std::string& text) { Set(REG_SZ, text + '\0'); }

private:
    void Close()
    {
        if (key_ != nullptr)
            RegCloseKey(key_);
        key_ = nullptr;
    }

    REGSAM view_;
    HKEY key_ = nullptr;
    std::vector<const char*> created_;
    bool wroteValue_ = false;
};

class RegisteredSimulatorFolder : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(key32_.IsOpen()) << "cannot write HKEY_LOCAL_MACHINE";
        // Never overwrite the entry of a simulator that is really installed.
        if (key32_.HasValue())
            GTEST_SKIP() << "the simulator is registered on this machine";
    }

    SimulatorKey key32_{KEY_WOW64_32KEY};
};

TEST_F(RegisteredSimulatorFolder, ReadsTheValueOfThe32BitView)
{
    key32_.SetString("C:\\Program Files\\FS2002");
    EXPECT_EQ(FindRegisteredSimulatorFolder(), "C:\\Program Files\\FS2002");
}

TEST_F(RegisteredSimulatorFolder, ReadsExpandableStringsUnexpanded)
{
    key32_.Set(REG_EXPAND_SZ, std::string("%ProgramFiles%\\FS2002") + '\0');
    EXPECT_EQ(FindRegisteredSimulatorFolder(), "%ProgramFiles%\\FS2002");
}

TEST_F(RegisteredSimulatorFolder, GivesNothingWithoutTheValue)
{
    EXPECT_EQ(FindRegisteredSimulatorFolder(), std::nullopt);
}

TEST_F(RegisteredSimulatorFolder, AcceptsAtMost254Characters)
{
    const std::string longest = "C:\\" + std::string(251, 'a');
    key32_.SetString(longest);
    EXPECT_EQ(FindRegisteredSimulatorFolder(), longest);
    key32_.SetString(longest + "a");
    EXPECT_EQ(FindRegisteredSimulatorFolder(), std::nullopt);
    key32_.SetString(std::string(4000, 'a'));
    EXPECT_EQ(FindRegisteredSimulatorFolder(), std::nullopt);
}

TEST_F(RegisteredSimulatorFolder, GivesNothingForOtherTypesOrEmptyText)
{
    key32_.Set(REG_DWORD, std::string("\x01\x00\x00\x00", 4));
    EXPECT_EQ(FindRegisteredSimulatorFolder(), std::nullopt);
    key32_.Set(REG_BINARY, std::string("C:\\FS2002") + '\0');
    EXPECT_EQ(FindRegisteredSimulatorFolder(), std::nullopt);
    key32_.SetString("");
    EXPECT_EQ(FindRegisteredSimulatorFolder(), std::nullopt);
}

TEST_F(RegisteredSimulatorFolder, NeverAddsBytesToAStringStoredWithoutTerminator)
{
    key32_.Set(REG_SZ, "C:\\FS2002");
    const std::optional<std::string> folder = FindRegisteredSimulatorFolder();
    if (folder) {
        EXPECT_EQ(*folder, "C:\\FS2002");
    }
}

// True when this process sees a 64-bit registry view besides its own: a
// 64-bit program, or a 32-bit one on 64-bit Windows.
bool HasA64BitView()
{
#ifdef _WIN64
    return true;
#else
    BOOL wow64 = FALSE;
    return ::IsWow64Process(::GetCurrentProcess(), &wow64) && wow64;
#endif
}

TEST_F(RegisteredSimulatorFolder, IgnoresThe64BitView)
{
    if (!HasA64BitView())
        GTEST_SKIP() << "32-bit Windows has one registry view";
    SimulatorKey key64(KEY_WOW64_64KEY);
    ASSERT_TRUE(key64.IsOpen());
    if (key64.HasValue())
        GTEST_SKIP() << "the 64-bit view holds an entry of its own";
    key64.SetString("C:\\Wrong View");
    EXPECT_EQ(FindRegisteredSimulatorFolder(), std::nullopt);
    key32_.SetString("C:\\FS2002");
    EXPECT_EQ(FindRegisteredSimulatorFolder(), "C:\\FS2002");
}

#ifndef _WIN64
// A 32-bit program's own view is the 32-bit one: what the simulator's
// installer wrote there with no view named is found.
TEST_F(RegisteredSimulatorFolder, FindsTheValueWrittenInThe32BitProgramsOwnView)
{
    SimulatorKey ownView(0);
    ASSERT_TRUE(ownView.IsOpen());
    ownView.SetString("C:\\FS2002 Own View");
    EXPECT_EQ(FindRegisteredSimulatorFolder(), "C:\\FS2002 Own View");
}
#endif

}  // namespace
}  // namespace dalvorn
