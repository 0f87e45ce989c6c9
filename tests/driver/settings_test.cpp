// The options of the main dialog as the registry sees them: defaults on an
// empty registry, every click saving all eight values and the uninstall
// entry, Sound greying Speech, and the three ways a dialog could be closed.
#include "fixture.h"

using drv::ReadValue;
using drv::SettingsKey;
using drv::UninstallKey;

static const char* const OptionNames[] = {"SOUND", "SPEECH", "CINEMATICS", "ACTIONPAN", "FULLSCREEN"};

namespace {

struct Edition {
    const char* name;
    DWORD language; // the mapped LANGUAGE that a save writes on a fresh registry
    DWORD misc;
};

} // namespace

const Edition Editions[] = {{"german", 1, 0}, {"english", 0, 1}, {"multilingual", 0, 0}};

namespace {

class EditionSettings : public DriverTest, public testing::WithParamInterface<Edition> {
protected:
    // All eight values of the settings key and both values of the uninstall
    // entry, as one save leaves them.
    void ExpectSaved(const std::string& dir, const DWORD (&options)[5])
    {
        const Edition& e = GetParam();
        drv::Value language = ReadValue(HKEY_CURRENT_USER, SettingsKey, "LANGUAGE");
        EXPECT_EQ(language.type, static_cast<DWORD>(REG_DWORD));
        EXPECT_EQ(language.data.size(), 4u);
        EXPECT_EQ(language.Dword(), e.language);
        for (int i = 0; i < 5; ++i) {
            drv::Value v = ReadValue(HKEY_CURRENT_USER, SettingsKey, OptionNames[i]);
            EXPECT_EQ(v.type, static_cast<DWORD>(REG_DWORD)) << OptionNames[i];
            EXPECT_EQ(v.data.size(), 4u) << OptionNames[i];
            EXPECT_EQ(v.Dword(), options[i]) << OptionNames[i];
        }
        drv::Value misc = ReadValue(HKEY_CURRENT_USER, SettingsKey, "MISC");
        EXPECT_EQ(misc.type, static_cast<DWORD>(REG_DWORD));
        EXPECT_EQ(misc.data.size(), 4u);
        EXPECT_EQ(misc.Dword(), e.misc);
        drv::Value drive = ReadValue(HKEY_CURRENT_USER, SettingsKey, "INSTALLDRIVE");
        EXPECT_EQ(drive.type, static_cast<DWORD>(REG_BINARY));
        EXPECT_EQ(drive.data, std::vector<BYTE>{'C'});

        drv::Value name = ReadValue(HKEY_LOCAL_MACHINE, UninstallKey, "DisplayName");
        EXPECT_EQ(name.type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(name.data.size(), 23u);
        EXPECT_EQ(name.String(), "Quorix for Windows '95");
        drv::Value command = ReadValue(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString");
        EXPECT_EQ(command.type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(command.String(), dir + "\\QUORIX.EXE -uninstall");
    }
};

} // namespace

TEST_P(EditionSettings, EmptyRegistryGivesDefaultsAndNoEntryYet)
{
    drv::ScratchCd cd(drv::Join(scratch, "cd"), GetParam().name);
    ASSERT_TRUE(launcher.Open(cd.Path("QUORIX.EXE"), cd.root));

    const int checked[] = {BST_CHECKED, BST_CHECKED, BST_CHECKED, BST_CHECKED, BST_UNCHECKED};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(launcher.Check(drv::MainSound + i), checked[i]) << "check box " << drv::MainSound + i;
    EXPECT_TRUE(launcher.Enabled(drv::MainSpeech));

    // Loading wrote the defaults back; the stored language is not yet mapped.
    const DWORD stored[] = {0, 1, 1, 1, 1, 0};
    const char* const names[] = {"LANGUAGE", "SOUND", "SPEECH", "CINEMATICS", "ACTIONPAN", "FULLSCREEN"};
    for (int i = 0; i < 6; ++i) {
        drv::Value v = ReadValue(HKEY_CURRENT_USER, SettingsKey, names[i]);
        EXPECT_TRUE(v.present) << names[i];
        EXPECT_EQ(v.type, static_cast<DWORD>(REG_DWORD)) << names[i];
        EXPECT_EQ(v.Dword(), stored[i]) << names[i];
    }
    EXPECT_FALSE(ReadValue(HKEY_CURRENT_USER, SettingsKey, "MISC").present);
    EXPECT_FALSE(ReadValue(HKEY_CURRENT_USER, SettingsKey, "INSTALLDRIVE").present);
    EXPECT_FALSE(drv::KeyExists(HKEY_LOCAL_MACHINE, UninstallKey));
}

TEST_P(EditionSettings, EveryClickSavesAllValuesAndTheEntry)
{
    drv::ScratchCd cd(drv::Join(scratch, "cd"), GetParam().name);
    ASSERT_TRUE(launcher.Open(cd.Path("QUORIX.EXE"), cd.root));

    DWORD options[5] = {1, 1, 1, 1, 0};
    // Sound last: it greys Speech, whose click then would prove nothing.
    for (int id : {drv::MainSpeech, drv::MainCinematics, drv::MainActionPan, drv::MainFullScreen, drv::MainSound}) {
        SCOPED_TRACE(testing::Message() << "click on " << id);
        drv::DeleteKey(HKEY_CURRENT_USER, SettingsKey);
        drv::DeleteKey(HKEY_LOCAL_MACHINE, UninstallKey);
        ASSERT_TRUE(launcher.Click(id));
        options[id - drv::MainSound] ^= 1;
        EXPECT_EQ(launcher.Check(id), options[id - drv::MainSound] ? BST_CHECKED : BST_UNCHECKED);
        ExpectSaved(cd.root, options);
    }
}

TEST_P(EditionSettings, SoundOffGreysSpeechAndKeepsItsValue)
{
    drv::ScratchCd cd(drv::Join(scratch, "cd"), GetParam().name);
    ASSERT_TRUE(launcher.Open(cd.Path("QUORIX.EXE"), cd.root));

    ASSERT_TRUE(launcher.Click(drv::MainSound));
    EXPECT_FALSE(launcher.Enabled(drv::MainSpeech));
    EXPECT_EQ(launcher.Check(drv::MainSpeech), BST_CHECKED);
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, SettingsKey, "SOUND").Dword(), 0u);
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, SettingsKey, "SPEECH").Dword(), 1u);

    ASSERT_TRUE(launcher.Click(drv::MainSound));
    EXPECT_TRUE(launcher.Enabled(drv::MainSpeech));
    EXPECT_EQ(launcher.Check(drv::MainSpeech), BST_CHECKED);
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, SettingsKey, "SOUND").Dword(), 1u);
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, SettingsKey, "SPEECH").Dword(), 1u);
}

