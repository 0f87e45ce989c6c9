// Whole installs through the real QUORIX.EXE, driven as a user would: the
// Install button, a drive, a level, the progress window, then the install
// tree compared byte for byte with the CD folder and INSTALLDRIVE read back.
#include "fixture.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

static const char* const InstallCaption = "Quorix for Windows 95 Install";
static const char* const ProgressCaption = "Quorix for Windows 95 Install Progress";
static const char* const StoppedCaption = "Quorix for Windows 95 Install Stopped";

static void WriteData(const std::string& path, size_t size, char seed)
{
    fs::create_directories(fs::path(path).parent_path());
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; i++)
        bytes[i] = static_cast<char>(seed + i * 13 + i / 509);
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(size));
}

static std::string ReadWhole(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

static std::map<std::string, std::string> FilesUnder(const std::string& root)
{
    std::map<std::string, std::string> files;
    if (fs::exists(root))
        for (const auto& entry : fs::recursive_directory_iterator(root))
            if (entry.is_regular_file())
                files[fs::relative(entry.path(), root).string()] = ReadWhole(entry.path());
    return files;
}

static bool WaitUntilGone(HWND window, DWORD timeoutMs = 120000)
{
    for (DWORD waited = 0; waited < timeoutMs; waited += 10) {
        if (!IsWindow(window) || !IsWindowVisible(window))
            return true;
        Sleep(10);
    }
    return false;
}

static std::string ItemText(HWND dialog, int id)
{
    char text[256] = "";
    GetWindowTextA(GetDlgItem(dialog, id), text, sizeof text);
    return text;
}

// INSTALLDRIVE once the install has stored it. The main dialog may answer a
// message before that: its thread still takes messages while it ends the
// progress window, which a cancel may have closed a moment before.
static std::vector<BYTE> StoredDrive()
{
    drv::Value drive;
    for (int i = 0; i < 500 && !drive.present; i++, Sleep(10))
        drive = drv::ReadValue(HKEY_CURRENT_USER, drv::SettingsKey, "INSTALLDRIVE");
    return drive.data;
}

static void Post(HWND window, int command)
{
    PostMessageA(window, WM_COMMAND, command, 0);
}

// The copy-failure message of process pid once it shows, answered with OK:
// its text, and the texts of its buttons after "|" ("text|OK|" for one OK
// button). Empty when none came.
static std::string AnswerCopyFailure(DWORD pid)
{
    HWND message = drv::WaitForDialog(pid, StoppedCaption, 10000);
    if (message == nullptr)
        return "";
    std::string text, buttons;
    for (HWND child = GetWindow(message, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char part[1024] = "", type[32] = "";
        GetWindowTextA(child, part, sizeof part);
        GetClassNameA(child, type, sizeof type);
        if (lstrcmpiA(type, "Button") == 0)
            buttons += std::string(part) + "|";
        else if (part[0] != '\0')
            text += part;
    }
    PostMessageA(message, WM_COMMAND, IDOK, 0);
    WaitUntilGone(message, 5000);
    return text + "|" + buttons;
}

// The file a copy-failure text names.
static std::string NamedFile(const std::string& text)
{
    size_t at = text.find("File: ");
    if (at == std::string::npos)
        return "";
    at += 6;
    return text.substr(at, text.find('\n', at) - at);
}

// The message's text for a file, its destination and the system's reason.
static std::string CopyFailureText(const std::string& file, const std::string& to, const std::string& reason)
{
    return "The install stopped because a file could not be copied.\n\nFile: " + file + "\nTo: " + to +
           "\nReason: " + reason + "\n\nThe files copied before it were kept.";
}

// A file or folder of the tests' work area, which drives.sh prepares.
static std::string DriveOfWork(const char* name)
{
    return drv::FromUnix(std::string(QUORIX_INSTALL_WORK) + "/" + name);
}

// Processor time that the Unix process of a Wine program has used, in
// milliseconds, or -1 when it is not found. Wine gives no times of other
// processes; /proc does, and shows the program's Windows path as its name.
static long UnixProcessorMilliseconds(const std::string& programPath)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE)
        return -1;
    long result = -1;
    do {
        std::string pid = found.cFileName;
        if (pid.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::string name = ReadWhole("Z:\\proc\\" + pid + "\\cmdline");
        name = name.substr(0, name.find('\0'));
        if (lstrcmpiA(name.c_str(), programPath.c_str()) != 0)
            continue;
        // The fields after the name in parentheses: utime and stime are the
        // 12th and 13th, in ticks of 10 ms.
        std::string stat = ReadWhole("Z:\\proc\\" + pid + "\\stat");
        std::istringstream fields(stat.substr(stat.rfind(')') + 1));
        std::string field;
        long ticks = 0;
        for (int i = 1; i <= 13 && fields >> field; i++)
            if (i >= 12)
                ticks += std::stol(field);
        result = ticks * 10;
        break;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return result;
}

namespace {

class Install : public DriverTest {
protected:
    // The CD folder with the real QUORIX.EXE and the data of the test.
    void LayOut(const std::map<std::string, size_t>& files)
    {
        cd = std::make_unique<drv::ScratchCd>(drv::Join(scratch, "cd"), "english");
        cdRoot = cd->root;
        char seed = 1;
        for (const auto& [name, size] : files)
            WriteData(cd->Path(name), size, seed++);
    }
    // Install files, the drive's button, the level: the progress window, or
    // with waitForProgress false nothing (a window that is up for less than a
    // poll would be missed).
    HWND StartInstall(int driveButton, int level, bool waitForProgress = true)
    {
        EXPECT_TRUE(launcher.Open(drv::Join(cdRoot, "QUORIX.EXE"), cdRoot));
        Post(launcher.window(), drv::MainInstall);
        installDialog = drv::WaitForDialog(launcher.pid(), InstallCaption);
        EXPECT_NE(installDialog, nullptr);
        if (installDialog == nullptr)
            return nullptr;
        DWORD_PTR ignored;
        SendMessageTimeoutA(installDialog, WM_COMMAND, driveButton, 0, SMTO_NORMAL, 10000, &ignored);
        freeSpaceLine = ItemText(installDialog, drv::InstallFreeSpace);
        levelEnabled = IsWindowEnabled(GetDlgItem(installDialog, level)) != FALSE;
        if (!levelEnabled)
            return nullptr;
        Post(installDialog, level);
        return waitForProgress ? drv::WaitForDialog(launcher.pid(), ProgressCaption) : nullptr;
    }
    std::unique_ptr<drv::ScratchCd> cd;
    std::string cdRoot;
    HWND installDialog = nullptr;
    std::string freeSpaceLine;
    bool levelEnabled = false;
};

} // namespace

const std::map<std::string, size_t> Data = {
    {"GAMEGFX\\INTRO.SMK", 6000000},
    {"GAMEGFX\\PALETTE.PAL", 70000},
    {"GAMEGFX\\OLD\\X.SMK", 100},
    {"EDITOR\\ZONEB\\MIX.DAT", 900000},
    {"EDITOR\\ZONEB\\README.TXT", 10},
    {"SOUND\\SFX\\BOOM.WAV", 3000000},
    {"SOUND\\SPEECH\\HI.WAV", 65536},
};

TEST_F(Install, FullLevelOnAnotherDriveCopiesTheTreeByteForByte)
{
    LayOut(Data);
    std::string driveI = DriveOfWork("drive-i");
    drv::RemoveTree(drv::Join(driveI, "TALVEX"));
    HWND progress = StartInstall(drv::InstallDrive('I'), drv::InstallFull);
    ASSERT_NE(progress, nullptr) << freeSpaceLine;
    EXPECT_EQ(freeSpaceLine, "Free space on drive I: 2047Mb");
    // The status text names the files as they go.
    std::string status;
    for (int i = 0; i < 2000 && status.rfind("Copying ", 0) != 0 && IsWindow(progress); i++) {
        status = ItemText(progress, drv::ProgressStatus);
        Sleep(1);
    }
    EXPECT_NE(status.find("\n to I:\\TALVEX\\QUORIX\\"), std::string::npos) << status;
    ASSERT_TRUE(WaitUntilGone(progress));
    EXPECT_EQ(drv::FindDialog(launcher.pid(), "Quorix for Windows 95 Install"), nullptr) << "no message";

    std::map<std::string, std::string> expected;
    for (const char* name : {"GAMEGFX\\INTRO.SMK",
                             "GAMEGFX\\PALETTE.PAL",
                             "EDITOR\\ZONEB\\MIX.DAT",
                             "SOUND\\SFX\\BOOM.WAV",
                             "SOUND\\SPEECH\\HI.WAV"})
        expected[name] = ReadWhole(cd->Path(name));
    std::map<std::string, std::string> installed = FilesUnder(drv::Join(driveI, "TALVEX\\QUORIX"));
    EXPECT_TRUE(installed == expected) << installed.size() << " files installed";
    for (const char* dir : {"EDITOR\\ZONEA", "EDITOR\\ZONEF", "SOUND\\MIDI"})
        EXPECT_TRUE(fs::is_directory(drv::Join(driveI, std::string("TALVEX\\QUORIX\\") + dir))) << dir;
    EXPECT_EQ(StoredDrive(), std::vector<BYTE>{'I'});
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
    HWND progress = StartInstall(drv::InstallDrive('I'), drv::InstallMinimum);
    ASSERT_NE(progress, nullptr);
    // Into the second file, then Cancel.
    std::string first, status;
    for (int i = 0; i < 20000 && IsWindow(progress); i++) {
        status = ItemText(progress, drv::ProgressStatus);
        if (first.empty() && status.rfind("Copying ", 0) == 0)
            first = status;
        if (!first.empty() && status != first)
            break;
        Sleep(1);
    }
    ASSERT_NE(status, first) << "the copy ended before a second file";
    DWORD_PTR ignored;
    SendMessageTimeoutA(GetDlgItem(progress, drv::ProgressCancel), BM_CLICK, 0, 0, SMTO_NORMAL, 10000, &ignored);
    EXPECT_TRUE(WaitUntilGone(progress, 2000));
    // The main dialog answers again once the install is over.
    EXPECT_TRUE(SendMessageTimeoutA(launcher.window(), WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored));

    std::map<std::string, std::string> installed = FilesUnder(drv::Join(driveI, "TALVEX\\QUORIX"));
    EXPECT_GE(installed.size(), 1u);
    EXPECT_LT(installed.size(), data.size());
    for (const auto& [name, bytes] : installed)
        EXPECT_TRUE(bytes == ReadWhole(cd->Path(name))) << name << " is not whole";
    EXPECT_EQ(StoredDrive(), std::vector<BYTE>{'I'});
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
    HWND progress = StartInstall(drv::InstallDrive('R'), drv::InstallMinimum);
    EXPECT_EQ(freeSpaceLine, "Free space on drive R: 46Mb");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(installDialog, drv::InstallStandard)));
    ASSERT_NE(progress, nullptr);
    ASSERT_TRUE(WaitUntilGone(progress));
    std::string text = AnswerCopyFailure(launcher.pid());
    ASSERT_FALSE(text.empty()) << "no message about the file";

    std::map<std::string, std::string> installed = FilesUnder("R:\\TALVEX\\QUORIX");
    EXPECT_GE(installed.size(), 1u);
    EXPECT_LT(installed.size(), data.size());
    for (const auto& [name, bytes] : installed)
        EXPECT_TRUE(bytes == ReadWhole(cd->Path(name))) << name << " is truncated";
    // The file that did not fit is the one the message names, word for word.
    std::string file = NamedFile(text);
    ASSERT_EQ(file.rfind("GAMEGFX\\PART", 0), 0u) << text;
    EXPECT_EQ(installed.count(file), 0u) << file;
    EXPECT_EQ(text, CopyFailureText(file, "R:\\TALVEX\\QUORIX\\" + file, "Disk full.") + "|OK|");
    EXPECT_EQ(StoredDrive(), std::vector<BYTE>{'R'});
    drv::RemoveTree("R:\\TALVEX");
}

