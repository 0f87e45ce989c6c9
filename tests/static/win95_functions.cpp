#include "win95_functions.h"

#include <algorithm>
#include <cctype>

// Only ANSI entry points (most W functions are stubs on Windows 95), and
// nothing that came later: no GetDiskFreeSpaceExA (OSR2), GetFileSizeEx,
// SetFilePointerEx, GetFileAttributesExA, GetLongPathNameA,
// InterlockedCompareExchange, IsDebuggerPresent (Windows 98 or NT only).
const std::vector<SystemDll>& Windows95Functions()
{
    static const std::vector<SystemDll> dlls = {
        {"KERNEL32.DLL",
         {
             // processes, threads, start-up
             "CloseHandle",
             "CreateProcessA",
             "CreateThread",
             "ExitProcess",
             "ExitThread",
             "GetCommandLineA",
             "GetCurrentProcess",
             "GetCurrentProcessId",
             "GetCurrentThread",
             "GetCurrentThreadId",
             "GetExitCodeProcess",
             "GetExitCodeThread",
             "GetModuleFileNameA",
             "GetModuleHandleA",
             "GetStartupInfoA",
             "GetVersion",
             "GetVersionExA",
             "ResumeThread",
             "SetThreadPriority",
             "Sleep",
             "SuspendThread",
             "TerminateProcess",
             "TerminateThread",
             "WaitForSingleObject",
             "WaitForMultipleObjects",
             "InterlockedDecrement",
             "InterlockedExchange",
             "InterlockedIncrement",
             "GetTickCount",
             "GetLastError",
             "SetLastError",
             "SetErrorMode",
             "OutputDebugStringA",
             // files and directories
             "CreateDirectoryA",
             "CreateFileA",
             "DeleteFileA",
             "FindClose",
             "FindFirstFileA",
             "FindNextFileA",
             "FlushFileBuffers",
             "GetCurrentDirectoryA",
             "GetDiskFreeSpaceA",
             "GetDriveTypeA",
             "GetFileAttributesA",
             "GetFileSize",
             "GetFileType",
             "GetFullPathNameA",
             "GetLogicalDrives",
             "GetSystemDirectoryA",
             "GetTempPathA",
             "GetWindowsDirectoryA",
             "ReadFile",
             "RemoveDirectoryA",
             "SetCurrentDirectoryA",
             "SetEndOfFile",
             "SetFileAttributesA",
             "SetFilePointer",
             "WriteFile",
             "CopyFileA",
             "MoveFileA",
             "GetVolumeInformationA",
             // memory
             "GetProcessHeap",
             "HeapAlloc",
             "HeapFree",
             "HeapReAlloc",
             "GlobalAlloc",
             "GlobalFree",
             "GlobalLock",
             "GlobalUnlock",
             "LocalAlloc",
             "LocalFree",
             "VirtualAlloc",
             "VirtualFree",
             // strings and resources
             "lstrcatA",
             "lstrcmpA",
             "lstrcmpiA",
             "lstrcpyA",
             "lstrcpynA",
             "lstrlenA",
             "MultiByteToWideChar",
             "WideCharToMultiByte",
             "FindResourceA",
             "LoadResource",
             "LockResource",
             "SizeofResource",
             "GetACP",
             "GetOEMCP",
             "GetLocalTime",
             "GetSystemTime",
             "FormatMessageA",
         }},
        {"USER32.DLL",
         {
             // dialogs and controls
             "CheckDlgButton",
             "CheckRadioButton",
             "CreateDialogParamA",
             "DefDlgProcA",
             "DialogBoxParamA",
             "EndDialog",
             "GetDlgCtrlID",
             "GetDlgItem",
             "GetDlgItemInt",
             "GetDlgItemTextA",
             "IsDlgButtonChecked",
             "SendDlgItemMessageA",
             "SetDlgItemInt",
             "SetDlgItemTextA",
             "MessageBoxA",
             "MessageBeep",
             // windows
             "ClientToScreen",
             "DefWindowProcA",
             "DestroyWindow",
             "EnableWindow",
             "GetClientRect",
             "GetDesktopWindow",
             "GetFocus",
             "GetParent",
             "GetWindowLongA",
             "GetWindowRect",
             "GetWindowTextA",
             "IsWindow",
             "IsWindowEnabled",
             "MoveWindow",
             "ScreenToClient",
             "SetFocus",
             "SetForegroundWindow",
             "SetWindowLongA",
             "SetWindowPos",
             "SetWindowTextA",
             "ShowWindow",
             "GetSystemMetrics",
             "GetSysColor",
             // messages
             "DispatchMessageA",
             "GetMessageA",
             "IsDialogMessageA",
             "PeekMessageA",
             "PostMessageA",
             "PostQuitMessage",
             "SendMessageA",
             "TranslateMessage",
             "SetTimer",
             "KillTimer",
             "InSendMessage",
             // painting
             "BeginPaint",
             "EndPaint",
             "GetDC",
             "ReleaseDC",
             "InvalidateRect",
             "UpdateWindow",
             "ValidateRect",
             "GetUpdateRect",
             "RedrawWindow",
             "FillRect",
             "DrawTextA",
             // resources and text
             "LoadBitmapA",
             "LoadCursorA",
             "LoadIconA",
             "LoadStringA",
             "CharLowerA",
             "CharNextA",
             "CharUpperA",
             "wsprintfA",
             "wvsprintfA",
         }},
        {"GDI32.DLL",
         {
             "BitBlt",
             "CreateCompatibleBitmap",
             "CreateCompatibleDC",
             "CreateFontIndirectA",
             "CreatePen",
             "CreateSolidBrush",
             "DeleteDC",
             "DeleteObject",
             "ExtTextOutA",
             "GetDeviceCaps",
             "GetObjectA",
             "GetPixel",
             "GetStockObject",
             "GetTextExtentPoint32A",
             "LineTo",
             "MoveToEx",
             "PatBlt",
             "RealizePalette",
             "Rectangle",
             "SelectObject",
             "SelectPalette",
             "SetBkColor",
             "SetBkMode",
             "SetPixel",
             "SetTextAlign",
             "SetTextColor",
             "StretchBlt",
             "TextOutA",
         }},
        {"ADVAPI32.DLL",
         {
             "RegCloseKey",
             "RegCreateKeyA",
             "RegCreateKeyExA",
             "RegDeleteKeyA",
             "RegDeleteValueA",
             "RegEnumKeyA",
             "RegEnumKeyExA",
             "RegEnumValueA",
             "RegFlushKey",
             "RegOpenKeyA",
             "RegOpenKeyExA",
             "RegQueryInfoKeyA",
             "RegQueryValueExA",
             "RegSetValueExA",
         }},
    };
    return dlls;
}

