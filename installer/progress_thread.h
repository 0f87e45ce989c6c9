// The installing thread's side of the progress window: it starts the thread
// that runs the window, waits for the window, and ends it after the copy.
#pragma once
#include <windows.h>

// Starts the progress thread with a small stack; Progress.progressThread is
// null when it could not be made.
void StartProgressThread();

// Until the dialog has published its window (true), or the thread has ended
// without one (its dialog could not be made).
bool WaitForProgressWindow();

// Ends the window if it is still open, waits for its thread and closes it.
void EndProgressThread();
