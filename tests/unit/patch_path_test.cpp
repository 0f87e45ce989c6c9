// The patch directory read at start-up, with every shape a value can have.
#include <gtest/gtest.h>

#include <string>

#include "launcher/launch.h"
#include "registry.h"
#include "settings/registry_layout.h"

namespace {

struct PatchCase {
    const char* label;
    bool keyExists;
    DWORD type;
    std::string bytes; // empty with keyExists: the key without the value
    std::string gamePath;
    short hasPatchPath;
};

} // namespace

static std::string Directory(size_t length)
{
    return "C:\\" + std::string(length - 4, 'P') + "\\";
}

TEST(PatchPath, GamePathFromTheMachineKey)
{
    const std::string d69 = Directory(69), d70 = Directory(70), d78 = Directory(78), d79 = Directory(79);
    const PatchCase cases[] = {
        {"no machine key", false, 0, "", "quorix.exw", 0},
        {"no value", true, 0, "", "quorix.exw", 0},
        {"empty string", true, REG_SZ, std::string(1, '\0'), "quorix.exw", 0},
        {"installed copy",
         true,
         REG_SZ,
         std::string("C:\\TALVEX\\QUORIX\\") + '\0',
         "C:\\TALVEX\\QUORIX\\quorix.exw",
         1},
        {"string without its NUL", true, REG_SZ, "D:\\GAME\\", "D:\\GAME\\quorix.exw", 1},
        {"69 characters", true, REG_SZ, d69 + '\0', d69 + "quorix.exw", 1},
        {"70 characters: no room for the name", true, REG_SZ, d70 + '\0', "quorix.exw", 0},
        {"78 characters", true, REG_SZ, d78 + '\0', "quorix.exw", 0},
        {"79 characters: more than offered", true, REG_SZ, d79 + '\0', "quorix.exw", 0},
        {"300 characters", true, REG_SZ, Directory(300) + '\0', "quorix.exw", 0},
        // Any type is taken as its bytes.
        {"a DWORD", true, REG_DWORD, std::string("A\0\0\0", 4), "Aquorix.exw", 1},
    };
    for (const PatchCase& c : cases) {
        ForgetEverything();
        if (c.keyExists && c.type == 0)
            WriteDword(HKEY_LOCAL_MACHINE, SETTINGS_KEY_PATH, "Other", 1);
        else if (c.keyExists)
            WriteValue(HKEY_LOCAL_MACHINE,
                       SETTINGS_KEY_PATH,
                       VALUE_PATCHPATH,
                       c.type,
                       c.bytes.data(),
                       static_cast<DWORD>(c.bytes.size()));
        ReadPatchPath();
        EXPECT_EQ(std::string(GamePath), c.gamePath) << c.label;
        EXPECT_EQ(HasPatchPath, c.hasPatchPath) << c.label;
    }
    ForgetEverything();
}
