// What every uninstall test starts from: the driver's fixture (clean
// registry, Windows 95, a scratch folder), a CD folder holding QUORIX.EXE,
// and no install tree on drive C or on the tests' own drive.
#pragma once

#include "fixture.h"

#include <set>
#include <vector>
#include <string>

namespace uninst {

// The tests' drive, mapped onto a folder of theirs by the ctest fixture.
std::string Drive(); // "U:"
bool DriveMapped();
// X:\TALVEX\QUORIX\ on the given drive ("C:" or Drive()).
std::string InstallRoot(const std::string& drive);

// Creates a file (and its directories) holding a few bytes.
void MakeFile(const std::string& path);
// Every file and directory below dir, relative to it; directories end with "\".
std::set<std::string> ListTree(const std::string& dir);
// The files of a Full install, relative to the install root.
const std::set<std::string>& FullInstallFiles();
// Makes those files under the root; returns the root.
std::string MakeFullInstall(const std::string& drive);

// What a launcher and an install leave in the registry: the settings key with
// INSTALLDRIVE, the machine key with PatchPath, the uninstall entry.
void FillRegistry(const std::string& driveValue);
// Every key and value below the product's places, as text, for comparing.
std::string RegistryDump();

// INSTALLDRIVE once an install to the tests' drive has stored it and its
// progress window is gone (at most a minute); what it holds then.
std::vector<BYTE> WaitForStoredDrive(DWORD launcherPid);

// Answers the question box of ours that comes up (in whatever process) with
// OK; questionExit gets the exit status of the process that asked.
void AnswerQuestion(DWORD* questionExit);

// How the question is answered.
enum class Answer { Ok, Cancel, CloseBox, Escape };

} // namespace uninst

class UninstallTest : public DriverTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts QUORIX.EXE -uninstall from the CD folder, waits for the question,
    // answers it and waits for the end; false when any of that fails. The
    // question's text lands in question, the exit status in exitCode.
    bool RunUninstall(uninst::Answer answer);

    std::string cdRoot;
    std::wstring question;
    DWORD exitCode = 259;
};
