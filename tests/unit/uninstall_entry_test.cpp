// The uninstall command follows the directory the program was started from.
#include <gtest/gtest.h>

#include <string>

#include "registry.h"
#include "settings/registry_layout.h"
#include "settings/settings_store.h"

namespace {

class UninstallEntry : public ::testing::Test {
protected:
    void SetUp() override
    {
        ForgetEverything();
        GetCurrentDirectoryA(sizeof startDirectory, startDirectory);
    }
    void TearDown() override
    {
        SetCurrentDirectoryA(startDirectory);
        ForgetEverything();
    }

    std::string CommandSavedFrom(const std::string& directory)
    {
        CreateDirectoryA(directory.c_str(), nullptr);
        EXPECT_TRUE(SetCurrentDirectoryA(directory.c_str())) << directory;
        LauncherSettings settings{0, 1, 1, 1, 1, 0};
        SaveSettings(&settings);
        SetCurrentDirectoryA(startDirectory);
        StoredValue command = ReadValue(HKEY_LOCAL_MACHINE, UNINSTALL_ENTRY_PATH, VALUE_UNINSTALLSTRING);
        EXPECT_EQ(command.type, static_cast<DWORD>(REG_SZ));
        return command.bytes;
    }

    char startDirectory[MAX_PATH];
};

} // namespace

TEST_F(UninstallEntry, CommandNamesTheProgramInTheCurrentDirectory)
{
    struct Case {
        std::string directory;
        std::string command;
    } cases[] = {
        {"C:\\", "C:\\QUORIX.EXE -uninstall"},
        {"C:\\windows", "C:\\windows\\QUORIX.EXE -uninstall"},
        // A blank would let Windows run C:\Quorix.exe: the path is quoted.
        {"C:\\Quorix CD", "\"C:\\Quorix CD\\QUORIX.EXE\" -uninstall"},
    };
    for (const Case& c : cases) {
        // The stored length counts the terminating NUL.
        EXPECT_EQ(CommandSavedFrom(c.directory), c.command + '\0') << c.directory;
    }
    RemoveDirectoryA("C:\\Quorix CD");
}

TEST_F(UninstallEntry, DirectoryOf199CharactersStillFits)
{
    std::string directory = "C:\\" + std::string(196, 'q');
    ASSERT_EQ(directory.size(), 199u);
    EXPECT_EQ(CommandSavedFrom(directory), directory + "\\QUORIX.EXE -uninstall" + '\0');
    RemoveDirectoryA(directory.c_str());
}

TEST_F(UninstallEntry, LongerDirectoryLeavesTheEntryAsItWas)
{
    std::string directory = "C:\\" + std::string(197, 'q');
    const char old[] = "C:\\OLD\\QUORIX.EXE -uninstall";
    WriteValue(HKEY_LOCAL_MACHINE, UNINSTALL_ENTRY_PATH, VALUE_UNINSTALLSTRING, REG_SZ, old, sizeof old);
    EXPECT_EQ(CommandSavedFrom(directory), std::string(old, sizeof old));
    // The settings themselves are saved all the same.
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, SETTINGS_KEY_PATH, VALUE_SOUND), 1);
    RemoveDirectoryA(directory.c_str());
}
