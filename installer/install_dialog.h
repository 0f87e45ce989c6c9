// The install dialog: drive C to Z, its free space, and the level.
#pragma once
#include <windows.h>

enum InstallLevel {
    LevelMinimum = 1,
    LevelStandard = 2,
    LevelFull = 3,
    LevelCancelled = 4,
};

// Free bytes each test asks for, compared as signed 32-bit numbers.
constexpr LONG MinimumLevelBytes = 47655632;
constexpr LONG StandardLevelBytes = 74391476;
constexpr LONG FullLevelBytes = 127511574;

constexpr int DriveCount = 24; // C to Z

// Per drive C..Z: has room for the smallest level. Refilled at each opening.
extern bool DriveAvailable[DriveCount];

// Free bytes of InstallDrive at the last query, or -1 when it failed.
extern LONG DriveFreeBytes;

// Free bytes of drive number (1 = A), cut to what Windows 95 reports, or -1.
LONG QueryDriveFreeBytes(int driveNumber);

// The dialog asks for free space through this; tests put in their own figures.
extern LONG (*FreeBytesOfDrive)(int driveNumber);

// Ends with an InstallLevel; the drive picked last stays in InstallDrive.
INT_PTR CALLBACK InstallDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