// A file stands where the install needs a directory: the first file there
// cannot be created, and the message gives the system's reason.
TEST_F(Install, DestinationThatCannotBeCreatedIsNamedWithTheReason)
{
    LayOut({{"GAMEGFX\\INTRO.SMK", 3000}, {"GAMEGFX\\LOGO.SMK", 2000}});
    std::string driveI = DriveOfWork("drive-i");
    drv::RemoveTree(drv::Join(driveI, "TALVEX"));
    WriteData(drv::Join(driveI, "TALVEX\\QUORIX\\GAMEGFX"), 10, 'f');
    // The copy fails at its first file: the progress window is up only briefly.
    StartInstall(drv::InstallDrive('I'), drv::InstallMinimum, false);
    ASSERT_TRUE(levelEnabled) << freeSpaceLine;
    std::string text = AnswerCopyFailure(launcher.pid());
    std::string file = NamedFile(text);
    ASSERT_EQ(file.rfind("GAMEGFX\\", 0), 0u) << text;
    EXPECT_EQ(text, CopyFailureText(file, "I:\\TALVEX\\QUORIX\\" + file, "Path not found.") + "|OK|");
    EXPECT_TRUE(fs::is_regular_file(drv::Join(driveI, "TALVEX\\QUORIX\\GAMEGFX")));
    EXPECT_EQ(StoredDrive(), std::vector<BYTE>{'I'});
    EXPECT_TRUE(launcher.Running());
    drv::RemoveTree(drv::Join(driveI, "TALVEX"));
}

