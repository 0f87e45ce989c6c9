// The settings store against Wine's registry: defaults, repair of every shape
// of stored value, the language of each edition, and what a save writes.
#include <gtest/gtest.h>

#include "launcher/edition.h"
#include "launcher/languages.h"
#include "registry.h"
#include "settings/registry_layout.h"
#include "settings/settings_store.h"

const HKEY User = HKEY_CURRENT_USER;

namespace {

class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        ForgetEverything();
        InstallDrive = 'C';
        InstalledDrive = 'C';
    }
    void TearDown() override
    {
        ForgetEverything();
    }
};

} // namespace

static int ExpectedLanguage(int stored)
{
    switch (ThisEdition) {
    case Edition::German:
        return 1;
    case Edition::English:
        return 0;
    case Edition::Multilingual:
        break;
    }
    return stored == 1 ? 0 : stored;
}

TEST_F(SettingsStore, EmptyRegistryTakesTheDefaultsAndWritesThemBack)
{
    LauncherSettings settings{};
    LoadSettings(&settings);
    EXPECT_EQ(settings.language, ExpectedLanguage(0));
    EXPECT_EQ(settings.sound, 1);
    EXPECT_EQ(settings.speech, 1);
    EXPECT_EQ(settings.cinematics, 1);
    EXPECT_EQ(settings.actionPan, 1);
    EXPECT_EQ(settings.fullScreen, 0);

    struct {
        const char* name;
        long long value;
    } stored[] = {
        {VALUE_LANGUAGE, 0},
        {VALUE_SOUND, 1},
        {VALUE_SPEECH, 1},
        {VALUE_CINEMATICS, 1},
        {VALUE_ACTIONPAN, 1},
        {VALUE_FULLSCREEN, 0},
    };
    for (const auto& s : stored)
        EXPECT_EQ(ReadDword(User, SETTINGS_KEY_PATH, s.name), s.value) << s.name;
    EXPECT_FALSE(ReadValue(User, SETTINGS_KEY_PATH, VALUE_MISC).present);
    EXPECT_FALSE(ReadValue(User, SETTINGS_KEY_PATH, VALUE_INSTALLDRIVE).present);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, UNINSTALL_ENTRY_PATH));
}

namespace {

// One stored shape of a value, what the field then holds (it starts as
// 0x77777777, so untouched bytes show), and what the registry holds after.
struct StoredShape {
    const char* label;
    const char* name;
    DWORD type;
    std::string bytes;
    unsigned field;
    DWORD typeAfter;
    std::string bytesAfter;
};

} // namespace

static std::string Dword(DWORD value)
{
    return std::string(reinterpret_cast<const char*>(&value), 4);
}

static int* FieldOf(LauncherSettings* settings, const char* name)
{
    if (std::string(name) == VALUE_LANGUAGE)
        return &settings->language;
    if (std::string(name) == VALUE_SOUND)
        return &settings->sound;
    if (std::string(name) == VALUE_FULLSCREEN)
        return &settings->fullScreen;
    return nullptr;
}

TEST_F(SettingsStore, StoredValuesAreRepairedByShapeAndRange)
{
    const StoredShape shapes[] = {
        {"language 6", VALUE_LANGUAGE, REG_DWORD, Dword(6), 0, REG_DWORD, Dword(0)},
        {"language all bits set", VALUE_LANGUAGE, REG_DWORD, Dword(0xFFFFFFFF), 0, REG_DWORD, Dword(0)},
        {"language 5 kept", VALUE_LANGUAGE, REG_DWORD, Dword(5), 5, REG_DWORD, Dword(5)},
        {"sound 2", VALUE_SOUND, REG_DWORD, Dword(2), 1, REG_DWORD, Dword(1)},
        {"full screen 2", VALUE_FULLSCREEN, REG_DWORD, Dword(2), 0, REG_DWORD, Dword(0)},
        {"one byte 1 kept",
         VALUE_SOUND,
         REG_BINARY,
         std::string("\x01", 1),
         0x77777701,
         REG_BINARY,
         std::string("\x01", 1)},
        {"one byte 9", VALUE_SOUND, REG_BINARY, std::string("\x09", 1), 0x77777701, REG_DWORD, Dword(1)},
        {"eight bytes", VALUE_SOUND, REG_BINARY, std::string(8, '\0'), 1, REG_DWORD, Dword(1)},
        {"string \"1\"", VALUE_SOUND, REG_SZ, std::string("1\0", 2), 0x77770001, REG_DWORD, Dword(1)},
        {"three bytes untested",
         VALUE_SOUND,
         REG_BINARY,
         std::string("\x05\x05\x05", 3),
         0x77050505,
         REG_BINARY,
         std::string("\x05\x05\x05", 3)},
        {"empty untested", VALUE_SOUND, REG_BINARY, std::string(), 0x77777777, REG_BINARY, std::string()},
    };
    for (const StoredShape& s : shapes) {
        ForgetEverything();
        WriteValue(User, SETTINGS_KEY_PATH, s.name, s.type, s.bytes.data(), static_cast<DWORD>(s.bytes.size()));
        LauncherSettings settings;
        memset(&settings, 0x77, sizeof settings);
        LoadSettings(&settings);

        unsigned field = static_cast<unsigned>(*FieldOf(&settings, s.name));
        if (std::string(s.name) == VALUE_LANGUAGE)
            EXPECT_EQ(field, static_cast<unsigned>(ExpectedLanguage(static_cast<int>(s.field)))) << s.label;
        else
            EXPECT_EQ(field, s.field) << s.label;
        StoredValue after = ReadValue(User, SETTINGS_KEY_PATH, s.name);
        EXPECT_TRUE(after.present) << s.label;
        EXPECT_EQ(after.type, s.typeAfter) << s.label;
        EXPECT_EQ(after.bytes, s.bytesAfter) << s.label;
    }
}

