// The uninstall entry that every save writes: its command names the
// QUORIX.EXE of the current directory, quoted when the path has a blank, and
// Wine's own list of installed programs shows it.
#include "fixture.h"

using drv::ReadValue;
using drv::SettingsKey;
using drv::UninstallKey;

namespace {

struct PlaceCase {
    const char* name;
    const char* folder; // under the test's scratch folder
    bool quoted;
};

} // namespace

const PlaceCase Places[] = {
    {"PlainFolder", "cd", false},
    {"FolderWithBlank", "my cd\\QUORIX CD", true},
    {"DottedFolder", "cd.v1", false},
};

namespace {

class EntryCommand : public DriverTest, public testing::WithParamInterface<PlaceCase> {};

} // namespace

TEST_P(EntryCommand, NamesTheProgramInTheCurrentDirectory)
{
    const PlaceCase& c = GetParam();
    drv::ScratchCd cd(drv::Join(scratch, c.folder), "german");
    ASSERT_TRUE(launcher.Open(cd.Path("QUORIX.EXE"), cd.root));
    ASSERT_TRUE(launcher.Click(drv::MainCinematics));

    std::string program = cd.Path("QUORIX.EXE");
    std::string want = (c.quoted ? "\"" + program + "\"" : program) + " -uninstall";
    drv::Value command = ReadValue(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString");
    EXPECT_EQ(command.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(command.String(), want);
    EXPECT_EQ(command.data.size(), want.size() + 1);
}

INSTANTIATE_TEST_SUITE_P(, EntryCommand, testing::ValuesIn(Places), CaseName());

// Drive E is a folder of ours (mapped by the ctest fixture); the root of a
// drive is reported with its backslash, which must not be doubled.
TEST_F(DriverTest, FromDriveRoot)
{
    drv::ScratchCd cd(drv::WinPathOfDriveE(), "english");
    if (!drv::FileExists("E:\\QUORIX.EXE"))
        GTEST_SKIP() << "drive E is not mapped to " << cd.root;
    ASSERT_TRUE(launcher.Open("E:\\QUORIX.EXE", "E:\\"));
    ASSERT_TRUE(launcher.Click(drv::MainSpeech));

    drv::Value command = ReadValue(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString");
    EXPECT_EQ(command.String(), "E:\\QUORIX.EXE -uninstall");
    EXPECT_EQ(command.data.size(), 25u);
    drv::Value name = ReadValue(HKEY_LOCAL_MACHINE, UninstallKey, "DisplayName");
    EXPECT_EQ(name.String(), "Quorix for Windows '95");
    EXPECT_EQ(name.data.size(), 23u);
}

namespace {

// GetCurrentDirectoryA is asked with 200 bytes: a directory of 199 characters
// fits, a longer one leaves the entry as it was, the settings saved anyway.
struct LongCase {
    const char* name;
    size_t length;
    bool entryWritten;
};

} // namespace

const LongCase LongCases[] = {
    {"Chars199", 199, true},
    {"Chars200", 200, false},
    {"Chars240", 240, false},
};

namespace {

class LongDirectory : public DriverTest, public testing::WithParamInterface<LongCase> {};

} // namespace

TEST_P(LongDirectory, EntryOnlyWhenDirectoryFits)
{
    const LongCase& c = GetParam();
    std::string dir = drv::Join(scratch, "");
    while (dir.size() + 41 < c.length)
        dir += std::string(40, 'd') + "\\";
    dir += std::string(c.length - dir.size(), 'e');
    ASSERT_EQ(dir.size(), c.length);
    drv::ScratchCd cd(dir, "multilingual");
    drv::WriteString(HKEY_LOCAL_MACHINE, UninstallKey, "DisplayName", "earlier");
    drv::WriteString(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString", "earlier -uninstall");

    ASSERT_TRUE(launcher.Open(cd.Path("QUORIX.EXE"), cd.root));
    ASSERT_TRUE(launcher.Click(drv::MainActionPan));

    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, SettingsKey, "ACTIONPAN").Dword(), 0u);
    EXPECT_TRUE(ReadValue(HKEY_CURRENT_USER, SettingsKey, "MISC").present);
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, SettingsKey, "INSTALLDRIVE").data, std::vector<BYTE>{'C'});
    std::string command = ReadValue(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString").String();
    std::string name = ReadValue(HKEY_LOCAL_MACHINE, UninstallKey, "DisplayName").String();
    if (c.entryWritten) {
        EXPECT_EQ(command, cd.Path("QUORIX.EXE") + " -uninstall");
        EXPECT_EQ(name, "Quorix for Windows '95");
    } else {
        EXPECT_EQ(command, "earlier -uninstall");
        EXPECT_EQ(name, "earlier");
    }
    EXPECT_TRUE(launcher.Running());
}

INSTANTIATE_TEST_SUITE_P(, LongDirectory, testing::ValuesIn(LongCases), CaseName());

// Each width's tests are built at the width of the launcher they check, so
// that they read its registry view: in a 64-bit prefix the two views of
// HKLM\Software are apart, and the entry is in the launcher's alone.
TEST_F(DriverTest, EntryIsInTheLaunchersRegistryViewOnly)
{
    drv::ScratchCd cd(drv::Join(scratch, "cd"), "english");
    ASSERT_TRUE(launcher.Open(cd.Path("QUORIX.EXE"), cd.root));
    ASSERT_TRUE(launcher.Click(drv::MainSound));

    REGSAM own = sizeof(void*) == 4 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
    REGSAM other = sizeof(void*) == 4 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
    EXPECT_TRUE(ReadValue(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString").present);
    EXPECT_TRUE(ReadValue(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString", own).present);
    EXPECT_FALSE(ReadValue(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString", other).present);
}

TEST_F(DriverTest, WineListsProgramAfterSave)
{
    drv::ScratchCd cd(drv::Join(scratch, "cd"), "english");
    ASSERT_TRUE(launcher.Open(cd.Path("QUORIX.EXE"), cd.root));
    EXPECT_EQ(drv::RunWineUninstaller(scratch, "--list").find("Quorix|||"), std::string::npos)
        << "listed before any save";

    ASSERT_TRUE(launcher.Click(drv::MainSound));
    std::string list = drv::RunWineUninstaller(scratch, "--list");
    EXPECT_NE(list.find("Quorix|||Quorix for Windows '95"), std::string::npos) << list;
}