// A CD file that opens but never reads: the install keeps trying the same
// chunk, waiting between tries instead of spinning, until the user cancels.
TEST_F(Install, UnreadableFileIsRetriedWithoutSpinningUntilCancel)
{
    cdRoot = DriveOfWork("unreadable-cd");
    std::string program = drv::Join(cdRoot, "QUORIX.EXE");
    drv::CopyTo(drv::EditionExe("english"), program);
    std::string driveI = DriveOfWork("drive-i");
    drv::RemoveTree(drv::Join(driveI, "TALVEX"));
    HWND progress = StartInstall(drv::InstallDrive('I'), drv::InstallMinimum);
    ASSERT_NE(progress, nullptr);
    std::string status;
    for (int i = 0; i < 500 && status.find("BAD.SMK") == std::string::npos; i++, Sleep(10))
        status = ItemText(progress, drv::ProgressStatus);
    ASSERT_NE(status.find("BAD.SMK"), std::string::npos) << status;

    long before = UnixProcessorMilliseconds(program);
    ASSERT_GE(before, 0) << "no Unix process for " << program;
    Sleep(2000);
    long used = UnixProcessorMilliseconds(program) - before;
    EXPECT_LT(used, 400) << "ms of processor time in 2 s of retries";
    EXPECT_TRUE(IsWindowVisible(progress)) << "the install gave up on the file";

    DWORD_PTR ignored;
    SendMessageTimeoutA(GetDlgItem(progress, drv::ProgressCancel), BM_CLICK, 0, 0, SMTO_NORMAL, 10000, &ignored);
    EXPECT_TRUE(WaitUntilGone(progress, 2000));
    EXPECT_TRUE(SendMessageTimeoutA(launcher.window(), WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored));
    EXPECT_TRUE(fs::is_directory(drv::Join(driveI, "TALVEX\\QUORIX\\GAMEGFX")));
    EXPECT_FALSE(drv::FileExists(drv::Join(driveI, "TALVEX\\QUORIX\\GAMEGFX\\BAD.SMK")));
    EXPECT_EQ(StoredDrive(), std::vector<BYTE>{'I'});
    launcher.SysClose();
    launcher.WaitForExit(10000, nullptr);
    DeleteFileA(program.c_str());
    drv::RemoveTree(drv::Join(driveI, "TALVEX"));
}