static std::string Upper(std::string text)
{
    std::transform(
        text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::vector<std::string> CheckImports(const std::vector<ImportedDll>& imports, const std::vector<SystemDll>& allowed)
{
    std::vector<std::string> out;
    for (const ImportedDll& dll : imports) {
        const SystemDll* system = nullptr;
        for (const SystemDll& s : allowed)
            if (Upper(dll.name) == s.name)
                system = &s;
        if (system == nullptr) {
            out.push_back("imports from " + dll.name + ", which is not one of the system's four DLLs");
            continue;
        }
        for (const std::string& f : dll.functions)
            if (std::find(system->functions.begin(), system->functions.end(), f) == system->functions.end())
                out.push_back(dll.name + "!" + f + ": not on the list of Windows 95 functions of " + system->name);
        // Ordinals differ between system versions; only names are safe.
        for (std::uint16_t ordinal : dll.ordinals)
            out.push_back(dll.name + ": import by ordinal " + std::to_string(ordinal));
    }
    // Each of the four exactly once: the program uses all of them.
    for (const SystemDll& s : allowed) {
        int count = 0;
        for (const ImportedDll& dll : imports)
            count += Upper(dll.name) == s.name;
        if (count != 1)
            out.push_back(std::string(s.name) + " named " + std::to_string(count) +
                          " times in the import table, once expected");
    }
    return out;
}
