#include "uninstaller/remove_files.h"

#include <windows.h>

#include "installer/file_sets.h"
#include "installer/install_tree.h"
#include "runtime/text.h"
#include "settings/registry_layout.h"
#include "settings/settings_store.h"

// The install root on the stored drive.
static char RootPath[InstallRootCapacity];

// The search pattern and each found file's full name.
static char SearchPattern[PathCapacity];
static char FilePath[PathCapacity];
static char DirectoryPath[PathCapacity];

// Fills buffer with root + directory + name; false when that does not fit.
static bool BuildPath(char* buffer, const char* root, const char* directory, const char* name)
{
    return CopyText(buffer, PathCapacity, root) && AppendText(buffer, PathCapacity, directory) &&
           AppendText(buffer, PathCapacity, name);
}

// Succeeds only for an empty directory.
static void RemoveSubdirectory(const char* root, const char* name)
{
    if (BuildPath(DirectoryPath, root, name, ""))
        RemoveDirectoryA(DirectoryPath);
}

static void DeleteDirectoryFiles(const char* root, const char* directory)
{
    if (BuildPath(SearchPattern, root, directory, "*.*")) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(SearchPattern, &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                // Subdirectories, "." and ".." are not entered; any file is
                // taken whatever its attributes, and one that cannot be
                // deleted stays.
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    continue;
                // A name too long for the buffer is left in place rather than
                // written past its end; its directory then stays too.
                if (BuildPath(FilePath, root, directory, found.cFileName))
                    DeleteFileA(FilePath);
            } while (FindNextFileA(search, &found));
            // An open search would keep the directory busy.
            FindClose(search);
        }
    }
    RemoveSubdirectory(root, directory);
}

void RemoveInstalledFiles()
{
    CopyText(RootPath, InstallRootCapacity, InstallRootTemplate);
    // A missing, oversized or non-letter value is repaired to "C", which the
    // path already holds.
    OpenSettingsKey();
    ReadSettingValue(VALUE_INSTALLDRIVE, &RootPath[0], 1, 'C', 'A', 'Z');
    CloseSettingsKey();

    for (int i = 0; i < InstallDirectoryCount; i++)
        DeleteDirectoryFiles(RootPath, InstallDirectories[i]);
    RemoveSubdirectory(RootPath, "EDITOR\\");
    RemoveSubdirectory(RootPath, "SOUND\\");

    RootPath[QuorixEnd] = '\0';
    RemoveSubdirectory(RootPath, "QUORIX");
    RootPath[TalvexEnd] = '\0';
    RemoveSubdirectory(RootPath, "TALVEX");
}
