// Dialog placement shared by the main, install and progress dialogs.
#pragma once
#include <windows.h>

// Moves the window's top-left corner to where a window of the given client
// size would stand centred on the screen. Only moves: no resize, no z-order.
void CentreWindow(HWND window, int clientWidth, int clientHeight);

// The same, by the client rectangle the window has now.
void CentreWindowByClientRect(HWND window);
