// The message after a file could not be copied: that the install stopped,
// which file and to where, the system's reason, and that the files copied
// before it were kept.
#pragma once
#include <windows.h>

// Longest source and destination path, the longest reason and the fixed
// words fit with room to spare.
constexpr int FailureTextCapacity = 1024;
constexpr int ReasonCapacity = 256;

extern char FailureText[FailureTextCapacity];

// Fills FailureText for the failed copy of source (relative to the CD) to
// destination, with the text the system gives for error.
void BuildCopyFailureText(const char* source, const char* destination, DWORD error);

// The message for the copy engine's failed file, over owner: a caption of
// its own, one OK button, the stop icon.
void ShowCopyFailure(HWND owner);
