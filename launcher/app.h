// What start-up keeps for the rest of the program.
#pragma once
#include <windows.h>

// The module every resource is loaded from.
extern HINSTANCE AppInstance;

// The main dialog's background picture, loaded once and never freed.
extern HBITMAP BackgroundBitmap;

// Returns only on Windows 95 (the Windows platform family); anywhere else it
// says so in a message box and ends the process with status 0.
void RequireWindows95();
