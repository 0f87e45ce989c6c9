// The one question, and every way of saying no to it: nothing on the disk or
// in the registry changes, and the program ends with status 0.
#include "uninstall_fixture.h"

using uninst::Answer;

namespace {

struct RefusalCase {
    const char* name;
    Answer answer;
};

} // namespace

const RefusalCase Refusals[] = {
    {"Cancel", Answer::Cancel},
    {"CloseBox", Answer::CloseBox},
    {"Escape", Answer::Escape},
};

namespace {

class Refusal : public UninstallTest, public testing::WithParamInterface<RefusalCase> {};

} // namespace

TEST_P(Refusal, LeavesDiskAndRegistryAsTheyWere)
{
    ASSERT_TRUE(uninst::DriveMapped()) << "drive " << uninst::Drive() << " is not mapped";
    uninst::MakeFullInstall(uninst::Drive());
    uninst::MakeFullInstall("C:");
    uninst::FillRegistry(uninst::Drive().substr(0, 1));
    std::set<std::string> diskBefore = uninst::ListTree(uninst::Drive() + "\\TALVEX");
    std::set<std::string> cBefore = uninst::ListTree("C:\\TALVEX");
    std::string registryBefore = uninst::RegistryDump();
    ASSERT_FALSE(diskBefore.empty());

    ASSERT_TRUE(RunUninstall(GetParam().answer));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(uninst::ListTree(uninst::Drive() + "\\TALVEX"), diskBefore);
    EXPECT_EQ(uninst::ListTree("C:\\TALVEX"), cBefore);
    EXPECT_EQ(uninst::RegistryDump(), registryBefore);
}

INSTANTIATE_TEST_SUITE_P(, Refusal, testing::ValuesIn(Refusals), CaseName());

// The box of the real process: its text on one line, OK and Cancel and no
// other button, an icon.
TEST_F(UninstallTest, AsksOnceWithOkAndCancel)
{
    std::string exe = drv::Join(cdRoot, "QUORIX.EXE");
    ASSERT_TRUE(launcher.Start(exe, cdRoot, "-uninstall"));
    HWND box = launcher.WaitForWindow("Uninstall Quorix for Windows '95");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(launcher.Text(drv::MessageBoxText), L"About to uninstall \"Quorix for Windows '95\"...Are you sure?");
    EXPECT_NE(launcher.Item(IDOK), nullptr);
    EXPECT_NE(launcher.Item(IDCANCEL), nullptr);
    for (int other : {IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO})
        EXPECT_EQ(launcher.Item(other), nullptr) << "button " << other;
    // Icon handles are the asking process's own: that one is shown is what
    // can be seen from outside.
    HWND icon = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[32] = "";
        GetClassNameA(child, cls, sizeof cls);
        if (lstrcmpiA(cls, "Static") == 0 && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
            IsWindowVisible(child))
            icon = child;
    }
    ASSERT_NE(icon, nullptr) << "no icon in the box";
    DWORD_PTR shown = 0;
    SendMessageTimeoutA(icon, STM_GETICON, 0, 0, SMTO_NORMAL, 5000, &shown);
    EXPECT_NE(shown, 0u);
    ASSERT_TRUE(launcher.Click(IDCANCEL));
    ASSERT_TRUE(launcher.WaitForExit(30000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
}
