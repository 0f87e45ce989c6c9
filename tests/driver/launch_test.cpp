// Starting the game and the DirectX setup from the CD: their command lines
// and current directories, and the guard that refuses a start while the
// program started last still runs.
#include "fixture.h"

#include <memory>

namespace {

class Launching : public DriverTest {
protected:
    void OpenWithStandIns(const char* edition, bool holdGame = false, DWORD gameCode = 0, bool holdSetup = false,
                          DWORD setupCode = 0)
    {
        cd = std::make_unique<drv::ScratchCd>(drv::Join(scratch, "cd"), edition);
        game = cd->Path("quorix.exw");
        setup = cd->Path("directx\\dxsetup.exe");
        StandIn(game, holdGame, gameCode);
        StandIn(setup, holdSetup, setupCode);
        ASSERT_TRUE(launcher.Open(cd->Path("QUORIX.EXE"), cd->root));
    }

    // A refused start shows nothing: the sign is that no new start is
    // recorded within a time a start takes many times over.
    void ExpectNoNewStart(const std::string& exe, size_t before)
    {
        EXPECT_FALSE(drv::WaitForRecords(exe, before + 1, 1000)) << exe << " was started";
    }

    std::unique_ptr<drv::ScratchCd> cd;
    std::string game, setup;
};

struct GameLineCase {
    const char* name;
    bool fullScreen;
    const char* commandLine;
};

} // namespace

const GameLineCase GameLines[] = {
    {"Windowed", false, ".\\quorix.exw"},
    {"FullScreen", true, ".\\quorix.exw -f"},
};

namespace {

class GameCommandLine : public Launching, public testing::WithParamInterface<GameLineCase> {};

} // namespace

TEST_P(GameCommandLine, StartsCdGameFromCdRoot)
{
    const GameLineCase& c = GetParam();
    OpenWithStandIns("english");
    if (c.fullScreen) {
        ASSERT_TRUE(launcher.Click(drv::MainFullScreen));
    }
    drv::DeleteKey(HKEY_LOCAL_MACHINE, drv::UninstallKey);
    ASSERT_TRUE(launcher.Click(drv::MainPlay));
    ASSERT_TRUE(drv::WaitForRecords(game, 1));
    std::vector<drv::Record> r = drv::Records(game);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].commandLine, c.commandLine);
    EXPECT_EQ(r[0].directory, cd->root);
    // The game button saves before it starts.
    EXPECT_TRUE(drv::KeyExists(HKEY_LOCAL_MACHINE, drv::UninstallKey));
    EXPECT_TRUE(drv::Records(setup).empty());
}

INSTANTIATE_TEST_SUITE_P(, GameCommandLine, testing::ValuesIn(GameLines), CaseName());

TEST_F(Launching, DirectXSetupStartsInItsDirectoryWithoutArguments)
{
    OpenWithStandIns("multilingual");
    ASSERT_TRUE(launcher.Click(drv::MainFullScreen)); // full screen is the game's alone
    drv::DeleteKey(HKEY_LOCAL_MACHINE, drv::UninstallKey);
    ASSERT_TRUE(launcher.Click(drv::MainSetupDirectX));
    ASSERT_TRUE(drv::WaitForRecords(setup, 1));
    std::vector<drv::Record> r = drv::Records(setup);
    ASSERT_EQ(r.size(), 1u);
    std::string rest;
    EXPECT_EQ(drv::FirstWord(r[0].commandLine, &rest), "directx\\dxsetup.exe") << r[0].commandLine;
    EXPECT_EQ(rest, "") << r[0].commandLine;
    EXPECT_EQ(r[0].directory, cd->Path("directx"));
    EXPECT_TRUE(drv::KeyExists(HKEY_LOCAL_MACHINE, drv::UninstallKey));
    EXPECT_TRUE(drv::Records(game).empty());
}

namespace {

// Whichever program runs, both buttons are refused; once it has ended the
// next press starts.
struct GuardCase {
    const char* name;
    bool gameFirst;
};

} // namespace

const GuardCase GuardCases[] = {{"GameRunning", true}, {"SetupRunning", false}};

