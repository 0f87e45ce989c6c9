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

// The upper-case letter of the install dialog's drive: "C" at every start,
// changed only by the install dialog.
extern char InstallDrive;

// The drive that holds the install tree, which every save writes as
// INSTALLDRIVE: the stored letter when the settings were loaded, then the
// drive of each install of this run; "C" when neither names one. Saving the
// dialog's drive instead would lose a tree on another drive to the uninstaller.
extern char InstalledDrive;

// Creates or opens path under root with class "DATA" and full access, as the
// stored keys have always been made; nothing reads the class.
LONG CreateDataKey(HKEY root, const char* path, HKEY* key);

void OpenSettingsKey();
void CloseSettingsKey();

// Stores the low `width` bytes (1, 2 or 4) of value: a DWORD at width 4, binary
// otherwise.
LONG WriteSettingValue(const char* name, DWORD value, int width);

// Reads `width` bytes into destination. An absent or oversized value takes the
// default, in memory and in the registry; a stored 1, 2 or 4 bytes outside
// minimum..maximum (unsigned) is repaired the same way.
LONG ReadSettingValue(const char* name, void* destination, int width, DWORD defaultValue, DWORD minimum, DWORD maximum);

void LoadSettings(LauncherSettings* settings);
void SaveSettings(const LauncherSettings* settings);
