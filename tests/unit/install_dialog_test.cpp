// The install dialog with the real template: free-space figures come from a
// table of the test's own through the dialog's query hook; the real query is
// checked against what Wine reports for the prefix's drives.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>

#include "installer/install.h"
#include "installer/install_dialog.h"
#include "installer/progress_shared.h"
#include "launcher/app.h"
#include "launcher/languages.h"
#include "resources/ids.h"
#include "registry.h"
#include "settings/settings_store.h"

LONG FakeFree[27]; // by drive number, 1 = A

static LONG FakeQuery(int driveNumber)
{
    return FakeFree[driveNumber];
}

static HWND FindThreadDialog(DWORD thread, const char* caption)
{
    struct Search {
        const char* caption;
        HWND found;
    } search{caption, nullptr};
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM context) CALLBACK -> BOOL {
            auto* s = reinterpret_cast<Search*>(context);
            char text[128];
            GetWindowTextA(window, text, sizeof text);
            if (std::string(text) == s->caption && IsWindowVisible(window)) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Runs body, which opens the install dialog modally, on this thread while the
// script drives the dialog from another; a script that leaves it open has it
// closed.
static INT_PTR WhileDriven(const std::function<void(HWND)>& script, const std::function<INT_PTR()>& body)
{
    DWORD uiThread = GetCurrentThreadId();
    std::thread driver([&] {
        HWND dialog = nullptr;
        for (int i = 0; i < 500 && dialog == nullptr; i++) {
            Sleep(10);
            dialog = FindThreadDialog(uiThread, "Quorix for Windows 95 Install");
        }
        ASSERT_NE(dialog, nullptr) << "the install dialog did not appear";
        script(dialog);
        if (IsWindow(dialog) && IsWindowVisible(dialog))
            SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    INT_PTR result = body();
    driver.join();
    return result;
}

static INT_PTR RunInstallDialog(const std::function<void(HWND)>& script)
{
    return WhileDriven(script,
                       [] { return DialogBoxParamA(AppInstance, "InstallDlg", nullptr, InstallDialogProc, 0); });
}

static std::string Text(HWND dialog, int id)
{
    char text[128];
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

static bool Enabled(HWND dialog, int id)
{
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

static void Command(HWND dialog, int id)
{
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

namespace {

class InstallDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        AppInstance = GetModuleHandleA(nullptr);
        CurrentLanguage = LanguageEnglish;
        InstallDrive = 'C';
        for (LONG& free : FakeFree)
            free = -1;
        FreeBytesOfDrive = FakeQuery;
    }
    void TearDown() override
    {
        FreeBytesOfDrive = QueryDriveFreeBytes;
    }
};

} // namespace

TEST_F(InstallDialog, ThresholdsAtTheExactByteAndTheLineTruncates)
{
    struct Case {
        LONG free;
        bool minimum, standard, full;
        const char* line;
    };
    const Case cases[] = {
        {47655632, true, false, false, "Free space on drive C: 45Mb"},
        {47655631, false, false, false, "Free space on drive C: 45Mb"},
        {74391476, true, true, false, "Free space on drive C: 70Mb"},
        {74391475, true, false, false, "Free space on drive C: 70Mb"},
        {127511574, true, true, true, "Free space on drive C: 121Mb"},
        {127511573, true, true, false, "Free space on drive C: 121Mb"},
        {125829120, true, true, false, "Free space on drive C: 120Mb"},
        {0x7FFFFFFF, true, true, true, "Free space on drive C: 2047Mb"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.free);
        FakeFree[3] = c.free;
        RunInstallDialog([&](HWND dialog) {
            EXPECT_EQ(Text(dialog, IDC_FREE_SPACE), c.line);
            EXPECT_EQ(Enabled(dialog, IDC_DRIVE_FIRST), c.minimum); // the drive's own button
            EXPECT_EQ(Enabled(dialog, IDC_LEVEL_MINIMUM), c.minimum);
            EXPECT_EQ(Enabled(dialog, IDC_LEVEL_STANDARD), c.standard);
            EXPECT_EQ(Enabled(dialog, IDC_LEVEL_FULL), c.full);
            EXPECT_TRUE(Enabled(dialog, IDC_INSTALL_CANCEL));
        });
    }
}

TEST_F(InstallDialog, DriveButtonsPickOnlyDrivesWithRoom)
{
    FakeFree[3] = 1000;         // C: too small
    FakeFree[4] = 80 * 1048576; // D: Minimum and Standard
    FakeFree[5] = MinimumLevelBytes - 1;
    FakeFree[26] = 200 * 1048576; // Z: everything
    RunInstallDialog([](HWND dialog) {
        for (int k = 0; k < DriveCount; k++)
            EXPECT_EQ(Enabled(dialog, IDC_DRIVE_FIRST + k), k == 1 || k == 23) << char('C' + k);
        EXPECT_EQ(Text(dialog, IDC_FREE_SPACE), "Free space on drive C: 0Mb");
        EXPECT_FALSE(Enabled(dialog, IDC_LEVEL_MINIMUM));

        // An available drive: line and levels follow at once, the dialog stays.
        Command(dialog, IDC_DRIVE_FIRST + 1);
        EXPECT_EQ(InstallDrive, 'D');
        EXPECT_EQ(Text(dialog, IDC_FREE_SPACE), "Free space on drive D: 80Mb");
        EXPECT_TRUE(Enabled(dialog, IDC_LEVEL_MINIMUM));
        EXPECT_TRUE(Enabled(dialog, IDC_LEVEL_STANDARD));
        EXPECT_FALSE(Enabled(dialog, IDC_LEVEL_FULL));
        Command(dialog, IDC_DRIVE_FIRST + 23);
        EXPECT_EQ(Text(dialog, IDC_FREE_SPACE), "Free space on drive Z: 200Mb");
        EXPECT_TRUE(Enabled(dialog, IDC_LEVEL_FULL));
        EXPECT_TRUE(IsWindowVisible(dialog));

        // An unavailable one that got enabled somehow is disabled again and
        // changes nothing else.
        EnableWindow(GetDlgItem(dialog, IDC_DRIVE_FIRST + 2), TRUE);
        Command(dialog, IDC_DRIVE_FIRST + 2);
        EXPECT_FALSE(Enabled(dialog, IDC_DRIVE_FIRST + 2));
        EXPECT_EQ(InstallDrive, 'Z');
        EXPECT_EQ(Text(dialog, IDC_FREE_SPACE), "Free space on drive Z: 200Mb");
        EXPECT_TRUE(Enabled(dialog, IDC_LEVEL_FULL));
    });
    EXPECT_EQ(InstallDrive, 'Z');
}

TEST_F(InstallDialog, FailedQueryKeepsTheLineAndDisablesTheLevels)
{
    FakeFree[4] = 100 * 1048576;
    RunInstallDialog([](HWND dialog) {
        EXPECT_EQ(Text(dialog, IDC_FREE_SPACE), "Free space:");
        EXPECT_FALSE(Enabled(dialog, IDC_DRIVE_FIRST));
        EXPECT_FALSE(Enabled(dialog, IDC_LEVEL_MINIMUM));
        EXPECT_FALSE(Enabled(dialog, IDC_LEVEL_STANDARD));
        EXPECT_FALSE(Enabled(dialog, IDC_LEVEL_FULL));
        EXPECT_TRUE(Enabled(dialog, IDC_DRIVE_FIRST + 1));
    });
}

TEST_F(InstallDialog, EndsOnlyByItsButtonsAndTheCloseBox)
{
    FakeFree[3] = 0x7FFFFFFF;
    struct Case {
        std::function<void(HWND)> act;
        INT_PTR result;
    };
    const Case cases[] = {
        {[](HWND d) { Command(d, IDC_LEVEL_MINIMUM); }, 1},
        {[](HWND d) { Command(d, IDC_LEVEL_STANDARD); }, 2},
        {[](HWND d) { Command(d, IDC_LEVEL_FULL); }, 3},
        {[](HWND d) { Command(d, IDC_INSTALL_CANCEL); }, 4},
        {[](HWND d) { SendMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, 4},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RunInstallDialog([&](HWND dialog) {
                      // Enter and Escape do nothing.
                      Command(dialog, IDOK);
                      Command(dialog, IDCANCEL);
                      PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
                      PostMessageA(dialog, WM_KEYDOWN, VK_RETURN, 0);
                      Sleep(100);
                      EXPECT_TRUE(IsWindowVisible(dialog));
                      c.act(dialog);
                  }),
                  c.result);
}

TEST_F(InstallDialog, DriveChosenBeforeCancelIsWhereTheNextOpeningStarts)
{
    FakeFree[3] = 50 * 1048576;
    FakeFree[7] = 90 * 1048576;
    EXPECT_EQ(RunInstallDialog([](HWND dialog) {
                  Command(dialog, IDC_DRIVE_FIRST + 4);
                  Command(dialog, IDC_INSTALL_CANCEL);
              }),
              4);
    EXPECT_EQ(InstallDrive, 'G');
    RunInstallDialog([](HWND dialog) {
        EXPECT_EQ(Text(dialog, IDC_FREE_SPACE), "Free space on drive G: 90Mb");
        EXPECT_TRUE(Enabled(dialog, IDC_LEVEL_STANDARD));
    });
}

TEST_F(InstallDialog, TextsInTheCurrentLanguage)
{
    FakeFree[3] = 100 * 1048576;
    const struct {
        int language;
        const char* minimum;
        const char* full;
        const char* line;
    } cases[] = {
        {LanguageEnglish, "Minimal      (45.5Mb)", "Full          (122Mb)", "Free space on drive C: 100Mb"},
        {LanguageEspanol, "SMinimal      (45.5Mb)", "SFull          (122Mb)", "SFree space on drive C: 100Mb"},
        {LanguageDeutsch, "GMinimal      (45.5Mb)", "GFull          (122Mb)", "GFree space on drive C: 100Mb"},
    };
    for (const auto& c : cases) {
        CurrentLanguage = c.language;
        RunInstallDialog([&](HWND dialog) {
            EXPECT_EQ(Text(dialog, IDC_LEVEL_MINIMUM), c.minimum);
            EXPECT_EQ(Text(dialog, IDC_LEVEL_FULL), c.full);
            EXPECT_EQ(Text(dialog, IDC_FREE_SPACE), c.line);
            EXPECT_EQ(Text(dialog, IDC_INSTALL_CANCEL), "Cancel");
        });
    }
}

// An install cancelled in its dialog makes no directory, starts no progress
// thread and stores no drive.
TEST_F(InstallDialog, CancelledInstallMakesStartsAndStoresNothing)
{
    FakeFree[3] = 0x7FFFFFFF;
    const std::function<void(HWND)> ways[] = {
        [](HWND d) { Command(d, IDC_INSTALL_CANCEL); },
        [](HWND d) { SendMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    for (const auto& cancel : ways) {
        ForgetEverything();
        RemoveDirectoryA("C:\\TALVEX\\QUORIX");
        RemoveDirectoryA("C:\\TALVEX");
        InstallDrive = 'C';
        HWND untouched = reinterpret_cast<HWND>(1); // an install clears it first
        Progress.progressWindow = untouched;
        WhileDriven(cancel, [] {
            RunInstall(nullptr);
            return INT_PTR(0);
        });
        EXPECT_EQ(GetFileAttributesA("C:\\TALVEX"), INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(Progress.progressWindow, untouched);
        EXPECT_FALSE(ReadValue(HKEY_CURRENT_USER, "Software\\Talvex\\Quorix\\1.00", "INSTALLDRIVE").present);
    }
    Progress.progressWindow = nullptr;
    ForgetEverything();
}

// The real query: Windows 95 figures, at most 65,535 clusters of 32 KiB.
TEST(DriveFreeBytes, RealQueryGivesWhatWindows95Reports)
{
    ULARGE_INTEGER available, total, free;
    ASSERT_TRUE(GetDiskFreeSpaceExA("C:\\", &available, &total, &free));
    if (free.QuadPart >= 2147450880ull)
        EXPECT_EQ(QueryDriveFreeBytes(3), 2147450880);
    else
        EXPECT_GT(QueryDriveFreeBytes(3), 0);
    DWORD drives = GetLogicalDrives();
    for (int number = 3; number <= 26; number++)
        if ((drives & (1u << (number - 1))) == 0) {
            EXPECT_EQ(QueryDriveFreeBytes(number), -1) << char('@' + number);
            break;
        }
}
