// The DOS face of QUORIX.EXE: starts the DOS game through the DOS/4GW
// extender, preferring a patched game and extender on drive C.
#include "dos.h"
#include "edition.h"
#include "errors.h"
#include "exec.h"

const char DiskExtender[] = "C:\\TALVEX\\QUORIX\\DOS4GW.EXE";
const char BareExtender[] = "dos4gw.exe";
const char DiskGame[] = "C:\\TALVEX\\QUORIX\\QUORIX.EXD";
// The game arguments end in a blank on purpose: the extender sees it.
const char DiskGameArgument[] = "C:\\TALVEX\\QUORIX\\QUORIX.EXD ";
const char CdGameArgument[] = ".\\quorix.exd ";
const char PatchMessage[] = "Patching main executable from C:\\TALVEX\\QUORIX\\\n";
const char Banner[] = "QUORIX: Standard version\n";
const char ExecFailed[] = "Stub exec failed:\n";
const char UsSwitch[] = "/US";

constexpr int GameArgumentSize = 32;
constexpr int TailSize = 128; // the longest tail DOS passes, and its NUL
constexpr uint8_t TailMax = TailSize - 1;
constexpr uint16_t PspTail = 0x80;
// One second at 18.2 ticks a second, plus the part of a tick we start in.
constexpr uint16_t PatchPauseTicks = 20;

static char gameArgument[GameArgumentSize];

static bool CanOpen(const char* path)
{
    uint16_t handle;
    if (DosOpenRead(path, &handle) != 0)
        return false;
    DosClose(handle);
    return true;
}

// The PSP's tail as DOS left it, without its CR; a length byte beyond what
// the PSP can hold is taken as the most it can.
static void ReadCommandTail(uint16_t psp, char* tail)
{
    uint8_t length = PeekByte(psp, PspTail);
    if (length > TailMax)
        length = TailMax;
    CopyIn(tail, psp, PspTail + 1, length);
    tail[length] = 0;
}

const char* LocateExtender()
{
    return CanOpen(DiskExtender) ? DiskExtender : BareExtender;
}

extern "C" [[noreturn]] void DosMain(uint16_t psp)
{
    const char* extender = LocateExtender();
    if (CanOpen(DiskGame)) {
        CopyText(gameArgument, GameArgumentSize, DiskGameArgument);
        WriteText(PatchMessage);
        WaitTicks(PatchPauseTicks);
    } else {
        CopyText(gameArgument, GameArgumentSize, CdGameArgument);
    }
    char tail[TailSize];
    ReadCommandTail(psp, tail);
    const char* argv[5] = {extender, gameArgument, tail, PassUsSwitch ? UsSwitch : nullptr, nullptr};
    WriteText(Banner);
    int error = ExecInPlace(psp, argv);
    WriteText(ExecFailed);
    WriteText(extender);
    WriteText("\n");
    WriteText(ErrorText(error));
    WriteText("\n");
    DosExit(1);
}
