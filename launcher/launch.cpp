#include "launcher/launch.h"

#include <windows.h>

#include "launcher/main_dialog.h"
#include "runtime/text.h"
#include "settings/registry_layout.h"
#include "settings/settings_store.h"

static_assert(sizeof(void*) != 4 || sizeof(STARTUPINFOA) == 68, "STARTUPINFOA must be 68 bytes");

char GamePath[GamePathCapacity];
short HasPatchPath;

// The program started last; its handles stay open so that the start guard can
// still ask for its exit code after it has ended.
static PROCESS_INFORMATION ChildProcess;
static STARTUPINFOA ChildStartupInfo;

// The game's command line: the longest GamePath and " -f".
static char GameCommandLine[GamePathCapacity + 3];

static const char GameName[] = "quorix.exw";

void ReadPatchPath()
{
    HasPatchPath = 0;
    GamePath[0] = '\0';
    // Full access for a read: the program has always opened the machine key so.
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, SETTINGS_KEY_PATH, 0, KEY_ALL_ACCESS, &SettingsKeyHandle) == ERROR_SUCCESS) {
        HasPatchPath = 1;
        for (int i = 0; i < GamePathCapacity - 1; i++)
            GamePath[i] = ' ';
        GamePath[GamePathCapacity - 1] = '\0';

        // Any type is taken as its bytes. A value that cannot be read whole, or
        // leaves no room for the game's name, counts as no patch directory.
        DWORD type;
        DWORD length = GamePathCapacity - 1;
        LONG status = RegQueryValueExA(
            SettingsKeyHandle, VALUE_PATCHPATH, nullptr, &type, reinterpret_cast<BYTE*>(GamePath), &length);
        if (status == ERROR_SUCCESS && length <= GamePathCapacity - 1)
            GamePath[length] = '\0';
        else
            GamePath[0] = '\0';
        if (TextLength(GamePath) + TextLength(GameName) >= GamePathCapacity)
            GamePath[0] = '\0';
        if (GamePath[0] == '\0')
            HasPatchPath = 0;
        RegCloseKey(SettingsKeyHandle);
    }
    AppendText(GamePath, GamePathCapacity, GameName);
}

// True while the program started last still runs (or ended with 259 itself).
static bool ChildStillRunning()
{
    DWORD exitCode;
    return GetExitCodeProcess(ChildProcess.hProcess, &exitCode) && exitCode == STILL_ACTIVE;
}

static void PrepareStartupInfo()
{
    ChildStartupInfo.cb = sizeof ChildStartupInfo;
    ChildStartupInfo.lpReserved = nullptr;
    ChildStartupInfo.lpDesktop = nullptr;
    ChildStartupInfo.lpTitle = nullptr;
    ChildStartupInfo.dwFlags = 0;
    ChildStartupInfo.cbReserved2 = 0;
    ChildStartupInfo.lpReserved2 = nullptr;
}

static void Start(const char* application, char* commandLine, const char* directory)
{
    // A failed start must not lose the record of a program that still runs.
    PROCESS_INFORMATION started;
    if (CreateProcessA(
            application, commandLine, nullptr, nullptr, FALSE, 0, nullptr, directory, &ChildStartupInfo, &started))
        ChildProcess = started;
}

void RunDirectXSetup()
{
    if (ChildStillRunning())
        return;
    PrepareStartupInfo();
    Start("directx\\dxsetup.exe", nullptr, ".\\directx\\");
}

void LaunchGame()
{
    if (ChildStillRunning())
        return;
    PrepareStartupInfo();
    const char* application = HasPatchPath == 1 ? GamePath : ".\\quorix.exw";
    CopyText(GameCommandLine, sizeof GameCommandLine, application);
    if (Settings.fullScreen == 1)
        AppendText(GameCommandLine, sizeof GameCommandLine, " -f");
    Start(application, GameCommandLine, ".\\");
}
