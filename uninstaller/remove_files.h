// The install tree on the stored drive.
#pragma once

// Deletes the files of every install directory, then the directories up to
// X:\TALVEX; whatever cannot go stays, silently.
void RemoveInstalledFiles();
