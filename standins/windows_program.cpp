// Stand-in for the programs the launcher starts (the game and the DirectX
// setup). Each start appends one line to "<own path>.log":
//     <process id> TAB <GetCommandLineA> TAB <GetCurrentDirectoryA> LF
// and then behaves as "<own path>.ctl" says, a single line:
//     exit CODE            end at once with CODE
//     hold CODE EVENT      keep running until the named event is set (or a
//                          minute has passed), then end with CODE
//     show                 say in a message box what it was started with
//                          (the demo CD's game and DirectX setup)
// Without a control file it ends with 0. A file beside the copy, rather than
// the environment, lets a test change the behaviour between two starts of
// the same launcher.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

static std::string OwnPath()
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, n < sizeof path ? n : 0);
}

static void AppendRecord(const std::string& file)
{
    char directory[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof directory, directory);
    std::string line = std::to_string(GetCurrentProcessId()) + "\t" + GetCommandLineA() + "\t" + directory + "\n";
    HANDLE h = CreateFileA(file.c_str(),
                           FILE_APPEND_DATA,
                           FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr,
                           OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(h, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(h);
}

int main()
{
    std::string self = OwnPath();
    AppendRecord(self + ".log");

    char mode[16] = "exit";
    unsigned long code = 0;
    char event[128] = "";
    if (FILE* f = std::fopen((self + ".ctl").c_str(), "r")) {
        if (std::fscanf(f, "%15s %lu %127s", mode, &code, event) < 1)
            std::strcpy(mode, "exit");
        std::fclose(f);
    }
    if (std::strcmp(mode, "show") == 0) {
        char directory[MAX_PATH] = "";
        GetCurrentDirectoryA(sizeof directory, directory);
        std::string text = std::string("Started as:\n") + GetCommandLineA() + "\n\nin:\n" + directory;
        MessageBoxA(nullptr, text.c_str(), "Quorix stand-in", MB_OK | MB_ICONINFORMATION);
    }
    if (std::strcmp(mode, "hold") == 0) {
        // The limit keeps a forgotten stand-in from outliving its test run.
        HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, event);
        if (release)
            WaitForSingleObject(release, 60000);
        else
            Sleep(60000);
    }
    ExitProcess(static_cast<UINT>(code));
}
