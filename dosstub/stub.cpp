// The DOS face of QUORIX.EXE: starts the DOS game through the DOS/4GW
// extender, preferring a patched game and extender on drive C.
#include "dos.h"
#include "edition.h"
#include "errors.h"
#include "exec.h"

namespace {

const char kDiskExtender[] = "C:\\TALVEX\\QUORIX\\DOS4GW.EXE";
const char kBareExtender[] = "dos4gw.exe";
const char kDiskGame[] = "C:\\TALVEX\\QUORIX\\QUORIX.EXD";
// The game arguments end in a blank on purpose: the extender sees it.
const char kDiskGameArgument[] = "C:\\TALVEX\\QUORIX\\QUORIX.EXD ";
const char kCdGameArgument[] = ".\\quorix.exd ";
const char kPatchMessage[] = "Patching main executable from C:\\TALVEX\\QUORIX\\\n";
const char kBanner[] = "QUORIX: Standard version\n";
const char kExecFailed[] = "Stub exec failed:\n";
const char kUsSwitch[] = "/US";

constexpr int kGameArgumentSize = 32;
constexpr int kTailSize = 128;            // the longest tail DOS passes, and its NUL
constexpr uint8_t kTailMax = kTailSize - 1;
constexpr uint16_t kPspTail = 0x80;
// One second at 18.2 ticks a second, plus the part of a tick we start in.
constexpr uint16_t kPatchPauseTicks = 20;

char gameArgument[kGameArgumentSize];

bool CanOpen(const char* path) {
    uint16_t handle;
    if (DosOpenRead(path, &handle) != 0) return false;
    DosClose(handle);
    return true;
}

// The PSP's tail as DOS left it, without its CR; a length byte beyond what
// the PSP can hold is taken as the most it can.
void ReadCommandTail(uint16_t psp, char* tail) {
    uint8_t length = PeekByte(psp, kPspTail);
    if (length > kTailMax) length = kTailMax;
    CopyIn(tail, psp, kPspTail + 1, length);
    tail[length] = 0;
}

}  // namespace

const char* LocateExtender() { return CanOpen(kDiskExtender) ? kDiskExtender : kBareExtender; }

extern "C" [[noreturn]] void DosMain(uint16_t psp) {
    const char* extender = LocateExtender();
    if (CanOpen(kDiskGame)) {
        CopyText(gameArgument, kGameArgumentSize, kDiskGameArgument);
        WriteText(kPatchMessage);
        WaitTicks(kPatchPauseTicks);
    } else {
        CopyText(gameArgument, kGameArgumentSize, kCdGameArgument);
    }
    char tail[kTailSize];
    ReadCommandTail(psp, tail);
    const char* argv[5] = {extender, gameArgument, tail, kPassUsSwitch ? kUsSwitch : nullptr, nullptr};
    WriteText(kBanner);
    int error = ExecInPlace(psp, argv);
    WriteText(kExecFailed);
    WriteText(extender);
    WriteText("\n");
    WriteText(ErrorText(error));
    WriteText("\n");
    DosExit(1);
}
