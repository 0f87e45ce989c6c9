#include "uninstall_fixture.h"

#include <cstdio>
#include <vector>

namespace uninst {

std::string Drive()
{
    return std::string(1, QUORIX_UNINSTALL_DRIVE[0] - 'a' + 'A') + ":";
}

bool DriveMapped()
{
    return GetDriveTypeA((Drive() + "\\").c_str()) != DRIVE_NO_ROOT_DIR;
}

std::string InstallRoot(const std::string& drive)
{
    return drive + "\\TALVEX\\QUORIX\\";
}

void MakeFile(const std::string& path)
{
    drv::MakeDirs(path.substr(0, path.find_last_of('\\')));
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written;
    WriteFile(file, "quorix", 6, &written, nullptr);
    CloseHandle(file);
}

static void ListInto(const std::string& dir, const std::string& prefix, std::set<std::string>* entries)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(drv::Join(dir, "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            entries->insert(prefix + name + "\\");
            ListInto(drv::Join(dir, name), prefix + name + "\\", entries);
        } else {
            entries->insert(prefix + name);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

std::set<std::string> ListTree(const std::string& dir)
{
    std::set<std::string> entries;
    ListInto(dir, "", &entries);
    return entries;
}

const std::set<std::string>& FullInstallFiles()
{
    static const std::set<std::string> files = {
        "GAMEGFX\\INTRO.SMK",
        "GAMEGFX\\TITLE.PCX",
        "GAMEGFX\\Long File Name.dat",
        "EDITOR\\ZONEA\\MI01.DAT",
        "EDITOR\\ZONEB\\MI02.DAT",
        "EDITOR\\ZONEC\\MI03.DAT",
        "EDITOR\\ZONED\\MI04.DAT",
        "EDITOR\\ZONEE\\MI05.DAT",
        "EDITOR\\ZONEF\\MI06.DAT",
        "SOUND\\MIDI\\THEME.MID",
        "SOUND\\SFX\\BOOM.WAV",
        "SOUND\\SPEECH\\HELLO.WAV",
    };
    return files;
}

std::string MakeFullInstall(const std::string& drive)
{
    std::string root = InstallRoot(drive);
    for (const std::string& file : FullInstallFiles())
        MakeFile(root + file);
    return root;
}

void FillRegistry(const std::string& driveValue)
{
    using drv::SettingsKey;
    drv::WriteDword(HKEY_CURRENT_USER, SettingsKey, "LANGUAGE", 0);
    drv::WriteDword(HKEY_CURRENT_USER, SettingsKey, "SOUND", 1);
    drv::WriteDword(HKEY_CURRENT_USER, SettingsKey, "MISC", 0);
    if (driveValue != "(absent)")
        drv::WriteValue(HKEY_CURRENT_USER,
                        SettingsKey,
                        "INSTALLDRIVE",
                        REG_BINARY,
                        driveValue.data(),
                        static_cast<DWORD>(driveValue.size()));
    drv::WriteString(HKEY_LOCAL_MACHINE, SettingsKey, "PatchPath", "C:\\TALVEX\\QUORIX\\");
    drv::WriteString(HKEY_LOCAL_MACHINE, drv::UninstallKey, "DisplayName", "Quorix for Windows '95");
    drv::WriteString(HKEY_LOCAL_MACHINE, drv::UninstallKey, "UninstallString", "Z:\\cd\\QUORIX.EXE -uninstall");
}

static void DumpKey(HKEY root, const std::string& path, std::string* out)
{
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    *out += path + "\n";
    for (DWORD i = 0;; ++i) {
        char name[256];
        BYTE data[1024];
        DWORD nameLength = sizeof name, dataLength = sizeof data, type = 0;
        if (RegEnumValueA(key, i, name, &nameLength, nullptr, &type, data, &dataLength) != ERROR_SUCCESS)
            break;
        char line[64];
        std::snprintf(line, sizeof line, " = type %lu, %lu bytes:", type, dataLength);
        *out += std::string("  ") + name + line;
        for (DWORD b = 0; b < dataLength; ++b) {
            std::snprintf(line, sizeof line, " %02x", data[b]);
            *out += line;
        }
        *out += "\n";
    }
    std::vector<std::string> subkeys;
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD nameLength = sizeof name;
        if (RegEnumKeyExA(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        subkeys.push_back(name);
    }
    RegCloseKey(key);
    for (const std::string& name : subkeys)
        DumpKey(root, path + "\\" + name, out);
}

std::string RegistryDump()
{
    std::string out = "HKCU:\n";
    DumpKey(HKEY_CURRENT_USER, "Software\\Talvex", &out);
    out += "HKLM:\n";
    DumpKey(HKEY_LOCAL_MACHINE, "Software\\Talvex", &out);
    DumpKey(HKEY_LOCAL_MACHINE, drv::UninstallKey, &out);
    return out;
}

std::vector<BYTE> WaitForStoredDrive(DWORD launcherPid)
{
    std::vector<BYTE> stored;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 60000; Sleep(100)) {
        stored = drv::ReadValue(HKEY_CURRENT_USER, drv::SettingsKey, "INSTALLDRIVE").data;
        if (stored.size() == 1 && stored[0] == Drive()[0] && !drv::FindDialog(launcherPid, drv::ProgressCaption))
            break;
    }
    return stored;
}

// Answers the question box of ours that comes up (in whatever process) with
// OK; questionExit gets the exit status of the process that asked.
void AnswerQuestion(DWORD* questionExit)
{
    HWND box = nullptr;
    for (DWORD start = GetTickCount(); !box && GetTickCount() - start < 30000; Sleep(50))
        box = FindWindowA("#32770", "Uninstall Quorix for Windows '95");
    if (!box)
        return;
    DWORD pid = 0;
    GetWindowThreadProcessId(box, &pid);
    HANDLE asker = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid);
    DWORD_PTR ignored;
    SendMessageTimeoutA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0, SMTO_NORMAL, 10000, &ignored);
    if (asker) {
        if (WaitForSingleObject(asker, 30000) == WAIT_OBJECT_0)
            GetExitCodeProcess(asker, questionExit);
        CloseHandle(asker);
    }
}

} // namespace uninst

