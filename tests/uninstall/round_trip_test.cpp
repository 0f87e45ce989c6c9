// The round trip with the platform's own clients: a Full install through the
// launcher's own dialogs, then Wine's list of installed programs runs the
// stored command, the question is answered with OK, and afterwards the tree,
// the keys and the list entry are gone.
#include "uninstall_fixture.h"

// A CD with a few files in every directory a Full install reads, and one in a
// zone that the install does not take.
static void LayOutCdData(const drv::ScratchCd& cd)
{
    const char* const files[] = {
        "GAMEGFX\\INTRO.SMK",
        "GAMEGFX\\TITLE.PCX",
        "EDITOR\\ZONEA\\MI01.DAT",
        "EDITOR\\ZONEB\\MI02.DAT",
        "EDITOR\\ZONEC\\MI03.DAT",
        "EDITOR\\ZONED\\MI04.DAT",
        "EDITOR\\ZONEE\\MI05.DAT",
        "EDITOR\\ZONEF\\MI06.DAT",
        "EDITOR\\ZONEF\\README.TXT",
        "SOUND\\MIDI\\THEME.MID",
        "SOUND\\SFX\\BOOM.WAV",
        "SOUND\\SPEECH\\HELLO.WAV",
    };
    std::string block(4096, 'q');
    for (const char* file : files) {
        std::string path = cd.Path(file);
        drv::MakeDirs(path.substr(0, path.find_last_of('\\')));
        HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written;
        WriteFile(h, block.data(), static_cast<DWORD>(block.size()), &written, nullptr);
        CloseHandle(h);
    }
}

namespace {

struct TripCase {
    const char* name;
    const char* folder; // the CD folder, under the test's scratch folder
    // Between install and removal, another run picks drive C in the install
    // dialog, cancels it and turns Sound off: its save must keep the drive.
    bool laterRun;
};

} // namespace

const TripCase Trips[] = {
    {"PlainFolder", "cd", false},
    {"FolderWithBlank", "game cd\\QUORIX CD", false},
    {"LaterRunSavesTheInstallDrive", "cd", true},
};

// Picks drive C in the install dialog and cancels it, then turns Sound off.
static void PickCancelAndTurnSoundOff(drv::Launcher& launcher)
{
    HWND dialog = launcher.OpenInstallDialog();
    ASSERT_NE(dialog, nullptr);
    DWORD_PTR ignored;
    ASSERT_TRUE(IsWindowEnabled(GetDlgItem(dialog, drv::InstallDriveC)));
    SendMessageTimeoutA(dialog, WM_COMMAND, drv::InstallDriveC, 0, SMTO_NORMAL, 10000, &ignored);
    SendMessageTimeoutA(dialog, WM_COMMAND, drv::InstallCancel, 0, SMTO_NORMAL, 10000, &ignored);
    for (DWORD start = GetTickCount(); IsWindow(dialog) && GetTickCount() - start < 10000;)
        Sleep(20);
    ASSERT_FALSE(IsWindow(dialog));
    ASSERT_EQ(launcher.Check(drv::MainSound), BST_CHECKED);
    ASSERT_TRUE(launcher.Click(drv::MainSound));
    ASSERT_EQ(launcher.Check(drv::MainSound), BST_UNCHECKED);
}

namespace {

class RoundTrip : public UninstallTest, public testing::WithParamInterface<TripCase> {};

} // namespace

TEST_P(RoundTrip, InstallThenWineListRemovesTheProgram)
{
    ASSERT_TRUE(uninst::DriveMapped()) << "drive " << uninst::Drive() << " is not mapped";
    drv::ScratchCd cd(drv::Join(scratch, GetParam().folder), "english");
    LayOutCdData(cd);

    // Install button, the tests' drive, Full; the install stores the drive
    // once the copy is over.
    ASSERT_TRUE(launcher.Open(cd.Path("QUORIX.EXE"), cd.root));
    HWND dialog = launcher.OpenInstallDialog();
    ASSERT_NE(dialog, nullptr);
    int driveButton = drv::InstallDrive(uninst::Drive()[0]);
    ASSERT_TRUE(IsWindowEnabled(GetDlgItem(dialog, driveButton)));
    DWORD_PTR ignored;
    SendMessageTimeoutA(dialog, WM_COMMAND, driveButton, 0, SMTO_NORMAL, 10000, &ignored);
    ASSERT_TRUE(IsWindowEnabled(GetDlgItem(dialog, drv::InstallFull)));
    PostMessageA(dialog, WM_COMMAND, drv::InstallFull, 0);
    std::vector<BYTE> stored = uninst::WaitForStoredDrive(launcher.pid());
    ASSERT_EQ(stored, std::vector<BYTE>{static_cast<BYTE>(uninst::Drive()[0])});
    ASSERT_TRUE(launcher.SysClose());
    ASSERT_TRUE(launcher.WaitForExit(30000, nullptr));
    if (GetParam().laterRun) {
        drv::Launcher later;
        ASSERT_TRUE(later.Open(cd.Path("QUORIX.EXE"), cd.root));
        PickCancelAndTurnSoundOff(later);
        EXPECT_EQ(drv::ReadValue(HKEY_CURRENT_USER, drv::SettingsKey, "SOUND").Dword(), 0u);
        EXPECT_EQ(drv::ReadValue(HKEY_CURRENT_USER, drv::SettingsKey, "INSTALLDRIVE").data, stored);
        ASSERT_TRUE(later.SysClose());
        ASSERT_TRUE(later.WaitForExit(30000, nullptr));
    }
    std::string root = uninst::InstallRoot(uninst::Drive());
    ASSERT_TRUE(drv::FileExists(root + "SOUND\\SPEECH\\HELLO.WAV"))
        << testing::PrintToString(uninst::ListTree(uninst::Drive() + "\\"));
    ASSERT_NE(drv::RunWineUninstaller(scratch, "--list").find("Quorix|||Quorix for Windows '95"), std::string::npos);

    DWORD questionExit = 259;
    drv::RunWineUninstaller(scratch, "--remove Quorix", [&] { uninst::AnswerQuestion(&questionExit); });
    EXPECT_EQ(questionExit, 0u);
    EXPECT_FALSE(drv::FileExists(uninst::Drive() + "\\TALVEX"))
        << testing::PrintToString(uninst::ListTree(uninst::Drive() + "\\"));
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
        EXPECT_FALSE(drv::KeyExists(root, "Software\\Talvex"));
    EXPECT_FALSE(drv::KeyExists(HKEY_LOCAL_MACHINE, drv::UninstallKey));
    std::string list = drv::RunWineUninstaller(scratch, "--list");
    EXPECT_EQ(list.find("Quorix|||"), std::string::npos) << list;
}

INSTANTIATE_TEST_SUITE_P(, RoundTrip, testing::ValuesIn(Trips), CaseName());