// Stored values are what the dialog shows, and Speech starts greyed when
// Sound was stored off.
TEST_P(EditionSettings, StoredOptionsAreShown)
{
    const DWORD stored[] = {0, 0, 1, 0, 1};
    for (int i = 0; i < 5; ++i)
        drv::WriteDword(HKEY_CURRENT_USER, SettingsKey, OptionNames[i], stored[i]);
    drv::ScratchCd cd(drv::Join(scratch, "cd"), GetParam().name);
    ASSERT_TRUE(launcher.Open(cd.Path("QUORIX.EXE"), cd.root));

    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(launcher.Check(drv::MainSound + i), stored[i] ? BST_CHECKED : BST_UNCHECKED)
            << "check box " << drv::MainSound + i;
    EXPECT_FALSE(launcher.Enabled(drv::MainSpeech));
}

INSTANTIATE_TEST_SUITE_P(, EditionSettings, testing::ValuesIn(Editions), CaseName());

namespace {

// Escape must not close the dialog; the close command closes it without a
// save; the save-and-quit command (103) saves and closes.
struct CloseCase {
    const char* name;
    enum { Cancel, SysClose, Command103 } how;
    bool closes;
    bool saves;
};

} // namespace

const CloseCase CloseCases[] = {
    {"Idcancel", CloseCase::Cancel, false, false},
    {"ScClose", CloseCase::SysClose, true, false},
    {"Command103", CloseCase::Command103, true, true},
};

namespace {

class Closing : public DriverTest, public testing::WithParamInterface<CloseCase> {};

} // namespace

TEST_P(Closing, EndsAndSavesAsItShould)
{
    const CloseCase& c = GetParam();
    drv::ScratchCd cd(drv::Join(scratch, "cd"), "english");
    ASSERT_TRUE(launcher.Open(cd.Path("QUORIX.EXE"), cd.root));
    HWND window = launcher.window();

    switch (c.how) {
    case CloseCase::Cancel:
        ASSERT_TRUE(launcher.Command(IDCANCEL));
        break;
    case CloseCase::SysClose:
        ASSERT_TRUE(launcher.SysClose());
        break;
    case CloseCase::Command103:
        ASSERT_TRUE(launcher.Command(drv::MainSaveAndQuit));
        break;
    }
    if (c.closes) {
        EXPECT_TRUE(launcher.WaitForExit(5000, nullptr));
    } else {
        EXPECT_FALSE(launcher.WaitForExit(500, nullptr));
        EXPECT_TRUE(IsWindow(window));
        EXPECT_TRUE(IsWindowVisible(window));
    }
    // MISC and the uninstall entry come only from a save.
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, SettingsKey, "MISC").present, c.saves);
    EXPECT_EQ(drv::KeyExists(HKEY_LOCAL_MACHINE, UninstallKey), c.saves);
    if (c.saves) {
        EXPECT_EQ(ReadValue(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString").String(),
                  cd.root + "\\QUORIX.EXE -uninstall");
    }
}

INSTANTIATE_TEST_SUITE_P(, Closing, testing::ValuesIn(CloseCases), CaseName());

// Two starts are two independent dialogs.
TEST_F(DriverTest, SecondStartOpensSecondDialog)
{
    drv::ScratchCd cd(drv::Join(scratch, "cd"), "german");
    ASSERT_TRUE(launcher.Open(cd.Path("QUORIX.EXE"), cd.root));
    drv::Launcher second;
    ASSERT_TRUE(second.Open(cd.Path("QUORIX.EXE"), cd.root));
    EXPECT_NE(second.window(), launcher.window());
    EXPECT_TRUE(launcher.Running());
}
