#include "uninstaller/remove_files.h"

#include <windows.h>

#include "runtime/text.h"
#include "settings/registry_layout.h"
#include "settings/settings_store.h"

// The install root; its first character becomes the stored drive letter, and
// the two top directories are cut off at fixed positions.
static const int kRootCapacity = 80;
static const char kRootTemplate[] = "C:\\TALVEX\\QUORIX\\";
static const int kTalvexEnd = 3;   // "X:\"
static const int kQuorixEnd = 10;  // "X:\TALVEX\"
static char RootPath[kRootCapacity];

// The search pattern and each found file's full name.
static const int kPathCapacity = 128;
static char SearchPattern[kPathCapacity];
static char FilePath[kPathCapacity];
static char DirectoryPath[kPathCapacity];

// Every directory an install level fills, and ZONEG, which none fills.
static const char* const kInstallDirectories[] = {
    "GAMEGFX\\",
    "EDITOR\\ZONEA\\",
    "EDITOR\\ZONEB\\",
    "EDITOR\\ZONEC\\",
    "EDITOR\\ZONED\\",
    "EDITOR\\ZONEE\\",
    "EDITOR\\ZONEF\\",
    "EDITOR\\ZONEG\\",
    "SOUND\\MIDI\\",
    "SOUND\\SFX\\",
    "SOUND\\SPEECH\\",
};

// Fills buffer with root + directory + name; false when that does not fit.
static bool BuildPath(char* buffer, const char* root, const char* directory, const char* name)
{
    return CopyText(buffer, kPathCapacity, root) && AppendText(buffer, kPathCapacity, directory) &&
           AppendText(buffer, kPathCapacity, name);
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
    CopyText(RootPath, kRootCapacity, kRootTemplate);
    // A missing, oversized or non-letter value is repaired to "C", which the
    // path already holds.
    OpenSettingsKey();
    ReadSettingValue(VALUE_INSTALLDRIVE, &RootPath[0], 1, 'C', 'A', 'Z');
    CloseSettingsKey();

    for (const char* directory : kInstallDirectories)
        DeleteDirectoryFiles(RootPath, directory);
    RemoveSubdirectory(RootPath, "EDITOR\\");
    RemoveSubdirectory(RootPath, "SOUND\\");

    RootPath[kQuorixEnd] = '\0';
    RemoveSubdirectory(RootPath, "QUORIX");
    RootPath[kTalvexEnd] = '\0';
    RemoveSubdirectory(RootPath, "TALVEX");
}
