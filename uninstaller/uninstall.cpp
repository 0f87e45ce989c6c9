#include "uninstaller/uninstall.h"

#include <windows.h>

#include "uninstaller/remove_files.h"
#include "uninstaller/remove_keys.h"

static const char QuestionCaption[] = "Uninstall Quorix for Windows '95";
static const char QuestionText[] = "About to uninstall \"Quorix for Windows '95\"...Are you sure?";
static const UINT QuestionStyle = MB_OKCANCEL | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND;

void Uninstall()
{
    // Cancel, Escape and the close box all answer IDCANCEL: nothing is touched.
    if (MessageBoxA(nullptr, QuestionText, QuestionCaption, QuestionStyle) != IDOK)
        return;
    // No step depends on an earlier one: the entry goes last and in any case,
    // so the product leaves the list even when files stay behind.
    RemoveInstalledFiles();
    RemoveRegistryKeys();
    RemoveUninstallEntry();
}
