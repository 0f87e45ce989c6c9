#include "driver.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace drv {

std::string FromUnix(const std::string& unixPath)
{
    std::string p = "Z:" + unixPath;
    std::replace(p.begin(), p.end(), '/', '\\');
    return p;
}

const char ReleaseEventName[] = "QuorixDriverStandInRelease";
static HANDLE releaseEvent = nullptr;

const char* const MainCaption = "Quorix for Windows 95";
const char* const InstallCaption = "Quorix for Windows 95 Install";
const char* const ProgressCaption = "Quorix for Windows 95 Install Progress";

// --- paths and files -------------------------------------------------------

std::string WorkRoot()
{
    return FromUnix(QUORIX_DRIVER_WORK);
}

std::string EditionExe(const std::string& edition)
{
    return Join(FromUnix(QUORIX_BINARY_DIR), edition + "\\QUORIX.EXE");
}

std::string StandInExe()
{
    return FromUnix(QUORIX_STANDIN);
}

std::string WinPathOfDriveE()
{
    return FromUnix(QUORIX_DRIVER_DRIVE_E);
}

std::string Join(const std::string& dir, const std::string& name)
{
    if (!dir.empty() && dir.back() == '\\')
        return dir + name;
    return dir + "\\" + name;
}

void MakeDirs(const std::string& dir)
{
    for (size_t i = 3; i <= dir.size(); ++i) {
        if (i == dir.size() || dir[i] == '\\')
            CreateDirectoryA(dir.substr(0, i).c_str(), nullptr);
    }
}

void RemoveTree(const std::string& dir)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(Join(dir, "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string path = Join(dir, name);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(dir.c_str());
}

void CopyTo(const std::string& from, const std::string& to)
{
    std::string dir = to.substr(0, to.find_last_of('\\'));
    MakeDirs(dir);
    CopyFileA(from.c_str(), to.c_str(), FALSE);
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

ScratchCd::ScratchCd(const std::string& r, const std::string& edition) : root(r)
{
    RemoveTree(root);
    MakeDirs(root);
    CopyTo(EditionExe(edition), Path("QUORIX.EXE"));
}

ScratchCd::~ScratchCd()
{
    RemoveTree(root);
}

// --- stand-in programs -----------------------------------------------------

void SetStandInMode(const std::string& exePath, bool hold, DWORD exitCode)
{
    std::ofstream ctl(exePath + ".ctl", std::ios::trunc);
    if (hold)
        ctl << "hold " << exitCode << " " << ReleaseEventName << "\n";
    else
        ctl << "exit " << exitCode << "\n";
}

void PlaceStandIn(const std::string& exePath, bool hold, DWORD exitCode)
{
    CopyTo(StandInExe(), exePath);
    DeleteFileA((exePath + ".log").c_str());
    SetStandInMode(exePath, hold, exitCode);
}

std::vector<Record> Records(const std::string& exePath)
{
    std::vector<Record> records;
    std::ifstream log(exePath + ".log", std::ios::binary);
    std::string line;
    while (std::getline(log, line)) {
        size_t a = line.find('\t');
        size_t b = line.rfind('\t');
        if (a == std::string::npos || a == b)
            continue; // a line still being written
        Record r;
        r.pid = std::strtoul(line.substr(0, a).c_str(), nullptr, 10);
        r.commandLine = line.substr(a + 1, b - a - 1);
        r.directory = line.substr(b + 1);
        records.push_back(r);
    }
    return records;
}

bool WaitForRecords(const std::string& exePath, size_t count, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (Records(exePath).size() >= count)
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(20);
    }
}

void CreateReleaseEvent()
{
    if (!releaseEvent)
        releaseEvent = CreateEventA(nullptr, TRUE, FALSE, ReleaseEventName);
    ResetEvent(releaseEvent);
}

void DestroyReleaseEvent()
{
    if (releaseEvent) {
        SetEvent(releaseEvent);
        CloseHandle(releaseEvent);
        releaseEvent = nullptr;
    }
}

void ReleaseStandIns()
{
    if (releaseEvent)
        SetEvent(releaseEvent);
}

bool WaitForProcessEnd(DWORD pid, DWORD timeoutMs, DWORD* exitCode)
{
    HANDLE h = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid);
    if (!h)
        return true; // already gone and reaped
    bool ended = WaitForSingleObject(h, timeoutMs) == WAIT_OBJECT_0;
    if (ended && exitCode)
        GetExitCodeProcess(h, exitCode);
    CloseHandle(h);
    return ended;
}