static void RemoveInstallTrees()
{
    drv::RemoveTree("C:\\TALVEX");
    if (uninst::DriveMapped())
        drv::RemoveTree(uninst::Drive() + "\\TALVEX");
}

void UninstallTest::SetUp()
{
    DriverTest::SetUp();
    RemoveInstallTrees();
    cdRoot = drv::Join(scratch, "cd");
    drv::MakeDirs(cdRoot);
    drv::CopyTo(drv::EditionExe("english"), drv::Join(cdRoot, "QUORIX.EXE"));
}

void UninstallTest::TearDown()
{
    // C: is the prefix's own drive: nothing of a test may stay there.
    RemoveInstallTrees();
    DriverTest::TearDown();
}

static const char QuestionCaption[] = "Uninstall Quorix for Windows '95";

bool UninstallTest::RunUninstall(uninst::Answer answer)
{
    using uninst::Answer;
    std::string exe = drv::Join(cdRoot, "QUORIX.EXE");
    if (!launcher.Start(exe, cdRoot, "-uninstall"))
        return false;
    HWND box = launcher.WaitForWindow(QuestionCaption);
    if (!box)
        return false;
    question = launcher.Text(drv::MessageBoxText);
    DWORD_PTR ignored;
    switch (answer) {
    case Answer::Ok:
        launcher.Click(IDOK);
        break;
    case Answer::Cancel:
        launcher.Click(IDCANCEL);
        break;
    case Answer::CloseBox:
        launcher.SysClose();
        break;
    case Answer::Escape:
        // As the keyboard would: the box's own message loop turns it into Cancel.
        PostMessageA(box, WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageA(box, WM_KEYUP, VK_ESCAPE, 0);
        SendMessageTimeoutA(box, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &ignored);
        break;
    }
    return launcher.WaitForExit(30000, &exitCode);
}