namespace {

class StartGuard : public Launching, public testing::WithParamInterface<GuardCase> {};

} // namespace

TEST_P(StartGuard, BlocksBothButtonsUntilProgramEnds)
{
    bool gameFirst = GetParam().gameFirst;
    OpenWithStandIns("german", gameFirst, 0, !gameFirst, 0);
    const std::string& first = gameFirst ? game : setup;
    const std::string& other = gameFirst ? setup : game;
    int firstButton = gameFirst ? drv::MainPlay : drv::MainSetupDirectX;
    int otherButton = gameFirst ? drv::MainSetupDirectX : drv::MainPlay;

    ASSERT_TRUE(launcher.Click(firstButton));
    ASSERT_TRUE(drv::WaitForRecords(first, 1));
    DWORD pid = drv::Records(first)[0].pid;

    ASSERT_TRUE(launcher.Click(firstButton));
    ASSERT_TRUE(launcher.Click(otherButton));
    ExpectNoNewStart(first, 1);
    ExpectNoNewStart(other, 0);

    drv::ReleaseStandIns();
    ASSERT_TRUE(drv::WaitForProcessEnd(pid, 5000));
    drv::SetStandInMode(first, false, 0);
    ASSERT_TRUE(launcher.Click(otherButton));
    EXPECT_TRUE(drv::WaitForRecords(other, 1));
    ASSERT_TRUE(drv::WaitForProcessEnd(drv::Records(other).at(0).pid, 5000));
    ASSERT_TRUE(launcher.Click(firstButton));
    EXPECT_TRUE(drv::WaitForRecords(first, 2));
}

INSTANTIATE_TEST_SUITE_P(, StartGuard, testing::ValuesIn(GuardCases), CaseName());

namespace {

// An exit code of 259 cannot be told from a running program: no start
// happens again in this run. Any other code lets the next start go ahead.
struct ExitCodeCase {
    const char* name;
    DWORD code;
    bool startsAgain;
};

} // namespace

const ExitCodeCase ExitCodes[] = {
    {"Code1", 1, true},
    {"Code259", 259, false},
};

namespace {

class EndedProgram : public Launching, public testing::WithParamInterface<ExitCodeCase> {};

} // namespace

TEST_P(EndedProgram, ExitCodeDecidesNextStart)
{
    const ExitCodeCase& c = GetParam();
    OpenWithStandIns("english", false, c.code);
    ASSERT_TRUE(launcher.Click(drv::MainPlay));
    ASSERT_TRUE(drv::WaitForRecords(game, 1));
    DWORD code = 0;
    ASSERT_TRUE(drv::WaitForProcessEnd(drv::Records(game)[0].pid, 5000, &code));
    ASSERT_EQ(code, c.code);

    ASSERT_TRUE(launcher.Click(drv::MainSetupDirectX));
    if (c.startsAgain) {
        EXPECT_TRUE(drv::WaitForRecords(setup, 1));
    } else {
        ExpectNoNewStart(setup, 0);
        ASSERT_TRUE(launcher.Click(drv::MainPlay));
        ExpectNoNewStart(game, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(, EndedProgram, testing::ValuesIn(ExitCodes), CaseName());

// Nothing to start: the press passes silently and the dialog carries on.
TEST_F(Launching, MissingProgramsLeaveDialogRunning)
{
    cd = std::make_unique<drv::ScratchCd>(drv::Join(scratch, "cd"), "multilingual");
    ASSERT_TRUE(launcher.Open(cd->Path("QUORIX.EXE"), cd->root));
    ASSERT_TRUE(launcher.Click(drv::MainPlay));
    ASSERT_TRUE(launcher.Click(drv::MainSetupDirectX));
    EXPECT_TRUE(launcher.Running());
    // A later program is still started: a failed start leaves no guard.
    StandIn(cd->Path("quorix.exw"));
    ASSERT_TRUE(launcher.Click(drv::MainPlay));
    EXPECT_TRUE(drv::WaitForRecords(cd->Path("quorix.exw"), 1));
}
