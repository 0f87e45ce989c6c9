// The install benchmark's Windows half: installs a level of a laid-out CD
// through the real QUORIX.EXE, timed from the level's click until the
// progress thread has ended, with the launcher's peak working set; then the
// same Full files copied by a plain CopyFileA loop; then what the progress
// protocol itself costs at this width, measured on the program's own progress
// window in this process: its creation and end, a paint request with the bar
// unmoved (the install sends one per 64 KiB chunk) and what a drawing of the
// bar adds to one.
//   quorix_bench_install CD_DIR DRIVE_LETTER COPY_DIR   (CD_DIR a folder or a CD's root, D:\)
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "driver.h"
#include "installer/copy_engine.h"
#include "installer/file_sets.h"
#include "installer/install_dialog.h"
#include "installer/progress_shared.h"
#include "installer/progress_thread.h"
#include "launcher/app.h"

static double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

namespace {

struct InstallTimes {
    double seconds = 0; // from the level's click until the progress thread has ended
    double copying = 0; // from the progress window's showing until then
    SIZE_T peak = 0;    // the launcher's peak working set
};

} // namespace

// Installs one level; false when a step did not come.
static bool TimedInstall(const std::string& cd, char drive, int levelButton, InstallTimes* times)
{
    drv::RemoveTree(std::string(1, drive) + ":\\TALVEX");
    drv::Launcher launcher;
    if (!launcher.Open(drv::Join(cd, "QUORIX.EXE"), cd))
        return false;
    HWND install = launcher.OpenInstallDialog(1);
    if (install == nullptr)
        return false;
    SendMessageA(install, WM_COMMAND, drv::InstallDrive(drive), 0);
    LARGE_INTEGER start, shown, end;
    QueryPerformanceCounter(&start);
    PostMessageA(install, WM_COMMAND, levelButton, 0);
    HWND progress = drv::WaitForDialog(launcher.pid(), drv::ProgressCaption, 15000, 1);
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

// The Full level's files copied file by file with CopyFileA, in the order
// the install finds them; their sizes go to sizes.
static double CopyFileLoop(const std::string& cd, const std::string& to, std::vector<DWORD>* sizes)
{
    sizes->clear();
    drv::RemoveTree(to);
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    int count;
    const FilePair* pairs = FileSetOf(LevelFull, &count);
    for (int i = 0; i < count; i++) {
        const FilePair& pair = pairs[i];
        std::string dir = to + "\\" + pair.directory;
        drv::MakeDirs(dir);
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(drv::Join(cd, std::string(pair.directory) + pair.pattern).c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            continue;
        do {
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                continue;
            CopyFileA(drv::Join(cd, std::string(pair.directory) + found.cFileName).c_str(),
                      (dir + found.cFileName).c_str(),
                      FALSE);
            sizes->push_back(found.nFileSizeLow);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    QueryPerformanceCounter(&end);
    return Seconds(start, end);
}

// The paint requests and the drawings an install of files of these sizes
// makes: one request per 64 KiB chunk read, the last short one included (a
// file of a whole number of chunks ends with an empty read), and a drawing
// whenever the bar has moved since the last one, by the copy's own arithmetic.
static void CountProtocol(const std::vector<DWORD>& sizes, long* requests, long* drawings)
{
    LONG total = 0;
    for (DWORD size : sizes)
        total += static_cast<LONG>(size);
    LONG wholeKib = total / 1024, copied = 0, drawn = 0;
    *requests = *drawings = 0;
    for (DWORD size : sizes) {
        for (DWORD left = size;; left -= CopyChunkBytes) {
            DWORD n = left < CopyChunkBytes ? left : CopyChunkBytes;
            copied += static_cast<LONG>(n);
            LONG position = wholeKib == 0 ? BarLength : (copied / 1024) * BarLength / wholeKib;
            if (position > BarLength)
                position = BarLength;
            ++*requests;
            if (position != drawn) {
                drawn = position;
                ++*drawings;
            }
            if (n < CopyChunkBytes)
                break;
        }
    }
}

namespace {

struct ProtocolCosts {
    double createMs = 0;  // thread started until its dialog has published its window
    double endMs = 0;     // end message sent until the thread has gone
    double requestUs = 0; // one paint request with the bar unmoved
    double drawUs = 0;    // what one drawing of the bar adds to a request
};

} // namespace

// The costs, on the program's own progress window in this process.
static bool MeasureProtocol(ProtocolCosts* costs)
{
    AppInstance = GetModuleHandleA(nullptr);
    const int windows = 20, requests = 2000;
    LARGE_INTEGER a, b, c, d;
    for (int round = 0; round < windows; round++) {
        QueryPerformanceCounter(&a);
        StartProgressThread();
        if (!WaitForProgressWindow())
            return false;
        QueryPerformanceCounter(&b);
        if (round == windows - 1) {
            // Requests on the last window in pairs, one with the bar unmoved and
            // one moving it, so that both meet the same conditions; sweeps of
            // the whole bar until there are enough of them.
            double unmoved = 0, moved = 0;
            int pairs = 0;
            while (pairs < requests) {
                for (LONG p = 1; p <= BarLength; p++, pairs++) {
                    QueryPerformanceCounter(&c);
                    SendMessageA(Progress.progressWindow, WM_PAINT, 0, 0);
                    QueryPerformanceCounter(&d);
                    unmoved += Seconds(c, d);
                    Progress.barPosition = p;
                    QueryPerformanceCounter(&c);
                    SendMessageA(Progress.progressWindow, WM_PAINT, 0, 0);
                    QueryPerformanceCounter(&d);
                    moved += Seconds(c, d);
                }
                // Back to the start: the next sweep's first position moves it.
                Progress.barPosition = 0;
                SendMessageA(Progress.progressWindow, WM_PAINT, 0, 0);
            }
            costs->requestUs = unmoved * 1e6 / pairs;
            costs->drawUs = (moved - unmoved) * 1e6 / pairs;
        }
        QueryPerformanceCounter(&c);
        EndProgressThread();
        QueryPerformanceCounter(&d);
        costs->createMs += Seconds(a, b) * 1e3 / windows;
        costs->endMs += Seconds(c, d) * 1e3 / windows;
    }
    return true;
}

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: quorix_bench_install CD_DIR DRIVE_LETTER COPY_DIR\n");
        return 2;
    }
    std::string cd = argv[1], copy = argv[3];
    char drive = argv[2][0];
    InstallTimes minimum, full;
    if (!TimedInstall(cd, drive, drv::InstallMinimum, &minimum) || !TimedInstall(cd, drive, drv::InstallFull, &full)) {
        std::fprintf(stderr, "bench: an install step did not come\n");
        return 1;
    }
    std::vector<DWORD> sizes;
    double loop = CopyFileLoop(cd, copy, &sizes);
    long requests, drawings;
    CountProtocol(sizes, &requests, &drawings);
    ProtocolCosts costs;
    if (!MeasureProtocol(&costs)) {
        std::fprintf(stderr, "bench: the progress window did not come\n");
        return 1;
    }
    double protocol =
        (requests * costs.requestUs + drawings * costs.drawUs) / 1e6 + (costs.createMs + costs.endMs) / 1e3;
    std::printf("install_minimum_seconds %.3f\n", minimum.seconds);
    std::printf("install_full_seconds %.3f\n", full.seconds);
    std::printf("install_full_progress_window_seconds %.3f\n", full.copying);
    std::printf("copyfilea_full_seconds %.3f\n", loop);
    std::printf("full_paint_requests %ld\n", requests);
    std::printf("paint_request_microseconds %.1f\n", costs.requestUs);
    std::printf("full_drawings %ld\n", drawings);
    std::printf("drawing_microseconds %.1f\n", costs.drawUs);
    std::printf("progress_window_create_ms %.2f\n", costs.createMs);
    std::printf("progress_window_end_ms %.2f\n", costs.endMs);
    std::printf("protocol_seconds %.3f\n", protocol);
    std::printf("floor_seconds %.3f\n", loop + protocol);
    std::printf("peak_working_set_minimum_kib %zu\n", static_cast<size_t>(minimum.peak / 1024));
    std::printf("peak_working_set_full_kib %zu\n", static_cast<size_t>(full.peak / 1024));
    return 0;
}
