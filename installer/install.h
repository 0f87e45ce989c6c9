// The install: install dialog, copy of the chosen level, progress window.
#pragma once
#include <windows.h>

// Runs a whole install, owned by the main dialog; returns when it is over.
void RunInstall(HWND owner);

// The install after the dialog: InstallRoot names the chosen drive. Makes the
// root's directories, runs the progress window and the copy of the level,
// ends the window and stores the drive; a failed copy is reported last.
void InstallLevelFiles(HWND owner, int level);