void KillProcess(DWORD pid)
{
    if (HANDLE h = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
        TerminateProcess(h, 1);
        WaitForSingleObject(h, 5000);
        CloseHandle(h);
    }
}

std::string FirstWord(const std::string& commandLine, std::string* rest)
{
    size_t i = 0, end;
    std::string word;
    if (!commandLine.empty() && commandLine[0] == '"') {
        end = commandLine.find('"', 1);
        if (end == std::string::npos)
            end = commandLine.size();
        word = commandLine.substr(1, end - 1);
        i = end < commandLine.size() ? end + 1 : end;
    } else {
        end = commandLine.find_first_of(" \t");
        if (end == std::string::npos)
            end = commandLine.size();
        word = commandLine.substr(0, end);
        i = end;
    }
    if (rest) {
        while (i < commandLine.size() && (commandLine[i] == ' ' || commandLine[i] == '\t'))
            ++i;
        *rest = commandLine.substr(i);
    }
    return word;
}

// --- the launcher ----------------------------------------------------------

bool Launcher::Start(const std::string& exePath, const std::string& directory, const std::string& arguments,
                     const char* rawCommandLine)
{
    Kill();
    std::string line = rawCommandLine ? std::string(rawCommandLine) : "\"" + exePath + "\"";
    if (!rawCommandLine && !arguments.empty())
        line += " " + arguments;
    std::vector<char> buffer(line.begin(), line.end());
    buffer.push_back('\0');
    STARTUPINFOA si{};
    si.cb = sizeof si;
    if (!CreateProcessA(
            exePath.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(), &si, &process_)) {
        process_ = PROCESS_INFORMATION{};
        return false;
    }
    return true;
}

bool Launcher::Open(const std::string& exePath, const std::string& directory, const std::string& arguments)
{
    return Start(exePath, directory, arguments) && WaitForWindow(MainCaption);
}

HWND Launcher::OpenInstallDialog(DWORD pollMs) const
{
    // Posted: the install dialog is modal, and a sent click would come back
    // only when it has ended.
    if (!window_ || !PostMessageA(window_, WM_COMMAND, MainInstall, 0))
        return nullptr;
    return WaitForDialog(process_.dwProcessId, InstallCaption, 15000, pollMs);
}

HWND FindDialog(DWORD pid, const char* caption)
{
    struct Search {
        DWORD pid;
        const char* caption;
        HWND found;
    } search{pid, caption, nullptr};
    EnumWindows(
        [](HWND w, LPARAM p) CALLBACK -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner != s->pid || !IsWindowVisible(w))
                return TRUE;
            char cls[64] = "", text[128] = "";
            GetClassNameA(w, cls, sizeof cls);
            GetWindowTextA(w, text, sizeof text);
            if (lstrcmpA(cls, "#32770") == 0 && lstrcmpA(text, s->caption) == 0) {
                s->found = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForDialog(DWORD pid, const char* caption, DWORD timeoutMs, DWORD pollMs)
{
    for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(pollMs))
        if (HWND w = FindDialog(pid, caption))
            return w;
    return nullptr;
}

HWND Launcher::WaitForWindow(const char* caption, DWORD timeoutMs)
{
    window_ = nullptr;
    if (!process_.hProcess)
        return nullptr;
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        if (HWND w = FindDialog(process_.dwProcessId, caption)) {
            // A message round trip: the dialog has finished its initialisation
            // once its thread takes messages.
            DWORD_PTR ignored;
            SendMessageTimeoutA(w, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
            window_ = w;
            return w;
        }
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0)
            return nullptr;
        Sleep(20);
    }
    return nullptr;
}

