// The progress window: a dialog on a thread of its own, so that it answers
// while the installing thread copies without a message loop.
#pragma once
#include <windows.h>

#include "installer/progress_shared.h"

// The bar position last drawn by a redraw check; lives for the whole run.
extern LONG LastDrawnPosition;

// Sent by the installing thread, synchronously, to end the dialog in order
// once the copy is complete.
constexpr UINT ProgressEndMessage = WM_APP + 1;

// Runs the dialog "ProgressDlg" without owner; returns its result.
DWORD WINAPI ProgressThreadProc(LPVOID);

INT_PTR CALLBACK ProgressDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Frame, filled and empty part of the bar at one reading of barPosition, and
// the percentage.
void DrawProgressBar(HWND window);
