#include "installer/install_dialog.h"

#include "launcher/centring.h"
#include "launcher/languages.h"
#include "resources/ids.h"
#include "settings/settings_store.h"

bool DriveAvailable[DriveCount];
LONG DriveFreeBytes;
LONG (*FreeBytesOfDrive)(int driveNumber) = QueryDriveFreeBytes;

constexpr int FreeSpaceLineCapacity = 128;
static char FreeSpaceLine[FreeSpaceLineCapacity];

LONG QueryDriveFreeBytes(int driveNumber)
{
    char root[4] = {static_cast<char>('@' + driveNumber), ':', '\\', '\0'};
    DWORD sectorsPerCluster, bytesPerSector, freeClusters, totalClusters;
    if (!GetDiskFreeSpaceA(root, &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters))
        return -1;
    // Each figure as a 16-bit number, the product wrapping at 32 bits, as
    // Windows 95 callers have always computed it.
    DWORD product = static_cast<WORD>(freeClusters) * static_cast<DWORD>(static_cast<WORD>(sectorsPerCluster)) *
                    static_cast<WORD>(bytesPerSector);
    return static_cast<LONG>(product);
}

static void EnableControl(HWND dialog, int id, bool enable)
{
    EnableWindow(GetDlgItem(dialog, id), enable ? TRUE : FALSE);
}

// Writes the free-space line for the drive; false, and the line unchanged,
// when its free space cannot be told.
static bool ShowDriveFreeSpace(char letter, HWND dialog)
{
    DriveFreeBytes = FreeBytesOfDrive(letter - '@');
    if (DriveFreeBytes == -1)
        return false;
    wsprintfA(FreeSpaceLine,
              "%s %c: %dMb",
              LoadText(IDS_FREE_SPACE + CurrentLanguage),
              letter,
              static_cast<int>(DriveFreeBytes / 1048576));
    SendMessageA(GetDlgItem(dialog, IDC_FREE_SPACE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(FreeSpaceLine));
    return true;
}

static void UpdateLevelButtons(HWND dialog)
{
    ShowDriveFreeSpace(InstallDrive, dialog);
    EnableControl(dialog, IDC_LEVEL_MINIMUM, DriveFreeBytes >= MinimumLevelBytes);
    EnableControl(dialog, IDC_LEVEL_STANDARD, DriveFreeBytes >= StandardLevelBytes);
    EnableControl(dialog, IDC_LEVEL_FULL, DriveFreeBytes >= FullLevelBytes);
}

static void InitialiseDialog(HWND dialog)
{
    CentreWindowByClientRect(dialog);
    SetDlgItemTextA(dialog, IDC_LEVEL_MINIMUM, LoadText(IDS_LEVEL_MINIMUM + CurrentLanguage));
    SetDlgItemTextA(dialog, IDC_LEVEL_STANDARD, LoadText(IDS_LEVEL_STANDARD + CurrentLanguage));
    SetDlgItemTextA(dialog, IDC_LEVEL_FULL, LoadText(IDS_LEVEL_FULL + CurrentLanguage));
    UpdateLevelButtons(dialog);
    for (int k = 0; k < DriveCount; k++) {
        DriveAvailable[k] = FreeBytesOfDrive(3 + k) >= MinimumLevelBytes;
        EnableControl(dialog, IDC_DRIVE_FIRST + k, DriveAvailable[k]);
    }
}

static void HandleCommand(HWND dialog, int command)
{
    switch (command) {
    case IDC_LEVEL_MINIMUM:
        EndDialog(dialog, LevelMinimum);
        return;
    case IDC_LEVEL_STANDARD:
        EndDialog(dialog, LevelStandard);
        return;
    case IDC_LEVEL_FULL:
        EndDialog(dialog, LevelFull);
        return;
    case IDC_INSTALL_CANCEL:
        EndDialog(dialog, LevelCancelled);
        return;
    }
    if (command >= IDC_DRIVE_FIRST && command <= IDC_DRIVE_LAST) {
        int k = command - IDC_DRIVE_FIRST;
        if (DriveAvailable[k]) {
            InstallDrive = static_cast<char>('C' + k);
            UpdateLevelButtons(dialog);
        } else {
            EnableControl(dialog, command, false);
        }
    }
    // Anything else, IDOK and IDCANCEL (Enter, Escape) among them, does nothing.
}

INT_PTR CALLBACK InstallDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        InitialiseDialog(window);
        return TRUE;
    case WM_COMMAND:
        HandleCommand(window, LOWORD(wParam));
        return FALSE;
    case WM_SYSCOMMAND:
        if (wParam == SC_CLOSE) {
            EndDialog(window, LevelCancelled);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}
