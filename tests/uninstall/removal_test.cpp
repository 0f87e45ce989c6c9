// What OK removes: the install tree on the stored drive and the directories
// above it, the product's keys under both roots, each maker key left without
// subkeys, and the uninstall entry; and what it must leave.
#include "uninstall_fixture.h"

#include <set>

using uninst::Answer;
using uninst::Drive;

const char UserProductKey[] = "Software\\Talvex\\Quorix";
const char MakerKeyPath[] = "Software\\Talvex";

// The product's keys and the entry are gone under both roots.
static void ExpectProductKeysGone()
{
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        const char* rootName = root == HKEY_CURRENT_USER ? "HKCU" : "HKLM";
        EXPECT_FALSE(drv::KeyExists(root, drv::SettingsKey)) << rootName;
        EXPECT_FALSE(drv::KeyExists(root, UserProductKey)) << rootName;
    }
    EXPECT_FALSE(drv::KeyExists(HKEY_LOCAL_MACHINE, drv::UninstallKey));
}

static std::set<std::string> UnderTalvex(const std::string& drive)
{
    return uninst::ListTree(drive + "\\TALVEX");
}

namespace {

// INSTALLDRIVE names the tree that goes; a value that is not one upper-case
// letter means C. The other drive's tree stays as it was.
struct DriveCase {
    const char* name;
    const char* stored; // the bytes of INSTALLDRIVE, or "(absent)"
    bool ownDrive;      // true: the tests' drive is removed, else C
};

} // namespace

const DriveCase DriveCases[] = {
    {"UpperCaseLetter", "U", true},
    {"Absent", "(absent)", false},
    {"TwoBytes", "UU", false},
    {"LowerCaseLetter", "u", false},
    {"Empty", "", false},
};

namespace {

class StoredDrive : public UninstallTest, public testing::WithParamInterface<DriveCase> {};

} // namespace

TEST_P(StoredDrive, RemovesTheTreeOfThatDriveOnly)
{
    const DriveCase& c = GetParam();
    ASSERT_TRUE(uninst::DriveMapped()) << "drive " << Drive() << " is not mapped";
    uninst::MakeFullInstall(Drive());
    uninst::MakeFullInstall("C:");
    uninst::FillRegistry(c.stored);
    std::string removed = c.ownDrive ? Drive() : "C:";
    std::string kept = c.ownDrive ? "C:" : Drive();
    std::set<std::string> keptBefore = UnderTalvex(kept);

    ASSERT_TRUE(RunUninstall(Answer::Ok));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_FALSE(drv::FileExists(removed + "\\TALVEX")) << testing::PrintToString(UnderTalvex(removed));
    EXPECT_EQ(UnderTalvex(kept), keptBefore);
    ExpectProductKeysGone();
    EXPECT_FALSE(drv::KeyExists(HKEY_CURRENT_USER, MakerKeyPath));
    EXPECT_FALSE(drv::KeyExists(HKEY_LOCAL_MACHINE, MakerKeyPath));
}

INSTANTIATE_TEST_SUITE_P(, StoredDrive, testing::ValuesIn(DriveCases), CaseName());

namespace {

// One extra file beside a Full install: what stays is that file and the
// directories above it, nothing else. The install root on the tests' drive
// is 17 characters; a found name goes only when root + directory + name fits
// 127 characters and the terminator.
struct LeftoverCase {
    const char* name;
    std::string file; // relative to the install root
    DWORD attributes;
    bool stays;
};

} // namespace

static std::string LongName(const std::string& directory, size_t pathLength)
{
    size_t used = uninst::InstallRoot("U:").size() + directory.size();
    return directory + std::string(pathLength - used - 4, 'n') + ".DAT";
}

const LeftoverCase Leftovers[] = {
    {"FileInInstallRoot", "README.TXT", FILE_ATTRIBUTE_NORMAL, true},
    {"SubdirectoryInListedDirectory", "GAMEGFX\\SAVES\\GAME1.SAV", FILE_ATTRIBUTE_NORMAL, true},
    {"ReadOnlyFile", "SOUND\\SFX\\LOCKED.WAV", FILE_ATTRIBUTE_READONLY, true},
    {"HiddenSystemFile", "EDITOR\\ZONEC\\MI99.DAT", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, false},
    {"FileInUnfilledZoneG", "EDITOR\\ZONEG\\MI07.DAT", FILE_ATTRIBUTE_NORMAL, false},
    {"NameFillsBuffer", LongName("GAMEGFX\\", 127), FILE_ATTRIBUTE_NORMAL, false},
    {"NameOneOverBuffer", LongName("GAMEGFX\\", 128), FILE_ATTRIBUTE_NORMAL, true},
    {"DeepNameFillsBuffer", LongName("SOUND\\SPEECH\\", 127), FILE_ATTRIBUTE_NORMAL, false},
    {"DeepNameOneOverBuffer", LongName("SOUND\\SPEECH\\", 128), FILE_ATTRIBUTE_NORMAL, true},
    {"NameFarOverBuffer", LongName("EDITOR\\ZONEF\\", 250), FILE_ATTRIBUTE_NORMAL, true},
};

