// Starting the outside programs: the DirectX setup and the Windows game.
#pragma once

// "quorix.exw" behind the registered patch directory, or alone.
constexpr int GamePathCapacity = 80;
extern char GamePath[GamePathCapacity];
extern short HasPatchPath;

// Reads the patch directory from the machine key, once, at start-up.
void ReadPatchPath();

// Both start their program without waiting for it, and do nothing while the
// program started last still runs.
void RunDirectXSetup();
void LaunchGame();
