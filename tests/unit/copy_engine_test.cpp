// The copy engine against real files under Wine: a scratch CD folder as the
// current directory and the install tree on C:. Whole installs run with the
// real progress window; the chunk-by-chunk cases put a window of the test's
// own in its place, which records every paint request the copy sends.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "installer/copy_engine.h"
#include "installer/install.h"
#include "installer/install_dialog.h"
#include "installer/progress_shared.h"
#include "launcher/app.h"
#include "launcher/languages.h"
#include "registry.h"
#include "resources/ids.h"
#include "runtime/text.h"
#include "settings/settings_store.h"

namespace fs = std::filesystem;

static const char* const CdRoot = "C:\\quorix-copy-test-cd";
static const char* const Root = "C:\\TALVEX\\QUORIX\\";
static const char* const SettingsPath = "Software\\Talvex\\Quorix\\1.00";

static std::string Content(size_t size, char seed)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; i++)
        bytes[i] = static_cast<char>(seed + i * 7 + i / 251);
    return bytes;
}

static void WriteFile(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

static std::string ReadWhole(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The CD: files of every kind the patterns must take or leave.
const std::map<std::string, size_t> CdFiles = {
    {"GAMEGFX\\INTRO.SMK", 200000},
    {"GAMEGFX\\outro.smk", 65536},
    {"GAMEGFX\\EMPTY.SMK", 0},
    {"GAMEGFX\\PALETTE.PAL", 3000},
    {"GAMEGFX\\SUB\\DEEP.SMK", 100},
    {"EDITOR\\ZONEA\\MIX01.DAT", 5000},
    {"EDITOR\\ZONEA\\NOTES.TXT", 10},
    {"EDITOR\\ZONEC\\mi_low.dat", 777},
    {"EDITOR\\ZONEF\\MAP.MI", 20},
    {"SOUND\\MIDI\\THEME.MID", 200000},
    {"SOUND\\SFX\\BOOM.WAV", 70000},
    {"EDITOR\\MIROOT.DAT", 30},
};

const std::vector<std::string> MinimumFiles = {"GAMEGFX\\INTRO.SMK", "GAMEGFX\\outro.smk", "GAMEGFX\\EMPTY.SMK"};
const std::vector<std::string> StandardFiles = {"GAMEGFX\\INTRO.SMK",
                                                "GAMEGFX\\outro.smk",
                                                "GAMEGFX\\EMPTY.SMK",
                                                "GAMEGFX\\PALETTE.PAL",
                                                "SOUND\\MIDI\\THEME.MID",
                                                "SOUND\\SFX\\BOOM.WAV"};
const std::vector<std::string> FullFiles = {"GAMEGFX\\INTRO.SMK",
                                            "GAMEGFX\\outro.smk",
                                            "GAMEGFX\\EMPTY.SMK",
                                            "GAMEGFX\\PALETTE.PAL",
                                            "SOUND\\MIDI\\THEME.MID",
                                            "SOUND\\SFX\\BOOM.WAV",
                                            "EDITOR\\ZONEA\\MIX01.DAT",
                                            "EDITOR\\ZONEC\\mi_low.dat"};
const std::vector<std::string> MinimumDirs = {"GAMEGFX"};
const std::vector<std::string> StandardDirs = {"GAMEGFX", "SOUND", "SOUND\\MIDI", "SOUND\\SFX", "SOUND\\SPEECH"};
const std::vector<std::string> FullDirs = {"GAMEGFX",
                                           "SOUND",
                                           "SOUND\\MIDI",
                                           "SOUND\\SFX",
                                           "SOUND\\SPEECH",
                                           "EDITOR",
                                           "EDITOR\\ZONEA",
                                           "EDITOR\\ZONEB",
                                           "EDITOR\\ZONEC",
                                           "EDITOR\\ZONED",
                                           "EDITOR\\ZONEE",
                                           "EDITOR\\ZONEF"};

namespace {

struct Tree {
    std::set<std::string> files, dirs;
};

} // namespace

static Tree InstalledTree()
{
    Tree tree;
    if (!fs::exists(Root))
        return tree;
    for (const auto& entry : fs::recursive_directory_iterator(Root)) {
        std::string relative = fs::relative(entry.path(), Root).string();
        (entry.is_directory() ? tree.dirs : tree.files).insert(relative);
    }
    return tree;
}

static std::string Cd(const std::string& relative)
{
    return std::string(CdRoot) + "\\" + relative;
}
static std::string Installed(const std::string& relative)
{
    return std::string(Root) + relative;
}

namespace {

class CopyEngine : public ::testing::Test {
protected:
    void SetUp() override
    {
        AppInstance = GetModuleHandleA(nullptr);
        CurrentLanguage = LanguageEnglish;
        InstallDrive = 'C';
        CopyText(InstallRoot, InstallRootCapacity, Root);
        GetCurrentDirectoryA(MAX_PATH, previousDirectory);
        fs::remove_all(CdRoot);
        fs::remove_all("C:\\TALVEX");
        fs::create_directories(CdRoot);
        SetCurrentDirectoryA(CdRoot);
        ForgetEverything();
    }
    void TearDown() override
    {
        SetCurrentDirectoryA(previousDirectory);
        fs::remove_all(CdRoot);
        fs::remove_all("C:\\TALVEX");
        ForgetEverything();
    }
    void LayOut(const std::map<std::string, size_t>& files)
    {
        char seed = 1;
        for (const auto& [name, size] : files)
            WriteFile(Cd(name), Content(size, seed++));
    }
    void ExpectTree(const std::vector<std::string>& files, const std::vector<std::string>& dirs)
    {
        Tree tree = InstalledTree();
        EXPECT_EQ(tree.files, std::set<std::string>(files.begin(), files.end()));
        EXPECT_EQ(tree.dirs, std::set<std::string>(dirs.begin(), dirs.end()));
        for (const std::string& file : files)
            EXPECT_TRUE(ReadWhole(Installed(file)) == ReadWhole(Cd(file))) << file;
    }
    char previousDirectory[MAX_PATH];
};

} // namespace

TEST_F(CopyEngine, EachLevelCopiesExactlyItsFilesAndDirectories)
{
    LayOut(CdFiles);
    const struct {
        int level;
        const std::vector<std::string>& files;
        const std::vector<std::string>& dirs;
    } cases[] = {{LevelMinimum, MinimumFiles, MinimumDirs},
                 {LevelStandard, StandardFiles, StandardDirs},
                 {LevelFull, FullFiles, FullDirs}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.level);
        fs::remove_all("C:\\TALVEX");
        InstallLevelFiles(nullptr, c.level);
        ExpectTree(c.files, c.dirs);
        LONG expectedTotal = 0;
        for (const std::string& file : c.files)
            expectedTotal += static_cast<LONG>(CdFiles.at(file));
        EXPECT_EQ(Progress.totalBytes, expectedTotal);
        EXPECT_EQ(Progress.copiedBytes, Progress.totalBytes);
        EXPECT_EQ(Progress.barPosition, 375);
        EXPECT_FALSE(CopyFailed);
        // The window is gone and its thread waited for.
        EXPECT_EQ(Progress.progressThread, nullptr);
        EXPECT_FALSE(IsWindow(Progress.progressWindow));
        StoredValue drive = ReadValue(HKEY_CURRENT_USER, SettingsPath, "INSTALLDRIVE");
        EXPECT_EQ(drive.type, static_cast<DWORD>(REG_BINARY));
        EXPECT_EQ(drive.bytes, "C");
    }
}

TEST_F(CopyEngine, ReinstallOverwritesAndMissingCdDirectoriesGiveAnEmptyTree)
{
    LayOut({{"GAMEGFX\\A.SMK", 3000}});
    WriteFile(Installed("GAMEGFX\\A.SMK"), Content(90000, 'x'));
    InstallLevelFiles(nullptr, LevelMinimum);
    ExpectTree({"GAMEGFX\\A.SMK"}, {"GAMEGFX"});

    // No CD directories at all: the empty tree, nothing copied, nothing divided.
    fs::remove_all(Cd("GAMEGFX"));
    fs::remove_all("C:\\TALVEX");
    InstallLevelFiles(nullptr, LevelFull);
    ExpectTree({}, FullDirs);
    EXPECT_EQ(Progress.totalBytes, 0);
    EXPECT_EQ(Progress.barPosition, 0);
    EXPECT_FALSE(CopyFailed);
}

// A level under 1 KiB would divide by zero: its bar ends full all the same.
TEST_F(CopyEngine, LevelUnderOneKibibyteEndsAtAFullBar)
{
    LayOut({{"GAMEGFX\\TINY.SMK", 10}, {"GAMEGFX\\NONE.SMK", 0}});
    InstallLevelFiles(nullptr, LevelMinimum);
    ExpectTree({"GAMEGFX\\TINY.SMK", "GAMEGFX\\NONE.SMK"}, {"GAMEGFX"});
    EXPECT_EQ(Progress.barPosition, 375);
}

// A name too long for the destination path is left out of both passes.
TEST_F(CopyEngine, NameTooLongForThePathsIsLeftOut)
{
    std::string longName = std::string(100, 'L') + ".SMK"; // 17 + 8 + 104 bytes do not fit 128
    LayOut({{"GAMEGFX\\" + longName, 5000}, {"GAMEGFX\\SHORT.SMK", 4000}});
    InstallLevelFiles(nullptr, LevelMinimum);
    ExpectTree({"GAMEGFX\\SHORT.SMK"}, {"GAMEGFX"});
    EXPECT_EQ(Progress.totalBytes, 4000);
    EXPECT_EQ(Progress.barPosition, 375);
}

// A progress dialog that cannot be made (no template in the module the
// resources come from): the install does not wait for ever and copies nothing.
TEST_F(CopyEngine, ProgressDialogThatCannotBeMadeEndsTheInstall)
{
    LayOut({{"GAMEGFX\\A.SMK", 3000}});
    AppInstance = GetModuleHandleA("kernel32.dll");
    DWORD start = GetTickCount();
    InstallLevelFiles(nullptr, LevelMinimum);
    AppInstance = GetModuleHandleA(nullptr);
    EXPECT_LT(GetTickCount() - start, 5000u);
    EXPECT_TRUE(InstalledTree().files.empty());
    EXPECT_EQ(Progress.progressThread, nullptr);
}

// --- chunk by chunk, with a window of the test's own ------------------------

namespace {

struct Request {
    LONG barPosition;
    LONG copiedBytes;
    std::string status;
};

} // namespace

static std::vector<Request> Requests;
static size_t CancelAtRequest = SIZE_MAX;

static INT_PTR CALLBACK RecorderProc(HWND window, UINT message, WPARAM, LPARAM)
{
    if (message != WM_PAINT)
        return message == WM_INITDIALOG;
    if (GetUpdateRect(window, nullptr, FALSE)) {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return TRUE;
    }
    char status[StatusCapacity];
    GetDlgItemTextA(window, IDC_PROGRESS_STATUS, status, sizeof status);
    Requests.push_back({Progress.barPosition, Progress.copiedBytes, status});
    if (Requests.size() == CancelAtRequest)
        Progress.cancelRequested = 1; // what the progress window does on Cancel
    return TRUE;
}

namespace {

class ChunkByChunk : public CopyEngine {
protected:
    void SetUp() override
    {
        CopyEngine::SetUp();
        Requests.clear();
        CancelAtRequest = SIZE_MAX;
        recorder = std::thread([this] {
            HWND window = CreateDialogParamA(AppInstance, "ProgressDlg", nullptr, RecorderProc, 0);
            recorderWindow = window;
            MSG message;
            while (GetMessageA(&message, nullptr, 0, 0) > 0)
                DispatchMessageA(&message);
            DestroyWindow(window);
        });
        while (recorderWindow == nullptr)
            Sleep(1);
        recorderThread = GetWindowThreadProcessId(recorderWindow, nullptr);
    }
    void TearDown() override
    {
        PostThreadMessageA(recorderThread, WM_QUIT, 0, 0);
        recorder.join();
        CopyEngine::TearDown();
    }
    void Run(int level)
    {
        Progress.progressWindow = recorderWindow;
        Progress.cancelRequested = 0;
        Progress.barPosition = 0;
        Progress.totalBytes = 0;
        Progress.copiedBytes = 0;
        CopyFailed = false;
        CreatePathDirectories(InstallRoot);
        RunFileSet(level);
    }
    // The requests sent while the named file was being copied.
    size_t RequestsOf(const std::string& file)
    {
        size_t count = 0;
        for (const Request& r : Requests)
            count += r.status.find("\\" + file + "\n") != std::string::npos;
        return count;
    }
    std::thread recorder;
    HWND volatile recorderWindow = nullptr;
    DWORD recorderThread = 0;
};

} // namespace

TEST_F(ChunkByChunk, EmptyAndExactChunkFilesTakeTheirIterations)
{
    LayOut({{"GAMEGFX\\EMPTY.SMK", 0}, {"GAMEGFX\\EXACT.SMK", 65536}, {"GAMEGFX\\MORE.SMK", 65537}});
    Run(LevelMinimum);
    EXPECT_EQ(RequestsOf("EMPTY.SMK"), 1u);
    EXPECT_EQ(RequestsOf("EXACT.SMK"), 2u);
    EXPECT_EQ(RequestsOf("MORE.SMK"), 2u);
    EXPECT_EQ(Requests.size(), 5u);
    ExpectTree({"GAMEGFX\\EMPTY.SMK", "GAMEGFX\\EXACT.SMK", "GAMEGFX\\MORE.SMK"}, {"GAMEGFX"});
    EXPECT_EQ(Requests.front().status.rfind("Copying GAMEGFX\\", 0), 0u);
    EXPECT_NE(Requests.front().status.find("\n to C:\\TALVEX\\QUORIX\\GAMEGFX\\"), std::string::npos);
}

TEST_F(ChunkByChunk, StatusTextInTheCurrentLanguage)
{
    LayOut({{"GAMEGFX\\A.SMK", 10}});
    const struct {
        int language;
        const char* text;
    } cases[] = {
        {LanguageEnglish, "Copying GAMEGFX\\A.SMK\n to C:\\TALVEX\\QUORIX\\GAMEGFX\\A.SMK"},
        {LanguageDeutsch, "GCopying GAMEGFX\\A.SMK\n Gto C:\\TALVEX\\QUORIX\\GAMEGFX\\A.SMK"},
        {LanguageFrancais, "FCopying GAMEGFX\\A.SMK\n Fto C:\\TALVEX\\QUORIX\\GAMEGFX\\A.SMK"},
        {LanguageNederlands, "DCopying GAMEGFX\\A.SMK\n Dto C:\\TALVEX\\QUORIX\\GAMEGFX\\A.SMK"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        CurrentLanguage = c.language;
        Requests.clear();
        Run(LevelMinimum);
        ASSERT_EQ(Requests.size(), 1u);
        EXPECT_EQ(Requests[0].status, c.text);
    }
}

TEST_F(ChunkByChunk, BarFollowsWholeKibibytesOfTheLevelsTotal)
{
    LayOut({{"GAMEGFX\\BIG.SMK", 47655632}});
    Run(LevelMinimum);
    ASSERT_GE(Requests.size(), 3u);
    EXPECT_EQ(Requests[0].barPosition, 0); // 64 KiB
    EXPECT_EQ(Requests[1].barPosition, 1); // 128 KiB: 125 KiB is the first to give 1
    for (const Request& r : Requests)
        ASSERT_EQ(r.barPosition, (r.copiedBytes / 1024) * 375 / 46538) << r.copiedBytes;
    EXPECT_EQ(Requests.back().barPosition, 375);
    EXPECT_EQ(Progress.copiedBytes, 47655632);
}

TEST_F(ChunkByChunk, CancelDuringAFileKeepsWhatWasWholeAndMakesEveryDirectory)
{
    LayOut(CdFiles);
    // Cancel at the first chunk of THEME.MID, the fifth of the level's files.
    Run(LevelFull);
    size_t firstOfTheme = 0;
    for (size_t i = 0; i < Requests.size(); i++)
        if (Requests[i].status.find("THEME.MID") != std::string::npos) {
            firstOfTheme = i + 1;
            break;
        }
    ASSERT_GT(firstOfTheme, 0u);

    fs::remove_all("C:\\TALVEX");
    InstallRoot[0] = 'C';
    Requests.clear();
    CancelAtRequest = firstOfTheme;
    Run(LevelFull);
    EXPECT_EQ(Requests.size(), firstOfTheme); // the chunk in hand was the last
    // Copied in table order: the graphics and the editor's files came first.
    std::vector<std::string> whole;
    for (const std::string& file : FullFiles)
        if (file != "SOUND\\MIDI\\THEME.MID" && file != "SOUND\\SFX\\BOOM.WAV")
            whole.push_back(file);
    ExpectTree(whole, FullDirs);
}

TEST_F(ChunkByChunk, CancelBeforeTheCopyPassCopiesNothing)
{
    LayOut(CdFiles);
    Progress.cancelRequested = 1;
    Progress.progressWindow = recorderWindow;
    Progress.totalBytes = 0;
    CreatePathDirectories(InstallRoot);
    RunFileSet(LevelFull);
    EXPECT_TRUE(Requests.empty());
    ExpectTree({}, FullDirs);
    EXPECT_EQ(Progress.totalBytes, 200000 + 65536 + 3000 + 200000 + 70000 + 5000 + 777); // the size pass ran
}

// A file that cannot be copied stops the install as a cancel does, and no
// truncated copy stays behind.
TEST_F(ChunkByChunk, FileThatCannotBeCopiedStopsTheCopy)
{
    const struct {
        const char* name;
        bool lockSource;       // held open without sharing: it cannot be opened
        bool blockDestination; // a directory where the copy should go
        DWORD error;           // what the message will give the reason of
    } cases[] = {{"source", true, false, ERROR_SHARING_VIOLATION}, {"destination", false, true, ERROR_ACCESS_DENIED}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all("C:\\TALVEX");
        LayOut({{"SOUND\\MIDI\\THEME.MID", 4000},
                {"SOUND\\SFX\\BOOM.WAV", 70000},
                {"SOUND\\SPEECH\\HELLO.WAV", 3000},
                {"GAMEGFX\\A.SMK", 2000}});
        HANDLE held = INVALID_HANDLE_VALUE;
        if (c.lockSource)
            held = CreateFileA(Cd("SOUND\\SFX\\BOOM.WAV").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (c.blockDestination)
            fs::create_directories(Installed("SOUND\\SFX\\BOOM.WAV"));
        Requests.clear();
        Run(LevelStandard);
        if (held != INVALID_HANDLE_VALUE)
            CloseHandle(held);
        EXPECT_TRUE(CopyFailed);
        EXPECT_EQ(CopyError, c.error);
        EXPECT_STREQ(SourcePath, "SOUND\\SFX\\BOOM.WAV");
        EXPECT_EQ(std::string(DestinationPath), Installed("SOUND\\SFX\\BOOM.WAV"));
        EXPECT_NE(std::string(StatusText).find("SOUND\\SFX\\BOOM.WAV"), std::string::npos) << StatusText;
        Tree tree = InstalledTree();
        EXPECT_EQ(tree.files, (std::set<std::string>{"GAMEGFX\\A.SMK", "SOUND\\MIDI\\THEME.MID"}));
        for (const std::string& dir : StandardDirs)
            EXPECT_TRUE(tree.dirs.count(dir)) << dir;
    }
}
