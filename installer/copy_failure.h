// The message after a file could not be copied: that the install stopped,
// which file and to where, the system's reason, and that the files copied
// before it were kept.
#pragma once
#include <windows.h>

// The message for the copy engine's failed file, over owner: a caption of
// its own, one OK button, the stop icon.
void ShowCopyFailure(HWND owner);
