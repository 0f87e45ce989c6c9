// The patch directory registered under the machine key: the game is started
// from there when it is usable, and from the CD otherwise. Whatever is stored,
// the launcher keeps running.
#include "fixture.h"

namespace {

enum class Stored { NoKey, NoValue, String, Binary, Dword };
enum class Expect { CdGame, PatchGame, NamedInCdRoot };

struct PatchCase {
    const char* name;
    Stored stored;
    size_t length; // String, Binary: characters of the path, backslash included
    DWORD dword;   // Dword: the value
    Expect expect;
    const char* named; // NamedInCdRoot: the file the bytes name
};

} // namespace

const PatchCase PatchCases[] = {
    {"NoMachineKey", Stored::NoKey, 0, 0, Expect::CdGame, nullptr},
    {"KeyWithoutValue", Stored::NoValue, 0, 0, Expect::CdGame, nullptr},
    {"Empty", Stored::String, 0, 0, Expect::CdGame, nullptr},
    {"Short", Stored::String, 60, 0, Expect::PatchGame, nullptr},
    {"Chars69FillGamePath", Stored::String, 69, 0, Expect::PatchGame, nullptr},
    {"Chars70NoRoomForName", Stored::String, 70, 0, Expect::CdGame, nullptr},
    {"Chars78FillBuffer", Stored::String, 78, 0, Expect::CdGame, nullptr},
    {"Chars79BeyondBuffer", Stored::String, 79, 0, Expect::CdGame, nullptr},
    {"Chars150", Stored::String, 150, 0, Expect::CdGame, nullptr},
    // Bytes without a NUL: the end comes from the byte count.
    {"BinaryWithoutNul", Stored::Binary, 60, 0, Expect::PatchGame, nullptr},
    {"DwordZero", Stored::Dword, 0, 0, Expect::CdGame, nullptr},
    // The type is not examined: 'A', 0, 0, 0 is the directory "A".
    {"DwordLetter", Stored::Dword, 0, 0x41, Expect::NamedInCdRoot, "Aquorix.exw"},
};

// A directory under the work area whose path, trailing backslash included,
// has exactly `length` characters.
static std::string PathOfLength(size_t length)
{
    std::string base = drv::Join(drv::WorkRoot(), "pp\\");
    if (length < base.size() + 2)
        return std::string();
    return base + std::string(length - base.size() - 1, 'x') + "\\";
}

namespace {

class PatchPath : public DriverTest, public testing::WithParamInterface<PatchCase> {};

} // namespace

TEST_P(PatchPath, GameStartsFromUsablePatchOrCd)
{
    const PatchCase& c = GetParam();
    drv::ScratchCd cd(drv::Join(scratch, "cd"), "english");
    std::string cdGame = cd.Path("quorix.exw");
    StandIn(cdGame);

    std::string patchDir;
    if (c.stored == Stored::String || c.stored == Stored::Binary) {
        patchDir = PathOfLength(c.length);
        if (c.length > 0) {
            ASSERT_EQ(patchDir.size(), c.length) << "work area too deep for this case";
            drv::RemoveTree(patchDir);
            StandIn(patchDir + "quorix.exw");
        }
    }
    std::string named = c.named ? cd.Path(c.named) : std::string();
    if (c.named)
        StandIn(named);

    const char* key = drv::SettingsKey;
    switch (c.stored) {
    case Stored::NoKey:
        break;
    case Stored::NoValue:
        drv::WriteDword(HKEY_LOCAL_MACHINE, key, "Other", 1);
        break;
    case Stored::String:
        drv::WriteString(HKEY_LOCAL_MACHINE, key, "PatchPath", patchDir);
        break;
    case Stored::Binary:
        drv::WriteValue(
            HKEY_LOCAL_MACHINE, key, "PatchPath", REG_BINARY, patchDir.data(), static_cast<DWORD>(patchDir.size()));
        break;
    case Stored::Dword:
        drv::WriteDword(HKEY_LOCAL_MACHINE, key, "PatchPath", c.dword);
        break;
    }

    ASSERT_TRUE(launcher.Open(cd.Path("QUORIX.EXE"), cd.root));
    ASSERT_TRUE(launcher.Click(drv::MainFullScreen)); // full screen: " -f" stands behind the name
    ASSERT_TRUE(launcher.Click(drv::MainPlay));

    std::string started, line;
    switch (c.expect) {
    case Expect::CdGame:
        started = cdGame;
        line = ".\\quorix.exw -f";
        break;
    case Expect::PatchGame:
        started = patchDir + "quorix.exw";
        line = started + " -f";
        break;
    case Expect::NamedInCdRoot:
        started = named;
        line = std::string(c.named) + " -f";
        break;
    }
    ASSERT_TRUE(drv::WaitForRecords(started, 1)) << "not started: " << started;
    std::vector<drv::Record> r = drv::Records(started);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].commandLine, line);
    // The CD's root stays the current directory, also for a patched game.
    EXPECT_EQ(r[0].directory, cd.root);
    if (started != cdGame) {
        EXPECT_TRUE(drv::Records(cdGame).empty());
    }
    ASSERT_TRUE(drv::WaitForProcessEnd(r[0].pid, 5000));

    // Still alive and still starting: the guard saw the program end.
    EXPECT_TRUE(launcher.Running());
    ASSERT_TRUE(launcher.Click(drv::MainPlay));
    EXPECT_TRUE(drv::WaitForRecords(started, 2));
    if (!patchDir.empty() && c.length > 0)
        drv::RemoveTree(patchDir);
}

INSTANTIATE_TEST_SUITE_P(, PatchPath, testing::ValuesIn(PatchCases), CaseName());
