// The copy of one level from the CD (the current directory) into the install
// tree: a pass that sums the sizes, then a pass that copies in 64 KiB chunks.
#pragma once
#include <windows.h>

#include "installer/install_tree.h"

constexpr int StatusCapacity = 256;
constexpr DWORD CopyChunkBytes = 65536;
// Between two failed reads of the same chunk: the retries must not spin.
constexpr DWORD ReadRetryDelayMs = 50;

// "X:\TALVEX\QUORIX\" for the install drive X, with its trailing backslash.
extern char InstallRoot[InstallRootCapacity];

// The two lines the progress window shows for the file being copied; after a
// failed copy, that file's.
extern char StatusText[StatusCapacity];

// Set when a file could not be read, created or written whole: the copy
// stopped there as a cancel stops it. CopyError holds the system's error code,
// SourcePath (relative to the CD) and DestinationPath that file's paths.
extern bool CopyFailed;
extern DWORD CopyError;
extern char SourcePath[PathCapacity];
extern char DestinationPath[PathCapacity];

// Creates each directory along the path from its root, up to its last
// backslash. Failures, existing directories included, are ignored.
void CreatePathDirectories(const char* path);

// The size pass of one pair: adds its files' sizes to the level's total.
void AddPairSizes(const char* directory, const char* pattern);

// The copy pass of one pair: its directories, then its files until a stop.
void CopyPair(const char* directory, const char* pattern);

// Both passes over the level's pairs; the progress window must be up.
void RunFileSet(int level);
