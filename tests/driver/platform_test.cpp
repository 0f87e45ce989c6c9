// Start-up: the refusal of every platform but Windows 95, and the choice
// between the uninstall mode and the launcher by the argument string.
#include "fixture.h"

namespace {

// Restores Windows 95 also when the test fails half-way (the fixture does it
// again in TearDown, and before the next test).
struct WineVersionGuard {
    explicit WineVersionGuard(const char* version)
    {
        drv::SetWineVersion(version);
    }
    ~WineVersionGuard()
    {
        drv::SetWineVersion("win95");
    }
};

struct RefusalCase {
    const char* name;
    const char* version;
    const char* arguments;
};

} // namespace

const RefusalCase Refusals[] = {
    {"WinXpLauncher", "winxp", ""},
    {"WinXpUninstall", "winxp", "-uninstall"},
    {"Win2000Launcher", "win2k", ""},
    {"Win7Uninstall", "win7", "-uninstall"},
};

namespace {

class PlatformRefusal : public DriverTest, public testing::WithParamInterface<RefusalCase> {};

} // namespace

static std::wstring StaticText(HWND box)
{
    std::wstring text;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM p) CALLBACK -> BOOL {
            char cls[32] = "";
            GetClassNameA(child, cls, sizeof cls);
            std::wstring t = drv::WindowText(child);
            if (lstrcmpiA(cls, "Static") == 0 && !t.empty()) {
                *reinterpret_cast<std::wstring*>(p) = t;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&text));
    return text;
}

TEST_P(PlatformRefusal, ErrorBoxThenExitZero)
{
    const RefusalCase& c = GetParam();
    drv::ScratchCd cd(drv::Join(scratch, "cd"), "english");
    WineVersionGuard version(c.version);
    ASSERT_TRUE(launcher.Start(cd.Path("QUORIX.EXE"), cd.root, c.arguments));
    HWND box = launcher.WaitForWindow("Error");
    ASSERT_NE(box, nullptr) << "no \"Error\" box";

    EXPECT_EQ(StaticText(box), L"Quorix requires Windows '95 to run...");
    // MB_OK: a single button, OK.
    int buttons = 0;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM p) CALLBACK -> BOOL {
            char cls[32] = "";
            GetClassNameA(child, cls, sizeof cls);
            if (lstrcmpiA(cls, "Button") == 0 && IsWindowVisible(child))
                ++*reinterpret_cast<int*>(p);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&buttons));
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(drv::FindDialog(launcher.pid(), drv::MainCaption), nullptr);
    // Nothing but the box: no settings read or written yet.
    EXPECT_FALSE(drv::KeyExists(HKEY_CURRENT_USER, drv::SettingsKey));

    ASSERT_TRUE(launcher.Click(IDOK));
    DWORD status = 1234;
    ASSERT_TRUE(launcher.WaitForExit(5000, &status));
    EXPECT_EQ(status, 0u);
    EXPECT_FALSE(drv::KeyExists(HKEY_CURRENT_USER, drv::SettingsKey));
    EXPECT_FALSE(drv::KeyExists(HKEY_LOCAL_MACHINE, drv::UninstallKey));
}

INSTANTIATE_TEST_SUITE_P(, PlatformRefusal, testing::ValuesIn(Refusals), CaseName());

namespace {

// Exactly "-uninstall" selects the uninstall mode; anything else starts the
// launcher. The quoted program name of the command line is not part of it.
struct DispatchCase {
    const char* name;
    const char* arguments; // behind the quoted program path and one blank
    bool launcher;
};

} // namespace

const DispatchCase DispatchCases[] = {
    {"NoArgument", "", true},
    {"Uninstall", "-uninstall", false},
    {"UninstallAfterBlanks", "   -uninstall", false},
    {"UninstallTrailingBlank", "-uninstall ", true},
    {"UninstallSecondWord", "-uninstall now", true},
    {"UninstallCapitals", "-UNINSTALL", true},
    {"OtherArgument", "-f", true},
};

namespace {

class Dispatch : public DriverTest, public testing::WithParamInterface<DispatchCase> {};

} // namespace

TEST_P(Dispatch, ArgumentChoosesMode)
{
    const DispatchCase& c = GetParam();
    drv::ScratchCd cd(drv::Join(scratch, "cd"), "german");
    std::string line = "\"" + cd.Path("QUORIX.EXE") + "\"";
    if (*c.arguments)
        line += std::string(" ") + c.arguments;
    ASSERT_TRUE(launcher.Start(cd.Path("QUORIX.EXE"), cd.root, "", line.c_str()));
    if (c.launcher) {
        EXPECT_NE(launcher.WaitForWindow(drv::MainCaption), nullptr);
        EXPECT_TRUE(drv::KeyExists(HKEY_CURRENT_USER, drv::SettingsKey));
    } else {
        // The uninstall mode asks its question and nothing of the launcher
        // is set up; Cancel ends it with status 0.
        HWND question = launcher.WaitForWindow("Uninstall Quorix for Windows '95");
        ASSERT_NE(question, nullptr);
        EXPECT_EQ(drv::FindDialog(launcher.pid(), drv::MainCaption), nullptr);
        PostMessageA(question, WM_COMMAND, IDCANCEL, 0);
        DWORD status = 1234;
        ASSERT_TRUE(launcher.WaitForExit(10000, &status));
        EXPECT_EQ(status, 0u);
        EXPECT_FALSE(drv::KeyExists(HKEY_CURRENT_USER, drv::SettingsKey));
    }
}

INSTANTIATE_TEST_SUITE_P(, Dispatch, testing::ValuesIn(DispatchCases), CaseName());
