// Where everything that outlives a run is kept: keys and value names.
#pragma once

// The settings key under HKEY_CURRENT_USER; the machine key, the same path
// under HKEY_LOCAL_MACHINE, holds the patch directory.
#define SETTINGS_KEY_PATH "Software\\Talvex\\Quorix\\1.00"
#define PRODUCT_KEY_PATH "Software\\Talvex\\Quorix"
#define MAKER_KEY_PATH "Software\\Talvex"
#define UNINSTALL_ENTRY_PATH "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quorix"

#define VALUE_LANGUAGE "LANGUAGE"
#define VALUE_SOUND "SOUND"
#define VALUE_SPEECH "SPEECH"
#define VALUE_CINEMATICS "CINEMATICS"
#define VALUE_ACTIONPAN "ACTIONPAN"
#define VALUE_FULLSCREEN "FULLSCREEN"
#define VALUE_MISC "MISC"
#define VALUE_INSTALLDRIVE "INSTALLDRIVE"
#define VALUE_PATCHPATH "PatchPath"
#define VALUE_DISPLAYNAME "DisplayName"
#define VALUE_UNINSTALLSTRING "UninstallString"

#define PRODUCT_DISPLAY_NAME "Quorix for Windows '95"
