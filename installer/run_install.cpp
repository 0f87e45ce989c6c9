#include "installer/install.h"

#include "installer/copy_engine.h"
#include "installer/copy_failure.h"
#include "installer/install_dialog.h"
#include "installer/progress_shared.h"
#include "installer/progress_thread.h"
#include "launcher/app.h"
#include "runtime/text.h"
#include "settings/registry_layout.h"
#include "settings/settings_store.h"

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
