// The install benchmark's Windows half: installs a level of a laid-out CD
// through the real QUORIX.EXE, timed from the level's click until the
// progress window has gone, with the launcher's peak working set; then the
// same Full files copied by a plain CopyFileA loop.
//   quorix_bench_install CD_DIR DRIVE_LETTER COPY_DIR
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

#include "driver.h"

namespace {

HWND WaitForDialog(DWORD pid, const char* caption, DWORD timeoutMs)
{
    for (DWORD waited = 0; waited < timeoutMs; waited += 1) {
        HWND window = drv::FindDialog(pid, caption);
        if (window != nullptr && IsWindowVisible(window))
            return window;
        Sleep(1);
    }
    return nullptr;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

// Installs one level; false when a step did not come.
bool TimedInstall(const std::string& cd, char drive, int levelButton, double* seconds, SIZE_T* peak)
{
    drv::RemoveTree(std::string(1, drive) + ":\\TALVEX");
    drv::Launcher launcher;
    if (!launcher.Open(cd + "\\QUORIX.EXE", cd))
        return false;
    PostMessageA(launcher.window(), WM_COMMAND, 205, 0);
    HWND install = WaitForDialog(launcher.pid(), "Quorix for Windows 95 Install", 15000);
    if (install == nullptr)
        return false;
    SendMessageA(install, WM_COMMAND, 1010 + (drive - 'C'), 0);
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    PostMessageA(install, WM_COMMAND, levelButton, 0);
    HWND progress = WaitForDialog(launcher.pid(), "Quorix for Windows 95 Install Progress", 15000);
    if (progress == nullptr)
        return false;
    while (IsWindow(progress) && IsWindowVisible(progress))
        Sleep(1);
    QueryPerformanceCounter(&end);
    *seconds = Seconds(start, end);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, launcher.pid());
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process, &counters, sizeof counters);
    CloseHandle(process);
    *peak = counters.PeakWorkingSetSize;
    launcher.SysClose();
    launcher.WaitForExit(10000, nullptr);
    return true;
}

// The Full level's pairs, copied file by file with CopyFileA.
double CopyFileLoop(const std::string& cd, const std::string& to)
{
    const char* const pairs[][2] = {
        {"GAMEGFX\\", "*.*"},       {"EDITOR\\ZONEA\\", "MI*.*"}, {"EDITOR\\ZONEB\\", "MI*.*"},
        {"EDITOR\\ZONEC\\", "MI*.*"}, {"EDITOR\\ZONED\\", "MI*.*"}, {"EDITOR\\ZONEE\\", "MI*.*"},
        {"EDITOR\\ZONEF\\", "MI*.*"}, {"SOUND\\MIDI\\", "*.*"},     {"SOUND\\SFX\\", "*.*"},
        {"SOUND\\SPEECH\\", "*.*"},
    };
    drv::RemoveTree(to);
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (const auto& pair : pairs) {
        std::string dir = to + "\\" + pair[0];
        drv::MakeDirs(dir);
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((cd + "\\" + pair[0] + pair[1]).c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            continue;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                CopyFileA((cd + "\\" + pair[0] + found.cFileName).c_str(), (dir + found.cFileName).c_str(), FALSE);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    QueryPerformanceCounter(&end);
    return Seconds(start, end);
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
    double minimum = 0, full = 0;
    SIZE_T minimumPeak = 0, fullPeak = 0;
    if (!TimedInstall(cd, drive, 1003, &minimum, &minimumPeak) || !TimedInstall(cd, drive, 1005, &full, &fullPeak)) {
        std::fprintf(stderr, "bench: an install step did not come\n");
        return 1;
    }
    double loop = CopyFileLoop(cd, copy);
    std::printf("install_minimum_seconds %.3f\n", minimum);
    std::printf("install_full_seconds %.3f\n", full);
    std::printf("copyfilea_full_seconds %.3f\n", loop);
    std::printf("peak_working_set_minimum_kib %zu\n", static_cast<size_t>(minimumPeak / 1024));
    std::printf("peak_working_set_full_kib %zu\n", static_cast<size_t>(fullPeak / 1024));
    return 0;
}
