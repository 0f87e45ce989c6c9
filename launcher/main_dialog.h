// The launcher's one long-lived window: options, buttons, background picture.
#pragma once
#include <windows.h>

#include "settings/settings_store.h"

// The options on screen, saved after every change.
extern LauncherSettings Settings;

// The client size of the last WM_SIZE; -1 until the first.
extern short ClientWidth;
extern short ClientHeight;

INT_PTR CALLBACK MainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
