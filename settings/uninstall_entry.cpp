#include "settings/uninstall_entry.h"

#include <windows.h>

#include "runtime/text.h"
#include "settings/registry_layout.h"
#include "settings/settings_store.h"

// The longest current directory the command holds (199 characters) and its NUL.
constexpr DWORD DirectoryCapacity = 200;

static char UninstallCommand[UninstallCommandCapacity];

static bool HasBlank(const char* text)
{
    for (; *text != '\0'; text++) {
        if (*text == ' ')
            return true;
    }
    return false;
}

bool BuildUninstallCommand(char* command)
{
    char directory[DirectoryCapacity];
    DWORD length = GetCurrentDirectoryA(DirectoryCapacity, directory);
    if (length == 0 || length >= DirectoryCapacity)
        return false;

    bool quoted = HasBlank(directory);
    command[0] = '\0';
    if (quoted)
        AppendText(command, UninstallCommandCapacity, "\"");
    AppendText(command, UninstallCommandCapacity, directory);
    // Windows reports a drive root with its backslash, any other directory
    // without.
    if (directory[length - 1] != '\\')
        AppendText(command, UninstallCommandCapacity, "\\");
    AppendText(command, UninstallCommandCapacity, "QUORIX.EXE");
    if (quoted)
        AppendText(command, UninstallCommandCapacity, "\"");
    AppendText(command, UninstallCommandCapacity, " -uninstall");
    return true;
}

void WriteUninstallEntry()
{
    if (!BuildUninstallCommand(UninstallCommand))
        return;

    HKEY entry;
    if (CreateDataKey(HKEY_LOCAL_MACHINE, UNINSTALL_ENTRY_PATH, &entry) != ERROR_SUCCESS)
        return;
    const BYTE* name = reinterpret_cast<const BYTE*>(PRODUCT_DISPLAY_NAME);
    RegSetValueExA(entry, VALUE_DISPLAYNAME, 0, REG_SZ, name, sizeof PRODUCT_DISPLAY_NAME);
    RegSetValueExA(entry,
                   VALUE_UNINSTALLSTRING,
                   0,
                   REG_SZ,
                   reinterpret_cast<const BYTE*>(UninstallCommand),
                   static_cast<DWORD>(TextLength(UninstallCommand) + 1));
    RegCloseKey(entry);
}