HWND Launcher::Item(int id) const
{
    return window_ ? GetDlgItem(window_, id) : nullptr;
}

std::wstring WindowText(HWND window)
{
    wchar_t text[256] = L"";
    if (window)
        GetWindowTextW(window, text, 256);
    return text;
}

std::wstring Launcher::Text(int id) const
{
    return WindowText(Item(id));
}

int Launcher::Check(int id) const
{
    DWORD_PTR state = 0;
    if (!SendMessageTimeoutA(Item(id), BM_GETCHECK, 0, 0, SMTO_NORMAL, 5000, &state))
        return -1;
    return static_cast<int>(state);
}

bool Launcher::Enabled(int id) const
{
    return IsWindowEnabled(Item(id)) != FALSE;
}

bool Launcher::Click(int id) const
{
    HWND item = Item(id);
    DWORD_PTR ignored;
    return item && SendMessageTimeoutA(item, BM_CLICK, 0, 0, SMTO_NORMAL, 10000, &ignored);
}

bool Launcher::Command(int id) const
{
    DWORD_PTR ignored;
    return window_ && SendMessageTimeoutA(window_, WM_COMMAND, id, 0, SMTO_NORMAL, 10000, &ignored);
}

bool Launcher::SysClose() const
{
    DWORD_PTR ignored;
    return window_ && SendMessageTimeoutA(window_, WM_SYSCOMMAND, SC_CLOSE, 0, SMTO_NORMAL, 10000, &ignored);
}

bool Launcher::Running() const
{
    return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Launcher::WaitForExit(DWORD timeoutMs, DWORD* exitCode)
{
    if (!process_.hProcess || WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return false;
    if (exitCode)
        GetExitCodeProcess(process_.hProcess, exitCode);
    return true;
}

void Launcher::Kill()
{
    if (process_.hProcess) {
        if (WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0) {
            TerminateProcess(process_.hProcess, 1);
            WaitForSingleObject(process_.hProcess, 5000);
        }
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
    process_ = PROCESS_INFORMATION{};
    window_ = nullptr;
}

// --- registry --------------------------------------------------------------

const char* const SettingsKey = "Software\\Talvex\\Quorix\\1.00";
const char* const UninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quorix";

void CleanRegistry()
{
    testreg::DeleteProductKeys("Software\\Talvex", UninstallKey);
}

void SetWineVersion(const char* version)
{
    WriteString(HKEY_CURRENT_USER, "Software\\Wine", "Version", version);
}

std::string WineVersion()
{
    return ReadValue(HKEY_CURRENT_USER, "Software\\Wine", "Version").String();
}

// --- Wine's list of installed programs -----------------------------------

std::string RunWineUninstaller(const std::string& scratch, const std::string& arguments,
                               const std::function<void()>& whileRunning, DWORD timeoutMs)
{
    std::string out = Join(scratch, "uninstaller.txt");
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE file = CreateFileA(
        out.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "(no output file)";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = file;
    si.hStdError = file;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi{};
    // Wine's 64-bit uninstaller where there is one, as `wine64 uninstaller`
    // runs for a user: from a 32-bit driver only sysnative reaches it, and it
    // must find a 32-bit launcher's entry in the other registry view.
    char sysnative[MAX_PATH];
    GetWindowsDirectoryA(sysnative, MAX_PATH);
    std::string native = std::string(sysnative) + "\\sysnative\\uninstaller.exe";
    std::string program = GetFileAttributesA(native.c_str()) != INVALID_FILE_ATTRIBUTES ? native : "uninstaller.exe";
    std::string line = "\"" + program + "\" " + arguments;
    std::vector<char> command(line.begin(), line.end());
    command.push_back('\0');
    BOOL started =
        CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi);
    CloseHandle(file);
    if (!started)
        return "(uninstaller.exe did not start)";
    if (whileRunning)
        whileRunning();
    if (WaitForSingleObject(pi.hProcess, timeoutMs) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    std::ifstream printed(out, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(printed), {});
}

} // namespace drv
