// Whole installs through the real QUORIX.EXE, driven as a user would: the
// Install button, a drive, a level, the progress window, then the install
// tree compared byte for byte with the CD folder and INSTALLDRIVE read back.
#include "fixture.h"

#include <filesystem>
#include <fstream>
#include <map>

namespace fs = std::filesystem;

namespace {

const char* const InstallCaption = "Quorix for Windows 95 Install";
const char* const ProgressCaption = "Quorix for Windows 95 Install Progress";

void WriteData(const std::string& path, size_t size, char seed)
{
    fs::create_directories(fs::path(path).parent_path());
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; i++)
        bytes[i] = static_cast<char>(seed + i * 13 + i / 509);
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(size));
}

std::string ReadWhole(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::map<std::string, std::string> FilesUnder(const std::string& root)
{
    std::map<std::string, std::string> files;
    if (fs::exists(root))
        for (const auto& entry : fs::recursive_directory_iterator(root))
            if (entry.is_regular_file())
                files[fs::relative(entry.path(), root).string()] = ReadWhole(entry.path());
    return files;
}

HWND WaitForDialog(DWORD pid, const char* caption, DWORD timeoutMs = 15000)
{
    for (DWORD waited = 0; waited < timeoutMs; waited += 10) {
        HWND window = drv::FindDialog(pid, caption);
        if (window != nullptr && IsWindowVisible(window))
            return window;
        Sleep(10);
    }
    return nullptr;
}

bool WaitUntilGone(HWND window, DWORD timeoutMs = 120000)
{
    for (DWORD waited = 0; waited < timeoutMs; waited += 10) {
        if (!IsWindow(window) || !IsWindowVisible(window))
            return true;
        Sleep(10);
    }
    return false;
}

std::string ItemText(HWND dialog, int id)
{
    char text[256] = "";
    GetWindowTextA(GetDlgItem(dialog, id), text, sizeof text);
    return text;
}

void Post(HWND window, int command) { PostMessageA(window, WM_COMMAND, command, 0); }

// A file or folder of the tests' work area, which drives.sh prepares.
std::string DriveOfWork(const char* name)
{
    std::string path = std::string("Z:") + QUORIX_INSTALL_WORK + "/" + name;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

class Install : public DriverTest {
protected:
    // The CD folder with the real QUORIX.EXE and the data of the test.
    void LayOut(const std::map<std::string, size_t>& files)
    {
        cd = std::make_unique<drv::ScratchCd>(drv::Join(scratch, "cd"), "english");
        char seed = 1;
        for (const auto& [name, size] : files)
            WriteData(cd->Path(name), size, seed++);
    }
    // Install files, the drive's button, the level: the progress window.
    HWND StartInstall(int driveButton, int level)
    {
        EXPECT_TRUE(launcher.Open(cd->Path("QUORIX.EXE"), cd->root));
        Post(launcher.window(), 205);
        installDialog = WaitForDialog(launcher.pid(), InstallCaption);
        EXPECT_NE(installDialog, nullptr);
        if (installDialog == nullptr)
            return nullptr;
        DWORD_PTR ignored;
        SendMessageTimeoutA(installDialog, WM_COMMAND, driveButton, 0, SMTO_NORMAL, 10000, &ignored);
        freeSpaceLine = ItemText(installDialog, 1002);
        levelEnabled = IsWindowEnabled(GetDlgItem(installDialog, level)) != FALSE;
        if (!levelEnabled)
            return nullptr;
        Post(installDialog, level);
        return WaitForDialog(launcher.pid(), ProgressCaption);
    }
    std::string CdRoot() const { return cd->root; }
    std::unique_ptr<drv::ScratchCd> cd;
    HWND installDialog = nullptr;
    std::string freeSpaceLine;
    bool levelEnabled = false;
};

const std::map<std::string, size_t> Data = {
    {"GAMEGFX\\INTRO.SMK", 6000000}, {"GAMEGFX\\PALETTE.PAL", 70000},   {"GAMEGFX\\OLD\\X.SMK", 100},
    {"EDITOR\\ZONEB\\MIX.DAT", 900000}, {"EDITOR\\ZONEB\\README.TXT", 10}, {"SOUND\\SFX\\BOOM.WAV", 3000000},
    {"SOUND\\SPEECH\\HI.WAV", 65536},
};

TEST_F(Install, FullLevelOnAnotherDriveCopiesTheTreeByteForByte)
{
    LayOut(Data);
    std::string driveI = DriveOfWork("drive-i");
    drv::RemoveTree(drv::Join(driveI, "TALVEX"));
    HWND progress = StartInstall(1010 + ('I' - 'C'), 1005);
    ASSERT_NE(progress, nullptr) << freeSpaceLine;
    EXPECT_EQ(freeSpaceLine, "Free space on drive I: 2047Mb");
    // The status text names the files as they go.
    std::string status;
    for (int i = 0; i < 2000 && status.rfind("Copying ", 0) != 0 && IsWindow(progress); i++) {
        status = ItemText(progress, 1200);
        Sleep(1);
    }
    EXPECT_NE(status.find("\n to I:\\TALVEX\\QUORIX\\"), std::string::npos) << status;
    ASSERT_TRUE(WaitUntilGone(progress));
    EXPECT_EQ(drv::FindDialog(launcher.pid(), "Quorix for Windows 95 Install"), nullptr) << "no message";

    std::map<std::string, std::string> expected;
    for (const char* name : {"GAMEGFX\\INTRO.SMK", "GAMEGFX\\PALETTE.PAL", "EDITOR\\ZONEB\\MIX.DAT",
                             "SOUND\\SFX\\BOOM.WAV", "SOUND\\SPEECH\\HI.WAV"})
        expected[name] = ReadWhole(cd->Path(name));
    std::map<std::string, std::string> installed = FilesUnder(drv::Join(driveI, "TALVEX\\QUORIX"));
    EXPECT_TRUE(installed == expected) << installed.size() << " files installed";
    for (const char* dir : {"EDITOR\\ZONEA", "EDITOR\\ZONEF", "SOUND\\MIDI"})
        EXPECT_TRUE(fs::is_directory(drv::Join(driveI, std::string("TALVEX\\QUORIX\\") + dir))) << dir;
    drv::Value drive = drv::ReadValue(HKEY_CURRENT_USER, drv::kSettingsKey, "INSTALLDRIVE");
    EXPECT_EQ(drive.data, std::vector<BYTE>{'I'});
    EXPECT_TRUE(launcher.Running());
    drv::RemoveTree(drv::Join(driveI, "TALVEX"));
}

TEST_F(Install, CancelInTheProgressWindowLeavesOnlyWholeFiles)
{
    std::map<std::string, size_t> data;
    for (char c = 'A'; c <= 'H'; c++)
        data[std::string("GAMEGFX\\PART") + c + ".SMK"] = 8000000;
    LayOut(data);
    std::string driveI = DriveOfWork("drive-i");
    drv::RemoveTree(drv::Join(driveI, "TALVEX"));
    HWND progress = StartInstall(1010 + ('I' - 'C'), 1003);
    ASSERT_NE(progress, nullptr);
    // Into the second file, then Cancel.
    std::string first, status;
    for (int i = 0; i < 20000 && IsWindow(progress); i++) {
        status = ItemText(progress, 1200);
        if (first.empty() && status.rfind("Copying ", 0) == 0)
            first = status;
        if (!first.empty() && status != first)
            break;
        Sleep(1);
    }
    ASSERT_NE(status, first) << "the copy ended before a second file";
    DWORD_PTR ignored;
    SendMessageTimeoutA(GetDlgItem(progress, 1201), BM_CLICK, 0, 0, SMTO_NORMAL, 10000, &ignored);
    EXPECT_TRUE(WaitUntilGone(progress, 2000));
    // The main dialog answers again once the install is over.
    EXPECT_TRUE(SendMessageTimeoutA(launcher.window(), WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored));

    std::map<std::string, std::string> installed = FilesUnder(drv::Join(driveI, "TALVEX\\QUORIX"));
    EXPECT_GE(installed.size(), 1u);
    EXPECT_LT(installed.size(), data.size());
    for (const auto& [name, bytes] : installed)
        EXPECT_TRUE(bytes == ReadWhole(cd->Path(name))) << name << " is not whole";
    drv::Value drive = drv::ReadValue(HKEY_CURRENT_USER, drv::kSettingsKey, "INSTALLDRIVE");
    EXPECT_EQ(drive.data, std::vector<BYTE>{'I'});
    drv::RemoveTree(drv::Join(driveI, "TALVEX"));
}

// R: is a 46 MiB filesystem of its own: the free-space line shows its real
// figure, and a level bigger than it fills it during the copy.
TEST_F(Install, FullDiskStopsTheCopyAndSaysWhichFile)
{
    if (drv::FileExists(DriveOfWork("no-small-drive")))
        GTEST_SKIP() << "no small drive: the tests could not mount a tmpfs (they must run as root)";
    std::map<std::string, size_t> data;
    for (char c = 'A'; c <= 'F'; c++)
        data[std::string("GAMEGFX\\PART") + c + ".SMK"] = 10000000;
    LayOut(data);
    HWND progress = StartInstall(1010 + ('R' - 'C'), 1003);
    EXPECT_EQ(freeSpaceLine, "Free space on drive R: 46Mb");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(installDialog, 1004)));
    ASSERT_NE(progress, nullptr);
    ASSERT_TRUE(WaitUntilGone(progress));
    HWND message = nullptr;
    for (int i = 0; i < 1000 && message == nullptr; i++, Sleep(10))
        message = drv::FindDialog(launcher.pid(), InstallCaption);
    ASSERT_NE(message, nullptr) << "no message about the file";
    std::string text;
    for (HWND child = GetWindow(message, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char part[512];
        GetWindowTextA(child, part, sizeof part);
        text += part;
    }
    EXPECT_NE(text.find("GAMEGFX\\PART"), std::string::npos) << text;
    EXPECT_NE(text.find("R:\\TALVEX\\QUORIX\\GAMEGFX\\PART"), std::string::npos) << text;
    PostMessageA(message, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntilGone(message, 5000));

    std::map<std::string, std::string> installed = FilesUnder("R:\\TALVEX\\QUORIX");
    EXPECT_GE(installed.size(), 1u);
    EXPECT_LT(installed.size(), data.size());
    for (const auto& [name, bytes] : installed)
        EXPECT_TRUE(bytes == ReadWhole(cd->Path(name))) << name << " is truncated";
    drv::Value drive = drv::ReadValue(HKEY_CURRENT_USER, drv::kSettingsKey, "INSTALLDRIVE");
    EXPECT_EQ(drive.data, std::vector<BYTE>{'R'});
    drv::RemoveTree("R:\\TALVEX");
}

} // namespace
