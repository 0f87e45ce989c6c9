// The settings key and the options kept in it.
#pragma once
#include <windows.h>

// The six options in the order of their registry values; each 0 or 1 but
// the language, a LanguageIndex.
struct LauncherSettings {
    int language;
    int sound;
    int speech;
    int cinematics;
    int actionPan;
    int fullScreen;
};

// The one registry handle of the process: each user opens, uses and closes it
// within one operation.
extern HKEY SettingsKeyHandle;

// The upper-case letter of the install drive: "C" at every start, changed only
// by the install dialog, written by every save and after every install.
extern char InstallDrive;

void OpenSettingsKey();
void CloseSettingsKey();

// Stores the low `width` bytes (1, 2 or 4) of value: a DWORD at width 4, binary
// otherwise.
LONG WriteSettingValue(const char* name, DWORD value, int width);

// Reads `width` bytes into destination. An absent or oversized value takes the
// default, in memory and in the registry; a stored 1, 2 or 4 bytes outside
// minimum..maximum (unsigned) is repaired the same way.
LONG ReadSettingValue(const char* name, void* destination, int width, DWORD defaultValue,
                      DWORD minimum, DWORD maximum);

void LoadSettings(LauncherSettings* settings);
void SaveSettings(const LauncherSettings* settings);
