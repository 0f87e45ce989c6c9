// What each install level copies: (CD directory, wildcard pattern) pairs, in
// order. Only files directly in a directory; the system's search matches the
// pattern without regard to case.
#pragma once

struct FilePair {
    const char* directory; // relative to the CD root, with its trailing backslash
    const char* pattern;
};

// The pairs of level 1 (Minimum) to 3 (Full); no pairs for any other level.
const FilePair* FileSetOf(int level, int* count);

// Every directory of the install tree that an install may fill, and
// EDITOR\ZONEG, which no level fills: what the uninstall empties and removes.
extern const char* const InstallDirectories[];
extern const int InstallDirectoryCount;
