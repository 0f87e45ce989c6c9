#include "installer/progress_thread.h"

#include "installer/progress_window.h"

constexpr DWORD ProgressStackBytes = 4096;
// How long the progress thread may take to go once its dialog has ended.
constexpr DWORD ProgressEndWaitMs = 10000;

void StartProgressThread()
{
    Progress.cancelRequested = 0;
    Progress.barPosition = 0;
    Progress.progressWindow = nullptr;
    Progress.progressThreadId = ProgressThreadGone;
    // Suspended until its id is stored: it would mark itself gone otherwise
    // before the id could overwrite that, were its dialog to fail at once.
    DWORD id;
    Progress.progressThread =
        CreateThread(nullptr, ProgressStackBytes, ProgressThreadProc, nullptr, CREATE_SUSPENDED, &id);
    if (Progress.progressThread == nullptr)
        return;
    Progress.progressThreadId = id;
    ResumeThread(Progress.progressThread);
}

bool WaitForProgressWindow()
{
    if (Progress.progressThread == nullptr)
        return false;
    while (Progress.progressWindow == nullptr)
        if (WaitForSingleObject(Progress.progressThread, 1) == WAIT_OBJECT_0)
            return Progress.progressWindow != nullptr;
    return true;
}

void EndProgressThread()
{
    if (Progress.progressThread == nullptr)
        return;
    // Still open after a complete copy: it ends as on a cancel, at once.
    if (Progress.progressThreadId != ProgressThreadGone)
        SendMessageA(Progress.progressWindow, ProgressEndMessage, 0, 0);
    if (WaitForSingleObject(Progress.progressThread, ProgressEndWaitMs) == WAIT_TIMEOUT)
        TerminateThread(Progress.progressThread, 0);
    CloseHandle(Progress.progressThread);
    Progress.progressThread = nullptr;
}
