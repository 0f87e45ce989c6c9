// The launcher as a user meets it: started from D:\ of a real CD, an ISO 9660
// image mounted read-only as the prefix's CD-ROM drive (cd_image.sh). A Full
// install copies it to the tests' drive, every copy writable although every
// source is read-only; the uninstall entry names the CD's program; and Wine's
// list of installed programs runs it from the CD and removes the tree.
#include "uninstall_fixture.h"

#include <fstream>
#include <iterator>

static std::string ReadWhole(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The work folder's file of that name, as a Windows path.
static std::string WorkFile(const char* name)
{
    return drv::FromUnix(std::string(QUORIX_UNINSTALL_WORK) + "/" + name);
}

namespace {

class CdImage : public UninstallTest {
protected:
    void SetUp() override
    {
        UninstallTest::SetUp();
        std::string why = ReadWhole(WorkFile("no-cd-image"));
        if (!why.empty())
            GTEST_SKIP() << "no CD image: " << why;
    }
};

} // namespace

TEST_F(CdImage, FullInstallFromTheCdThenWineListRemovesIt)
{
    ASSERT_TRUE(uninst::DriveMapped()) << "drive " << uninst::Drive() << " is not mapped";
    ASSERT_EQ(GetDriveTypeA("D:\\"), static_cast<UINT>(DRIVE_CDROM));
    ASSERT_TRUE(launcher.Open("D:\\QUORIX.EXE", "D:\\"));
    HWND dialog = launcher.OpenInstallDialog();
    ASSERT_NE(dialog, nullptr);
    // A CD has no free space: its own drive cannot be picked.
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, drv::InstallDrive('D'))));
    int driveButton = drv::InstallDrive(uninst::Drive()[0]);
    ASSERT_TRUE(IsWindowEnabled(GetDlgItem(dialog, driveButton)));
    DWORD_PTR ignored;
    SendMessageTimeoutA(dialog, WM_COMMAND, driveButton, 0, SMTO_NORMAL, 10000, &ignored);
    PostMessageA(dialog, WM_COMMAND, drv::InstallFull, 0);
    std::vector<BYTE> stored = uninst::WaitForStoredDrive(launcher.pid());
    ASSERT_EQ(stored, std::vector<BYTE>{static_cast<BYTE>(uninst::Drive()[0])});
    EXPECT_EQ(drv::ReadValue(HKEY_LOCAL_MACHINE, drv::UninstallKey, "UninstallString").String(),
              "D:\\QUORIX.EXE -uninstall");
    ASSERT_TRUE(launcher.SysClose());
    ASSERT_TRUE(launcher.WaitForExit(30000, nullptr));

    // The Full level's files, long names and all, byte for byte and writable;
    // the file that no pattern takes stays on the CD.
    std::string root = uninst::InstallRoot(uninst::Drive());
    std::set<std::string> files;
    for (const std::string& entry : uninst::ListTree(root))
        if (entry.back() != '\\')
            files.insert(entry);
    const std::set<std::string> expected = {
        "GAMEGFX\\INTRO.SMK",
        "GAMEGFX\\Long File Name.dat",
        "GAMEGFX\\palette.pal",
        "EDITOR\\ZONEA\\MI01.DAT",
        "EDITOR\\ZONEB\\MISSIONDATA.DAT",
        "EDITOR\\ZONEC\\MI03.DAT",
        "EDITOR\\ZONED\\MI04.DAT",
        "EDITOR\\ZONEE\\MI05.DAT",
        "EDITOR\\ZONEF\\MI06.DAT",
        "SOUND\\MIDI\\THEME.MID",
        "SOUND\\SFX\\BOOM.WAV",
        "SOUND\\SPEECH\\HELLO.WAV",
    };
    EXPECT_EQ(files, expected);
    for (const std::string& file : expected) {
        std::string source = "D:\\" + file;
        EXPECT_TRUE(GetFileAttributesA(source.c_str()) & FILE_ATTRIBUTE_READONLY) << source;
        std::string copy = root + file;
        EXPECT_FALSE(GetFileAttributesA(copy.c_str()) & FILE_ATTRIBUTE_READONLY) << copy;
        EXPECT_TRUE(ReadWhole(copy) == ReadWhole(source)) << file;
    }

    // Read-only copies would stay behind here.
    DWORD questionExit = 259;
    drv::RunWineUninstaller(scratch, "--remove Quorix", [&] { uninst::AnswerQuestion(&questionExit); });
    EXPECT_EQ(questionExit, 0u);
    EXPECT_FALSE(drv::FileExists(uninst::Drive() + "\\TALVEX"))
        << testing::PrintToString(uninst::ListTree(uninst::Drive() + "\\"));
    EXPECT_FALSE(drv::KeyExists(HKEY_LOCAL_MACHINE, drv::UninstallKey));
}
