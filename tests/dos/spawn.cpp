// Starts a program with a command tail no DOS shell would give: SPAWN PROGRAM
// runs PROGRAM (a full path) as a child whose PSP tail area is the bytes of
// C:\TAIL.BIN (length byte first, up to 128 bytes, taken as they are), then
// exits with the child's exit code; 255 when the child cannot be started.
#include "dos.h"

constexpr int TailArea = 128;
static uint8_t tail[TailArea];
static char program[128];

namespace {

struct ExecBlock {
    uint16_t environment; // 0: a copy of ours
    uint16_t tailOffset, tailSegment;
    uint16_t fcb1Offset, fcb1Segment, fcb2Offset, fcb2Segment;
};

} // namespace

static ExecBlock block;

extern "C" char _program_paragraphs[];

extern "C" [[noreturn]] void DosMain(uint16_t psp)
{
    uint16_t handle;
    if (DosOpenRead("C:\\TAIL.BIN", &handle) != 0)
        DosExit(255);
    DosRead(handle, tail, TailArea);
    DosClose(handle);

    // The program's name: our own tail without its blanks.
    int length = PeekByte(psp, 0x80), n = 0;
    for (int i = 0; i < length && n < 127; ++i) {
        char c = PeekByte(psp, 0x81 + i);
        if (c != ' ')
            program[n++] = c;
    }
    program[n] = 0;

    // Room for the child: this program keeps only what it needs.
    DosWithEs(0x4A00, psp, 0x10 + Offset(_program_paragraphs));
    block.tailOffset = Offset(tail);
    block.tailSegment = DataSegment();
    block.fcb1Offset = 0x5C;
    block.fcb2Offset = 0x6C;
    block.fcb1Segment = block.fcb2Segment = psp;
    // DOS gives back only CS:IP and SS:SP after the child: the segment
    // registers are ours again from CS, everything else is lost.
    uint32_t ax = 0x4B00, bx = Offset(&block);
    asm volatile("pushl %%ebp\n\t"
                 "int $0x21\n\t"
                 "sbbl %%eax, %%eax\n\t"
                 "popl %%ebp\n\t"
                 "movw %%cs, %%bx\n\t"
                 "movw %%bx, %%ds\n\t"
                 "movw %%bx, %%es"
                 : "+a"(ax), "+b"(bx)
                 : "d"(Offset(program))
                 : "ecx", "esi", "edi", "memory", "cc");
    if (ax)
        DosExit(255);
    Dos(0x4D00);
    DosExit(dosRegs.ax & 0xFF);
}
