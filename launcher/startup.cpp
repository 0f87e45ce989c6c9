// Start-up: the platform test, then the uninstaller or the launcher.
#include <windows.h>

#include "installer/install.h"
#include "launcher/app.h"
#include "launcher/launch.h"
#include "launcher/main_dialog.h"
#include "resources/ids.h"
#include "runtime/text.h"
#include "uninstaller/uninstall.h"

// The record sizes Windows 95 expects of its 32-bit callers.
static_assert(sizeof(OSVERSIONINFOA) == 148, "OSVERSIONINFOA must be 148 bytes");

HINSTANCE AppInstance;
HBITMAP BackgroundBitmap;

void RequireWindows95()
{
    OSVERSIONINFOA version;
    version.dwOSVersionInfoSize = sizeof version;
    if (GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS)
        return;
    MessageBoxA(nullptr, "Quorix requires Windows '95 to run...", "Error", MB_OK);
    ExitProcess(0);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int)
{
    AppInstance = instance;
    RequireWindows95();

    if (SameText(arguments, "-uninstall")) {
        Uninstall();
        ExitProcess(0);
    }

    ReadPatchPath();
    BackgroundBitmap = LoadBitmapA(AppInstance, MAKEINTRESOURCEA(IDB_BACKGROUND));
    DialogBoxParamA(AppInstance, "MainDlg", nullptr, MainDialogProc, 0);
    return 0;
}
