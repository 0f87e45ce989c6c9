// Helpers of the black-box tests: they start the real QUORIX.EXE of an
// edition from a scratch CD folder and drive it from outside, as a user and
// the system would, through window messages, the registry and the files that
// the stand-in programs leave.
#pragma once

#include <windows.h>

#include "common/registry.h"

#include <functional>
#include <string>
#include <vector>

namespace drv {

// --- paths and files -------------------------------------------------------

// The build passes Unix paths; Wine shows the Unix root as drive Z.
std::string FromUnix(const std::string& unixPath);
std::string WorkRoot(); // scratch area of this build
std::string EditionExe(const std::string& edition);
std::string StandInExe();
std::string WinPathOfDriveE(); // the folder that drive E maps to
std::string Join(const std::string& dir, const std::string& name);
void MakeDirs(const std::string& dir);
void RemoveTree(const std::string& dir);
void CopyTo(const std::string& from, const std::string& to);
bool FileExists(const std::string& path);

// A fresh folder that plays the CD's root: QUORIX.EXE of the edition and
// nothing else until a test adds stand-ins.
struct ScratchCd {
    ScratchCd(const std::string& root, const std::string& edition);
    ~ScratchCd();
    std::string Path(const std::string& relative) const
    {
        return Join(root, relative);
    }
    std::string root;
    ScratchCd(const ScratchCd&) = delete;
    ScratchCd& operator=(const ScratchCd&) = delete;
};

// --- stand-in programs -----------------------------------------------------

struct Record {
    DWORD pid = 0;
    std::string commandLine;
    std::string directory;
};

// Copies the stand-in to exePath; it ends at once with exitCode, or, with
// hold, keeps running until ReleaseStandIns.
void PlaceStandIn(const std::string& exePath, bool hold = false, DWORD exitCode = 0);
void SetStandInMode(const std::string& exePath, bool hold, DWORD exitCode);
std::vector<Record> Records(const std::string& exePath);
// Waits until at least count starts are recorded; false on time-out.
bool WaitForRecords(const std::string& exePath, size_t count, DWORD timeoutMs = 10000);
// Ends every held stand-in and waits for the recorded processes to go.
void ReleaseStandIns();
bool WaitForProcessEnd(DWORD pid, DWORD timeoutMs, DWORD* exitCode = nullptr);
void KillProcess(DWORD pid);
void CreateReleaseEvent();
void DestroyReleaseEvent();
// First word of a command line (quotes removed) and the rest after blanks.
std::string FirstWord(const std::string& commandLine, std::string* rest = nullptr);

// --- the program's windows -------------------------------------------------

// The ids of the program's controls and commands, as its dialog templates
// give them; a wrong one fails the click or the read that uses it.
enum Control {
    // main dialog
    MainSetupDirectX = 100,
    MainPlay = 102,        // "!! Quorix !!": starts the game
    MainSaveAndQuit = 103, // a command without a control
    MainSound = 200,       // the five option check boxes, in this order
    MainSpeech = 201,
    MainCinematics = 202,
    MainActionPan = 203,
    MainFullScreen = 204,
    MainInstall = 205,
    // The Multilingual edition's language radio buttons: 300 plus the number
    // of the language that LANGUAGE stores. Deutsch has none there.
    MainEnglishRadio = 300,
    MainDeutschRadio = 301,
    MainEspanolRadio = 302,
    MainFrancaisRadio = 303,
    MainItalianoRadio = 304,
    MainNederlandsRadio = 305,
    // install dialog
    InstallFreeSpace = 1002,
    InstallMinimum = 1003,
    InstallStandard = 1004,
    InstallFull = 1005,
    InstallCancel = 1006,
    InstallDriveC = 1010, // then one button for each letter up to Z
    // progress window
    ProgressStatus = 1200,
    ProgressCancel = 1201,
    // The text of a message box: the system's id, not the program's.
    MessageBoxText = 0xFFFF,
};

// The install dialog's button of a drive letter, 'C' to 'Z'.
constexpr int InstallDrive(char letter)
{
    return InstallDriveC + (letter - 'C');
}

extern const char* const MainCaption;
extern const char* const InstallCaption;
extern const char* const ProgressCaption;

// --- the launcher ----------------------------------------------------------

class Launcher {
public:
    Launcher() = default;
    ~Launcher()
    {
        Kill();
    }
    Launcher(const Launcher&) = delete;
    Launcher& operator=(const Launcher&) = delete;

    // Starts exePath with directory as current directory. The command line is
    // the quoted program path, then a blank and arguments when not empty;
    // rawCommandLine replaces all of it when given.
    bool Start(const std::string& exePath, const std::string& directory, const std::string& arguments = "",
               const char* rawCommandLine = nullptr);
    // Start plus waiting for the main dialog.
    bool Open(const std::string& exePath, const std::string& directory, const std::string& arguments = "");
    HWND WaitForWindow(const char* caption, DWORD timeoutMs = 15000);
    HWND window() const
    {
        return window_;
    }
    DWORD pid() const
    {
        return process_.dwProcessId;
    }

    // Presses the main dialog's Install button and waits for the install
    // dialog, asking every pollMs; null when it does not come.
    HWND OpenInstallDialog(DWORD pollMs = 10) const;

    HWND Item(int id) const;
    std::wstring Text(int id) const;
    int Check(int id) const;
    bool Enabled(int id) const;
    bool Click(int id) const;   // BM_CLICK, returns when handled
    bool Command(int id) const; // WM_COMMAND with the bare id
    bool SysClose() const;      // WM_SYSCOMMAND SC_CLOSE
    bool Running() const;
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode);
    void Kill();

private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

// --- Wine's list of installed programs -----------------------------------

// Runs Wine's uninstaller.exe with arguments, its output into a file in
// scratch, and whileRunning once it has started; waits for it (at most
// timeoutMs) and returns what it printed.
std::string RunWineUninstaller(const std::string& scratch, const std::string& arguments,
                               const std::function<void()>& whileRunning = nullptr, DWORD timeoutMs = 60000);

std::wstring WindowText(HWND window);
// A top-level window of process pid with class "#32770" and this caption.
HWND FindDialog(DWORD pid, const char* caption);
// FindDialog, asked every pollMs until it finds one; null on time-out.
HWND WaitForDialog(DWORD pid, const char* caption, DWORD timeoutMs = 15000, DWORD pollMs = 10);

// --- registry --------------------------------------------------------------

// The tests' shared helpers (common/registry.h); ReadValue takes a view.
using testreg::DeleteKey;
using testreg::KeyExists;
using testreg::ReadValue;
using testreg::Value;
using testreg::WriteDword;
using testreg::WriteString;
using testreg::WriteValue;

extern const char* const SettingsKey;  // under HKCU, and the machine key under HKLM
extern const char* const UninstallKey; // under HKLM

// Removes every key the launcher reads or writes, under both roots.
void CleanRegistry();
// HKCU\Software\Wine Version: the platform that Wine reports to programs.
void SetWineVersion(const char* version);
std::string WineVersion();

} // namespace drv
