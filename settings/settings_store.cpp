#include "settings/settings_store.h"

#include "launcher/edition.h"
#include "launcher/languages.h"
#include "settings/registry_layout.h"
#include "settings/uninstall_entry.h"

HKEY SettingsKeyHandle;
char InstallDrive = 'C';
char InstalledDrive = 'C';

void OpenSettingsKey()
{
    DWORD disposition;
    char keyClass[] = "DATA";
    if (RegCreateKeyExA(HKEY_CURRENT_USER, SETTINGS_KEY_PATH, 0, keyClass, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &SettingsKeyHandle, &disposition) != ERROR_SUCCESS) {
        // A handle left over from an earlier operation must not receive values.
        SettingsKeyHandle = nullptr;
    }
}

void CloseSettingsKey()
{
    RegCloseKey(SettingsKeyHandle);
}

LONG WriteSettingValue(const char* name, DWORD value, int width)
{
    BYTE bytes[4] = {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8),
                     static_cast<BYTE>(value >> 16), static_cast<BYTE>(value >> 24)};
    DWORD type = width == 4 ? REG_DWORD : REG_BINARY;
    return RegSetValueExA(SettingsKeyHandle, name, 0, type, bytes, static_cast<DWORD>(width));
}

static void StoreLowBytes(void* destination, DWORD value, int count)
{
    BYTE* bytes = static_cast<BYTE*>(destination);
    for (int i = 0; i < count; i++)
        bytes[i] = static_cast<BYTE>(value >> (8 * i));
}

LONG ReadSettingValue(const char* name, void* destination, int width, DWORD defaultValue,
                      DWORD minimum, DWORD maximum)
{
    DWORD length = static_cast<DWORD>(width);
    LONG status = RegQueryValueExA(SettingsKeyHandle, name, nullptr, nullptr,
                                   static_cast<BYTE*>(destination), &length);
    if (status != ERROR_SUCCESS) {
        WriteSettingValue(name, defaultValue, width);
        StoreLowBytes(destination, defaultValue, width);
        return status;
    }

    // The range test reads the stored bytes at their own width; lengths of 0
    // or 3 are taken as they are.
    if (length == 1 || length == 2 || length == 4) {
        const BYTE* bytes = static_cast<const BYTE*>(destination);
        DWORD stored = 0;
        for (DWORD i = 0; i < length; i++)
            stored |= static_cast<DWORD>(bytes[i]) << (8 * i);
        if (stored < minimum || stored > maximum) {
            WriteSettingValue(name, defaultValue, width);
            StoreLowBytes(destination, defaultValue, static_cast<int>(length));
        }
    }
    return status;
}

// The stored drive when it is one letter "A" to "Z"; otherwise "C". Only a
// query: loading writes INSTALLDRIVE neither back nor repaired.
static char StoredInstallDrive()
{
    BYTE stored[2];
    DWORD length = sizeof stored;
    if (RegQueryValueExA(SettingsKeyHandle, VALUE_INSTALLDRIVE, nullptr, nullptr, stored, &length) !=
            ERROR_SUCCESS ||
        length != 1 || stored[0] < 'A' || stored[0] > 'Z')
        return 'C';
    return static_cast<char>(stored[0]);
}

void LoadSettings(LauncherSettings* settings)
{
    OpenSettingsKey();
    InstalledDrive = StoredInstallDrive();
    ReadSettingValue(VALUE_LANGUAGE, &settings->language, 4, 0, 0, 5);
    ReadSettingValue(VALUE_SOUND, &settings->sound, 4, 1, 0, 1);
    ReadSettingValue(VALUE_SPEECH, &settings->speech, 4, 1, 0, 1);
    ReadSettingValue(VALUE_CINEMATICS, &settings->cinematics, 4, 1, 0, 1);
    ReadSettingValue(VALUE_ACTIONPAN, &settings->actionPan, 4, 1, 0, 1);
    ReadSettingValue(VALUE_FULLSCREEN, &settings->fullScreen, 4, 0, 0, 1);
    CloseSettingsKey();
    // The registry keeps the stored language until the next save.
    settings->language = MapLanguage(settings->language);
}

void SaveSettings(const LauncherSettings* settings)
{
    OpenSettingsKey();
    WriteSettingValue(VALUE_LANGUAGE, static_cast<DWORD>(settings->language), 4);
    WriteSettingValue(VALUE_SOUND, static_cast<DWORD>(settings->sound), 4);
    WriteSettingValue(VALUE_SPEECH, static_cast<DWORD>(settings->speech), 4);
    WriteSettingValue(VALUE_CINEMATICS, static_cast<DWORD>(settings->cinematics), 4);
    WriteSettingValue(VALUE_ACTIONPAN, static_cast<DWORD>(settings->actionPan), 4);
    WriteSettingValue(VALUE_FULLSCREEN, static_cast<DWORD>(settings->fullScreen), 4);
    WriteSettingValue(VALUE_MISC, EditionMiscValue, 4);
    WriteSettingValue(VALUE_INSTALLDRIVE, static_cast<BYTE>(InstalledDrive), 1);
    CloseSettingsKey();

    WriteUninstallEntry();
}
