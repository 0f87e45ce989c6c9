// The install: install dialog, copy of the chosen level, progress window.
#pragma once
#include <windows.h>

// Runs a whole install, owned by the main dialog; returns when it is over.
void RunInstall(HWND owner);
