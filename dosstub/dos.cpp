#include "dos.h"

DosRegs dosRegs;

// CopyText's copy, which the compiler may also call for struct copies. There
// is no memset: nothing calls it, and should the compiler ever emit a call,
// the link stops at the missing symbol.
extern "C" void* memcpy(void* dst, const void* src, unsigned n)
{
    char* d = static_cast<char*>(dst);
    const char* s = static_cast<const char*>(src);
    while (n--)
        *d++ = *s++;
    return dst;
}

bool DosWithEs(uint16_t ax, uint16_t es, uint16_t bx)
{
    dosRegs.ax = ax;
    dosRegs.bx = bx;
    dosRegs.es = es;
    DosCall();
    return (dosRegs.flags & 1) == 0;
}

bool Dos(uint16_t ax, uint16_t bx, uint16_t cx, uint16_t dx)
{
    dosRegs.cx = cx;
    dosRegs.dx = dx;
    return DosWithEs(ax, DataSegment(), bx);
}

void CopyIn(void* dst, uint16_t seg, uint16_t off, uint16_t count)
{
    FarCopy(DataSegment(), Offset(dst), seg, off, count);
}

int DosOpenRead(const char* path, uint16_t* handle)
{
    if (!Dos(0x3D00, 0, 0, Offset(path)))
        return dosRegs.ax;
    *handle = dosRegs.ax;
    return 0;
}

void DosClose(uint16_t handle)
{
    Dos(0x3E00, handle);
}

int DosRead(uint16_t handle, void* buffer, uint16_t count)
{
    return Dos(0x3F00, handle, count, Offset(buffer)) ? dosRegs.ax : -1;
}

int DosWrite(uint16_t handle, const void* buffer, uint16_t count)
{
    return Dos(0x4000, handle, count, Offset(buffer)) ? dosRegs.ax : -1;
}

void WriteText(const char* text)
{
    const char* run = text;
    for (;; ++text) {
        if (*text == '\n' || *text == 0) {
            DosWrite(1, run, text - run);
            if (*text == 0)
                return;
            DosWrite(1, "\r\n", 2);
            run = text + 1;
        }
    }
}

uint32_t BiosTicks()
{
    uint32_t ticks;
    CopyIn(&ticks, 0x40, 0x6C, 4);
    return ticks;
}

void WaitTicks(uint16_t changes)
{
    uint32_t last = BiosTicks();
    while (changes) {
        uint32_t now = BiosTicks();
        if (now != last) {
            last = now;
            --changes;
        }
    }
}

void DosExit(uint8_t code)
{
    Dos(0x4C00 | code);
    for (;;) {
    }
}

int TextLength(const char* text)
{
    int n = 0;
    while (text[n])
        ++n;
    return n;
}

bool CopyText(char* buffer, int capacity, const char* text)
{
    int n = TextLength(text);
    if (n >= capacity)
        return false;
    memcpy(buffer, text, n + 1);
    return true;
}
