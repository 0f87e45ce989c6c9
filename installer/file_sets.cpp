#include "installer/file_sets.h"

#include "installer/install_dialog.h"

static const FilePair MinimumSet[] = {
    {"GAMEGFX\\", "*.SMK"},
};

static const FilePair StandardSet[] = {
    {"GAMEGFX\\", "*.*"},
    {"SOUND\\MIDI\\", "*.*"},
    {"SOUND\\SFX\\", "*.*"},
    {"SOUND\\SPEECH\\", "*.*"},
};

static const FilePair FullSet[] = {
    {"GAMEGFX\\", "*.*"},
    {"EDITOR\\ZONEA\\", "MI*.*"},
    {"EDITOR\\ZONEB\\", "MI*.*"},
    {"EDITOR\\ZONEC\\", "MI*.*"},
    {"EDITOR\\ZONED\\", "MI*.*"},
    {"EDITOR\\ZONEE\\", "MI*.*"},
    {"EDITOR\\ZONEF\\", "MI*.*"},
    {"SOUND\\MIDI\\", "*.*"},
    {"SOUND\\SFX\\", "*.*"},
    {"SOUND\\SPEECH\\", "*.*"},
};

const char* const InstallDirectories[] = {
    "GAMEGFX\\",
    "EDITOR\\ZONEA\\",
    "EDITOR\\ZONEB\\",
    "EDITOR\\ZONEC\\",
    "EDITOR\\ZONED\\",
    "EDITOR\\ZONEE\\",
    "EDITOR\\ZONEF\\",
    "EDITOR\\ZONEG\\",
    "SOUND\\MIDI\\",
    "SOUND\\SFX\\",
    "SOUND\\SPEECH\\",
};
const int InstallDirectoryCount = sizeof InstallDirectories / sizeof InstallDirectories[0];

template <int N> static const FilePair* Set(const FilePair (&pairs)[N], int* count)
{
    *count = N;
    return pairs;
}

const FilePair* FileSetOf(int level, int* count)
{
    switch (level) {
    case LevelMinimum:
        return Set(MinimumSet, count);
    case LevelStandard:
        return Set(StandardSet, count);
    case LevelFull:
        return Set(FullSet, count);
    }
    *count = 0;
    return nullptr;
}
