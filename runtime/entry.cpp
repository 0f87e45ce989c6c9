// The process entry point in place of the C runtime's: it gives WinMain what
// the system's start-up code would, and ends the process with its result.
#include <windows.h>

#include "runtime/command_line.h"

extern "C" void QuorixEntry()
{
    LPSTR arguments = const_cast<LPSTR>(SkipProgramName(GetCommandLineA()));
    int status = WinMain(GetModuleHandleA(nullptr), nullptr, arguments, SW_SHOWDEFAULT);
    ExitProcess(static_cast<UINT>(status));
}
