#include "settings/settings_store.h"

#include "launcher/edition.h"
#include "launcher/languages.h"
#include "settings/registry_layout.h"
#include "settings/uninstall_entry.h"

HKEY SettingsKeyHandle;
char InstallDrive = 'C';
char InstalledDrive = 'C';

LONG CreateDataKey(HKEY root, const char* path, HKEY* key)
{
    DWORD disposition;
    char keyClass[] = "DATA";
    return RegCreateKeyExA(
        root, path, 0, keyClass, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, key, &disposition);
}

void OpenSettingsKey()
{
    // A handle left over from an earlier operation must not receive values.
    if (CreateDataKey(HKEY_CURRENT_USER, SETTINGS_KEY_PATH, &SettingsKeyHandle) != ERROR_SUCCESS)
        SettingsKeyHandle = nullptr;
}

void CloseSettingsKey()
{
    RegCloseKey(SettingsKeyHandle);
}

// The registry's order: the least significant byte first.
static void PackLowBytes(void* destination, DWORD value, int count)
{
    BYTE* bytes = static_cast<BYTE*>(destination);
    for (int i = 0; i < count; i++)
        bytes[i] = static_cast<BYTE>(value >> (8 * i));
}

static DWORD UnpackLowBytes(const void* source, int count)
{
    const BYTE* bytes = static_cast<const BYTE*>(source);
    DWORD value = 0;
    for (int i = 0; i < count; i++)
        value |= static_cast<DWORD>(bytes[i]) << (8 * i);
    return value;
}

LONG WriteSettingValue(const char* name, DWORD value, int width)
{
    BYTE bytes[4];
    PackLowBytes(bytes, value, width);
    DWORD type = width == 4 ? REG_DWORD : REG_BINARY;
    return RegSetValueExA(SettingsKeyHandle, name, 0, type, bytes, static_cast<DWORD>(width));
}

LONG ReadSettingValue(const char* name, void* destination, int width, DWORD defaultValue, DWORD minimum, DWORD maximum)
{
    DWORD length = static_cast<DWORD>(width);
    LONG status = RegQueryValueExA(SettingsKeyHandle, name, nullptr, nullptr, static_cast<BYTE*>(destination), &length);
    if (status != ERROR_SUCCESS) {
        WriteSettingValue(name, defaultValue, width);
        PackLowBytes(destination, defaultValue, width);
        return status;
    }

    // The range test reads the stored bytes at their own width. Values of 0
    // or 3 bytes are taken as they are, unrepaired: the program has always
    // left them so.
    if (length == 1 || length == 2 || length == 4) {
        DWORD stored = UnpackLowBytes(destination, static_cast<int>(length));
        if (stored < minimum || stored > maximum) {
            WriteSettingValue(name, defaultValue, width);
            PackLowBytes(destination, defaultValue, static_cast<int>(length));
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
    if (RegQueryValueExA(SettingsKeyHandle, VALUE_INSTALLDRIVE, nullptr, nullptr, stored, &length) != ERROR_SUCCESS ||
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
