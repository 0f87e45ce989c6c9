#include "uninstaller/remove_keys.h"

#include <windows.h>

#include "settings/registry_layout.h"
#include "settings/settings_store.h"

// Room for a subkey's name. A longer name makes the enumeration report
// ERROR_MORE_DATA, which still counts as a subkey.
static const DWORD SubkeyNameCapacity = 70;

// A maker key may hold other products: it goes only when no subkey is left.
// Values held directly in it do not count.
static void DeleteKeyIfEmpty(HKEY rootKey, const char* path)
{
    if (RegOpenKeyExA(rootKey, path, 0, KEY_ALL_ACCESS, &SettingsKeyHandle) != ERROR_SUCCESS)
        return;
    char name[SubkeyNameCapacity];
    DWORD nameLength = SubkeyNameCapacity;
    // Only the status of the first subkey's enumeration counts.
    LONG status = RegEnumKeyExA(SettingsKeyHandle, 0, name, &nameLength, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_NO_MORE_ITEMS)
        RegDeleteKeyA(rootKey, path);
    RegCloseKey(SettingsKeyHandle);
}

void RemoveRegistryKeys()
{
    // Each key after its subkey: where a deletion takes only keys without
    // subkeys, the order still clears the whole chain.
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, SETTINGS_KEY_PATH);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, PRODUCT_KEY_PATH);
    RegDeleteKeyA(HKEY_CURRENT_USER, SETTINGS_KEY_PATH);
    RegDeleteKeyA(HKEY_CURRENT_USER, PRODUCT_KEY_PATH);
    DeleteKeyIfEmpty(HKEY_LOCAL_MACHINE, MAKER_KEY_PATH);
    DeleteKeyIfEmpty(HKEY_CURRENT_USER, MAKER_KEY_PATH);
}

void RemoveUninstallEntry()
{
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, UNINSTALL_ENTRY_PATH);
}
