// DOS services for the real-mode programs: calls, far memory, files, console.
// Built with -mregparm=3: the first three arguments travel in registers.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include "shared.h"

// The registers of one INT 21h call; DS is always ours.
struct DosRegs {
    uint16_t ax, bx, cx, dx, si, di, es, flags;
};
static_assert(offsetof(DosRegs, ax) == DOSREGS_AX && offsetof(DosRegs, bx) == DOSREGS_BX &&
                  offsetof(DosRegs, cx) == DOSREGS_CX && offsetof(DosRegs, dx) == DOSREGS_DX &&
                  offsetof(DosRegs, si) == DOSREGS_SI && offsetof(DosRegs, di) == DOSREGS_DI &&
                  offsetof(DosRegs, es) == DOSREGS_ES && offsetof(DosRegs, flags) == DOSREGS_FLAGS,
              "DosCall (dos_calls.S) addresses dosRegs at the offsets of shared.h");
extern "C" DosRegs dosRegs;
extern "C" void DosCall();

// Dos sets AX BX CX DX, and ES to ours; DosWithEs sets AX BX and ES only.
// Either runs the call with what else dosRegs holds (SI and DI, and for the
// second CX and DX: set them first) and is true on success (carry clear).
bool Dos(uint16_t ax, uint16_t bx = 0, uint16_t cx = 0, uint16_t dx = 0);
bool DosWithEs(uint16_t ax, uint16_t es, uint16_t bx = 0);

inline uint16_t DataSegment()
{
    uint16_t seg;
    asm("movw %%ds, %0" : "=r"(seg));
    return seg;
}
inline uint16_t Offset(const void* p)
{
    return static_cast<uint16_t>(reinterpret_cast<uintptr_t>(p));
}

extern "C" uint8_t PeekByte(uint16_t seg, uint16_t off);
extern "C" uint16_t PeekWord(uint16_t seg, uint16_t off);
// Offset of the value of `name` (with its "=") in an environment, or NoVariable.
extern "C" uint16_t EnvFind(uint16_t env, const char* name);
constexpr uint16_t NoVariable = 0xFFFF;
extern "C" void FarCopy(uint16_t dstSeg, uint16_t dstOff, uint16_t srcSeg, uint16_t srcOff, uint16_t count);
// Copies into our own segment.
void CopyIn(void* dst, uint16_t seg, uint16_t off, uint16_t count);

// Files by handle. Opening returns 0 or the DOS error code.
int DosOpenRead(const char* path, uint16_t* handle);
void DosClose(uint16_t handle);
// Bytes moved, or -1.
int DosRead(uint16_t handle, void* buffer, uint16_t count);
int DosWrite(uint16_t handle, const void* buffer, uint16_t count);

// Standard output in text mode: every line feed goes out as CR LF.
void WriteText(const char* text);

// Waits until the BIOS tick count has changed `changes` times.
void WaitTicks(uint16_t changes);
uint32_t BiosTicks();

[[noreturn]] void DosExit(uint8_t code);

int TextLength(const char* text);
// Copies that never write beyond `capacity` bytes; false, and nothing
// written, when the text does not fit with its NUL.
bool CopyText(char* buffer, int capacity, const char* text);
