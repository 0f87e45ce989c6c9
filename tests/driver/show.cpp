// Brings the real QUORIX.EXE of a laid-out CD to one of the views the README
// shows, for a screenshot, and then keeps it there until it is ended:
//   main      the main dialog
//   install   the install dialog over it
//   progress  the progress window part-way through a Full install to C:, the
//             installing thread held so that the picture stays
// Prints "ready" once the view is up (or what did not come, with status 1).
//   quorix_show STAGE CD_DIR
#include <windows.h>

#include <cstdio>
#include <string>

#include "driver.h"

static int Fail(const char* what)
{
    std::printf("%s did not come\n", what);
    std::fflush(stdout);
    return 1;
}

// Until the progress window has named this many files.
static bool WaitForFiles(HWND progress, int files)
{
    std::string last;
    int seen = 0;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 60000; Sleep(1)) {
        char status[256] = "";
        GetWindowTextA(GetDlgItem(progress, drv::ProgressStatus), status, sizeof status);
        if (status[0] != '\0' && last != status) {
            last = status;
            if (++seen == files)
                return true;
        }
    }
    return false;
}

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: quorix_show main|install|progress CD_DIR\n");
        return 2;
    }
    std::string stage = argv[1], cd = argv[2];
    drv::Launcher launcher;
    if (!launcher.Open(cd + "\\QUORIX.EXE", cd))
        return Fail("the main dialog");
    if (stage != "main") {
        HWND install = launcher.OpenInstallDialog();
        if (install == nullptr)
            return Fail("the install dialog");
        if (stage == "progress") {
            PostMessageA(install, WM_COMMAND, drv::InstallFull, 0);
            HWND progress = drv::WaitForDialog(launcher.pid(), drv::ProgressCaption);
            if (progress == nullptr || !WaitForFiles(progress, 8))
                return Fail("the progress window");
            // The copy runs on the main dialog's thread; the progress window
            // has a thread of its own and still paints.
            HANDLE copying =
                OpenThread(THREAD_SUSPEND_RESUME, FALSE, GetWindowThreadProcessId(launcher.window(), nullptr));
            if (copying == nullptr || SuspendThread(copying) == static_cast<DWORD>(-1))
                return Fail("the held install");
            RedrawWindow(progress, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        }
    }
    std::printf("ready\n");
    std::fflush(stdout);
    Sleep(INFINITE);
    return 0;
}
