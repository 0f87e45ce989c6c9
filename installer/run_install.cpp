#include "installer/install.h"

#include "installer/copy_engine.h"
#include "installer/copy_failure.h"
#include "installer/install_dialog.h"
#include "installer/progress_window.h"
#include "launcher/app.h"
#include "runtime/text.h"
#include "settings/registry_layout.h"
#include "settings/settings_store.h"

constexpr DWORD ProgressStackBytes = 4096;
// How long the progress thread may take to go once its dialog has ended.
constexpr DWORD ProgressEndWaitMs = 10000;

static void StartProgressThread()
{
    Progress.cancelRequested = 0;
    Progress.barPosition = 0;
    Progress.progressWindow = nullptr;
    Progress.progressThreadId = ProgressThreadGone;
    // Suspended until its id is stored: it would mark itself gone otherwise
    // before the id could overwrite that, were its dialog to fail at once.
    DWORD id;
    Progress.progressThread =
        CreateThread(nullptr, ProgressStackBytes, ProgressThreadProc, nullptr, CREATE_SUSPENDED, &id);
    if (Progress.progressThread == nullptr)
        return;
    Progress.progressThreadId = id;
    ResumeThread(Progress.progressThread);
}

// Until the dialog has published its window, or the thread has ended without
// one (its dialog could not be made).
static bool WaitForProgressWindow()
{
    if (Progress.progressThread == nullptr)
        return false;
    while (Progress.progressWindow == nullptr)
        if (WaitForSingleObject(Progress.progressThread, 1) == WAIT_OBJECT_0)
            return Progress.progressWindow != nullptr;
    return true;
}

static void EndProgressThread()
{
    if (Progress.progressThread == nullptr)
        return;
    // Still open after a complete copy: it ends as on a cancel, at once.
    if (Progress.progressThreadId != ProgressThreadGone)
        SendMessageA(Progress.progressWindow, ProgressEndMessage, 0, 0);
    if (WaitForSingleObject(Progress.progressThread, ProgressEndWaitMs) == WAIT_TIMEOUT)
        TerminateThread(Progress.progressThread, 0);
    CloseHandle(Progress.progressThread);
    Progress.progressThread = nullptr;
}

// The tree's directories exist on that drive now, after a cancel as well:
// from here on every save names it too.
static void StoreInstallDrive()
{
    InstalledDrive = InstallDrive;
    OpenSettingsKey();
    WriteSettingValue(VALUE_INSTALLDRIVE, static_cast<BYTE>(InstallDrive), 1);
    CloseSettingsKey();
}

void InstallLevelFiles(HWND owner, int level)
{
    CreatePathDirectories(InstallRoot);
    CopyFailed = false;
    StartProgressThread();
    if (WaitForProgressWindow()) {
        Progress.totalBytes = 0;
        Progress.copiedBytes = 0;
        RunFileSet(level);
    }
    EndProgressThread();
    StoreInstallDrive();
    if (CopyFailed)
        ShowCopyFailure(owner);
}

void RunInstall(HWND owner)
{
    CopyText(InstallRoot, InstallRootCapacity, InstallRootTemplate);
    INT_PTR level = DialogBoxParamA(AppInstance, "InstallDlg", owner, InstallDialogProc, 0);
    // Cancelled, or no dialog at all: nothing is made, started or stored.
    if (level < LevelMinimum || level > LevelFull)
        return;
    InstallRoot[0] = InstallDrive;
    InstallLevelFiles(owner, static_cast<int>(level));
}