TEST_F(SettingsStore, EditionMapsTheLanguage)
{
    for (int index = 0; index < 6; index++)
        EXPECT_EQ(MapLanguage(index), ExpectedLanguage(index)) << "index " << index;
}

TEST_F(SettingsStore, StoredLanguageStaysUntilTheNextSave)
{
    for (int stored = 0; stored < 6; stored++) {
        ForgetEverything();
        WriteDword(User, SETTINGS_KEY_PATH, VALUE_LANGUAGE, static_cast<DWORD>(stored));
        LauncherSettings settings{};
        LoadSettings(&settings);
        EXPECT_EQ(settings.language, ExpectedLanguage(stored)) << "stored " << stored;
        EXPECT_EQ(ReadDword(User, SETTINGS_KEY_PATH, VALUE_LANGUAGE), stored);
        SaveSettings(&settings);
        EXPECT_EQ(ReadDword(User, SETTINGS_KEY_PATH, VALUE_LANGUAGE), ExpectedLanguage(stored));
    }
}

TEST_F(SettingsStore, SaveWritesAllEightValuesWithTheEditionsMisc)
{
    LauncherSettings settings{3, 0, 1, 0, 1, 1};
    InstalledDrive = 'E';
    SaveSettings(&settings);

    struct {
        const char* name;
        long long value;
    } stored[] = {
        {VALUE_LANGUAGE, 3},
        {VALUE_SOUND, 0},
        {VALUE_SPEECH, 1},
        {VALUE_CINEMATICS, 0},
        {VALUE_ACTIONPAN, 1},
        {VALUE_FULLSCREEN, 1},
        {VALUE_MISC, ThisEdition == Edition::English ? 1 : 0},
    };
    for (const auto& s : stored)
        EXPECT_EQ(ReadDword(User, SETTINGS_KEY_PATH, s.name), s.value) << s.name;
    StoredValue drive = ReadValue(User, SETTINGS_KEY_PATH, VALUE_INSTALLDRIVE);
    EXPECT_EQ(drive.type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(drive.bytes, "E");

    StoredValue name = ReadValue(HKEY_LOCAL_MACHINE, UNINSTALL_ENTRY_PATH, VALUE_DISPLAYNAME);
    EXPECT_EQ(name.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(name.bytes, std::string("Quorix for Windows '95", 23));
}

// A save writes the drive that holds the install tree: the letter stored when
// the settings were loaded, whatever drive the install dialog shows; "C" for
// anything that is not one letter "A" to "Z". Loading leaves the value as it is.
TEST_F(SettingsStore, SaveKeepsTheStoredInstallDrive)
{
    const struct {
        const char* label;
        bool present;
        std::string stored;
        const char* saved;
    } cases[] = {
        {"absent", false, "", "C"},
        {"E", true, "E", "E"},
        {"Z", true, "Z", "Z"},
        {"two bytes", true, "EF", "C"},
        {"empty", true, "", "C"},
        {"lower-case e", true, "e", "C"},
    };
    for (const auto& c : cases) {
        ForgetEverything();
        if (c.present)
            WriteValue(User,
                       SETTINGS_KEY_PATH,
                       VALUE_INSTALLDRIVE,
                       REG_BINARY,
                       c.stored.data(),
                       static_cast<DWORD>(c.stored.size()));
        // The install dialog's drive, picked and then cancelled, stays out of it.
        InstallDrive = 'F';
        LauncherSettings settings;
        LoadSettings(&settings);
        StoredValue loaded = ReadValue(User, SETTINGS_KEY_PATH, VALUE_INSTALLDRIVE);
        EXPECT_EQ(loaded.present, c.present) << c.label;
        EXPECT_EQ(loaded.bytes, c.stored) << c.label;

        SaveSettings(&settings);
        StoredValue saved = ReadValue(User, SETTINGS_KEY_PATH, VALUE_INSTALLDRIVE);
        EXPECT_EQ(saved.type, static_cast<DWORD>(REG_BINARY)) << c.label;
        EXPECT_EQ(saved.bytes, c.saved) << c.label;
    }
}
