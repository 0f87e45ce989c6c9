// The install tree, "X:\TALVEX\QUORIX\" on the install drive X: its root and
// the room for the paths in it, for the install and the uninstall alike.
#pragma once

// The root on drive C; the first character becomes the install drive.
constexpr char InstallRootTemplate[] = "C:\\TALVEX\\QUORIX\\";
constexpr int InstallRootCapacity = 80;

// Any file's or search pattern's path in the tree, and on the CD.
constexpr int PathCapacity = 128;

// Where the root is cut to reach its two top directories: "X:\" and
// "X:\TALVEX\".
constexpr int TalvexEnd = 3;
constexpr int QuorixEnd = 10;
static_assert(InstallRootTemplate[TalvexEnd - 1] == '\\' && InstallRootTemplate[QuorixEnd - 1] == '\\',
              "each end must follow a backslash");
