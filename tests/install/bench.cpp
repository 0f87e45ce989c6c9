// The install benchmark's Windows half: installs a level of a laid-out CD
// through the real QUORIX.EXE, timed from the level's click until the
// progress thread has ended, with the launcher's peak working set; then the
// same Full files copied by a plain CopyFileA loop, and what one synchronous
// cross-thread message costs here (the install sends one per 64 KiB chunk).
//   quorix_bench_install CD_DIR DRIVE_LETTER COPY_DIR
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

#include "driver.h"

namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

struct InstallTimes {
    double seconds = 0; // from the level's click until the progress thread has ended
    double copying = 0; // from the progress window's showing until then
    SIZE_T peak = 0;    // the launcher's peak working set
};

// Installs one level; false when a step did not come.
bool TimedInstall(const std::string& cd, char drive, int levelButton, InstallTimes* times)
{
    drv::RemoveTree(std::string(1, drive) + ":\\TALVEX");
    drv::Launcher launcher;
    if (!launcher.Open(cd + "\\QUORIX.EXE", cd))
        return false;
    PostMessageA(launcher.window(), WM_COMMAND, 205, 0);
    HWND install = drv::WaitForDialog(launcher.pid(), "Quorix for Windows 95 Install", 15000, 1);
    if (install == nullptr)
        return false;
    SendMessageA(install, WM_COMMAND, 1010 + (drive - 'C'), 0);
    LARGE_INTEGER start, shown, end;
    QueryPerformanceCounter(&start);
    PostMessageA(install, WM_COMMAND, levelButton, 0);
    HWND progress = drv::WaitForDialog(launcher.pid(), "Quorix for Windows 95 Install Progress", 15000, 1);
    if (progress == nullptr)
        return false;
    QueryPerformanceCounter(&shown);
    // The thread ends with its dialog: waiting on it costs the install nothing,
    // where polling the window would compete with it for the server.
    HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, GetWindowThreadProcessId(progress, nullptr));
    if (thread == nullptr)
        return false;
    DWORD waited = WaitForSingleObject(thread, 60000);
    QueryPerformanceCounter(&end);
    CloseHandle(thread);
    if (waited != WAIT_OBJECT_0)
        return false;
    times->seconds = Seconds(start, end);
    times->copying = Seconds(shown, end);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, launcher.pid());
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process, &counters, sizeof counters);
    CloseHandle(process);
    times->peak = counters.PeakWorkingSetSize;
    launcher.SysClose();
    launcher.WaitForExit(10000, nullptr);
    return true;
}

// The Full level's pairs.
const char* const FullPairs[][2] = {
    {"GAMEGFX\\", "*.*"},       {"EDITOR\\ZONEA\\", "MI*.*"}, {"EDITOR\\ZONEB\\", "MI*.*"},
    {"EDITOR\\ZONEC\\", "MI*.*"}, {"EDITOR\\ZONED\\", "MI*.*"}, {"EDITOR\\ZONEE\\", "MI*.*"},
    {"EDITOR\\ZONEF\\", "MI*.*"}, {"SOUND\\MIDI\\", "*.*"},     {"SOUND\\SFX\\", "*.*"},
    {"SOUND\\SPEECH\\", "*.*"},
};

// The Full level's files copied file by file with CopyFileA; counts the
// 64 KiB chunks that the install reads for them, the last short one
// included (a file of a whole number of chunks ends with an empty read).
double CopyFileLoop(const std::string& cd, const std::string& to, long* chunks)
{
    *chunks = 0;
    drv::RemoveTree(to);
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (const auto& pair : FullPairs) {
        std::string dir = to + "\\" + pair[0];
        drv::MakeDirs(dir);
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((cd + "\\" + pair[0] + pair[1]).c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            continue;
        do {
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                continue;
            CopyFileA((cd + "\\" + pair[0] + found.cFileName).c_str(), (dir + found.cFileName).c_str(), FALSE);
            *chunks += found.nFileSizeLow / 65536 + 1;
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    QueryPerformanceCounter(&end);
    return Seconds(start, end);
}

// A window on a thread of its own that answers WM_PAINT at once, as the
// progress window answers a paint request with an unmoved bar.
HWND EchoWindow;

LRESULT CALLBACK EchoProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT && InSendMessage())
        return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

DWORD WINAPI EchoThread(LPVOID)
{
    WNDCLASSA type{};
    type.lpfnWndProc = EchoProc;
    type.lpszClassName = "QuorixBenchEcho";
    RegisterClassA(&type);
    EchoWindow = CreateWindowA(type.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}

// Microseconds that one SendMessageA to a window of another thread takes.
double CrossThreadSendMicroseconds()
{
    const int rounds = 2000;
    HANDLE thread = CreateThread(nullptr, 0, EchoThread, nullptr, 0, nullptr);
    while (EchoWindow == nullptr)
        Sleep(1);
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < rounds; i++)
        SendMessageA(EchoWindow, WM_PAINT, 0, 0);
    QueryPerformanceCounter(&end);
    PostMessageA(EchoWindow, WM_QUIT, 0, 0);
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    return Seconds(start, end) * 1e6 / rounds;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: quorix_bench_install CD_DIR DRIVE_LETTER COPY_DIR\n");
        return 2;
    }
    std::string cd = argv[1], copy = argv[3];
    char drive = argv[2][0];
    InstallTimes minimum, full;
    if (!TimedInstall(cd, drive, 1003, &minimum) || !TimedInstall(cd, drive, 1005, &full)) {
        std::fprintf(stderr, "bench: an install step did not come\n");
        return 1;
    }
    long chunks = 0;
    double loop = CopyFileLoop(cd, copy, &chunks);
    double send = CrossThreadSendMicroseconds();
    std::printf("install_minimum_seconds %.3f\n", minimum.seconds);
    std::printf("install_full_seconds %.3f\n", full.seconds);
    std::printf("install_full_progress_window_seconds %.3f\n", full.copying);
    std::printf("copyfilea_full_seconds %.3f\n", loop);
    std::printf("full_paint_requests %ld\n", chunks);
    std::printf("cross_thread_send_microseconds %.1f\n", send);
    std::printf("full_paint_requests_seconds %.3f\n", chunks * send / 1e6);
    std::printf("peak_working_set_minimum_kib %zu\n", static_cast<size_t>(minimum.peak / 1024));
    std::printf("peak_working_set_full_kib %zu\n", static_cast<size_t>(full.peak / 1024));
    return 0;
}