namespace {

class Leftover : public UninstallTest, public testing::WithParamInterface<LeftoverCase> {};

} // namespace

TEST_P(Leftover, StaysWithTheDirectoriesAboveIt)
{
    const LeftoverCase& c = GetParam();
    ASSERT_TRUE(uninst::DriveMapped()) << "drive " << Drive() << " is not mapped";
    std::string root = uninst::MakeFullInstall(Drive());
    uninst::MakeFile(root + c.file);
    ASSERT_TRUE(drv::FileExists(root + c.file));
    SetFileAttributesA((root + c.file).c_str(), c.attributes);
    uninst::FillRegistry("U");

    ASSERT_TRUE(RunUninstall(Answer::Ok));
    EXPECT_EQ(exitCode, 0u);

    std::set<std::string> expected;
    if (c.stays) {
        std::string path = "TALVEX\\QUORIX\\" + c.file;
        for (size_t i = path.find('\\'); i != std::string::npos; i = path.find('\\', i + 1))
            expected.insert(path.substr(0, i + 1));
        expected.insert(path);
    }
    EXPECT_EQ(uninst::ListTree(Drive() + "\\"), expected);
    // The files still go on to the registry.
    ExpectProductKeysGone();
}

INSTANTIATE_TEST_SUITE_P(, Leftover, testing::ValuesIn(Leftovers), CaseName());

namespace {

// A maker key goes only when no subkey is left in it; values do not count.
// Each root is judged on its own.
struct MakerCase {
    const char* name;
    HKEY root;
    bool otherProduct; // a subkey beside the product key, else a value only
};

} // namespace

const MakerCase MakerCases[] = {
    {"OtherProductForUser", HKEY_CURRENT_USER, true},
    {"OtherProductForMachine", HKEY_LOCAL_MACHINE, true},
    {"ValueOnlyForUser", HKEY_CURRENT_USER, false},
    {"ValueOnlyForMachine", HKEY_LOCAL_MACHINE, false},
};

namespace {

class MakerKey : public UninstallTest, public testing::WithParamInterface<MakerCase> {};

} // namespace

TEST_P(MakerKey, StaysOnlyWithAnotherSubkey)
{
    const MakerCase& c = GetParam();
    uninst::FillRegistry("U");
    // Under HKLM only the machine key exists so far; the product keys must go
    // there too.
    if (c.otherProduct)
        drv::WriteDword(c.root, "Software\\Talvex\\Vektor\\2.10", "LANGUAGE", 3);
    else
        drv::WriteString(c.root, MakerKeyPath, "Publisher", "Talvex");
    HKEY otherRoot = c.root == HKEY_CURRENT_USER ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;

    ASSERT_TRUE(RunUninstall(Answer::Ok));
    EXPECT_EQ(exitCode, 0u);
    ExpectProductKeysGone();
    EXPECT_EQ(drv::KeyExists(c.root, MakerKeyPath), c.otherProduct);
    if (c.otherProduct) {
        EXPECT_EQ(drv::ReadValue(c.root, "Software\\Talvex\\Vektor\\2.10", "LANGUAGE").Dword(), 3u);
    }
    EXPECT_FALSE(drv::KeyExists(otherRoot, MakerKeyPath));
}

INSTANTIATE_TEST_SUITE_P(, MakerKey, testing::ValuesIn(MakerCases), CaseName());

namespace {

// Nothing on any disk: the file steps fail without a word, and the registry
// steps still run. With an empty registry the settings key that reading the
// drive creates goes again.
struct NothingCase {
    const char* name;
    bool registryFilled;
};

} // namespace

const NothingCase NothingCases[] = {
    {"KeysAndEntryPresent", true},
    {"EmptyRegistry", false},
};

namespace {

class NothingInstalled : public UninstallTest, public testing::WithParamInterface<NothingCase> {};

} // namespace

TEST_P(NothingInstalled, StillRemovesTheKeys)
{
    if (GetParam().registryFilled)
        uninst::FillRegistry("U");

    ASSERT_TRUE(RunUninstall(Answer::Ok));
    EXPECT_EQ(exitCode, 0u);
    ExpectProductKeysGone();
    EXPECT_FALSE(drv::KeyExists(HKEY_CURRENT_USER, MakerKeyPath));
    EXPECT_FALSE(drv::KeyExists(HKEY_LOCAL_MACHINE, MakerKeyPath));
    EXPECT_FALSE(drv::FileExists("C:\\TALVEX"));
}

INSTANTIATE_TEST_SUITE_P(, NothingInstalled, testing::ValuesIn(NothingCases), CaseName());
