// The stand-in for the DOS/4GW extender: reports what it was started with,
// as KEY=VALUE lines, to the file named by REPORT (default C:\STANDIN.TXT) and
// to standard output, then exits with the code in RC (default 0).
//   LENGTH  the PSP's tail length byte, in hex
//   TAIL    its command tail, in hex, as many bytes as that says (at most 127)
//   TEXT    the same as text, in brackets, for people
//   SELF    its own path, from after the environment
//   PSP, PARENT, TOP   its PSP segment, the parent's, the PSP's memory top
//   BLOCK, FREE        paragraphs in its memory block, in the largest free one
//   TICKS   the BIOS tick count at its start
#include "dos.h"

constexpr int LineSize = 300;
static char line[LineSize];
static int used;
static uint16_t report;

static void Put(char c)
{
    if (used < LineSize - 1)
        line[used++] = c;
}

static void PutText(const char* text)
{
    while (*text)
        Put(*text++);
}

static void PutHex(uint32_t value, int digits)
{
    while (digits--)
        Put("0123456789ABCDEF"[(value >> (4 * digits)) & 15]);
}

static void EndLine()
{
    Put('\n');
    line[used] = 0;
    DosWrite(report, line, used);
    WriteText("stand-in: ");
    WriteText(line);
    used = 0;
}

// Copies a far text into a buffer of `size` bytes.
static void FarText(char* buffer, int size, uint16_t seg, uint16_t off)
{
    int n = 0;
    for (char c; n < size - 1 && (c = PeekByte(seg, off + n)); ++n)
        buffer[n] = c;
    buffer[n] = 0;
}

// Creates the report file; the stub itself never writes a file, so this
// call lives here rather than in its library.
static void CreateReport(const char* path)
{
    if (Dos(0x3C00, 0, 0, Offset(path)))
        report = dosRegs.ax;
}

extern "C" [[noreturn]] void DosMain(uint16_t psp)
{
    uint32_t ticks = BiosTicks();
    uint16_t env = PeekWord(psp, 0x2C);

    static char path[128];
    uint16_t off = EnvFind(env, "REPORT=");
    if (off != NoVariable)
        FarText(path, sizeof path, env, off);
    else
        CopyText(path, sizeof path, "C:\\STANDIN.TXT");
    CreateReport(path);

    uint8_t length = PeekByte(psp, 0x80);
    PutText("LENGTH=");
    PutHex(length, 2);
    EndLine();
    PutText("TAIL=");
    for (int i = 0; i < length && i < 127; ++i)
        PutHex(PeekByte(psp, 0x81 + i), 2);
    EndLine();
    PutText("TEXT=[");
    for (int i = 0; i < length && i < 127; ++i)
        Put(PeekByte(psp, 0x81 + i));
    PutText("]");
    EndLine();

    off = 0;
    while (PeekByte(env, off) || PeekByte(env, off + 1))
        ++off;
    FarText(path, sizeof path, env, off + 4);
    PutText("SELF=");
    PutText(path);
    EndLine();

    static const struct {
        const char* name;
        uint16_t value;
    } Fields[] = {
        {"PSP=", psp},
        {"PARENT=", PeekWord(psp, 0x16)},
        {"TOP=", PeekWord(psp, 0x02)},
        {"BLOCK=", PeekWord(psp - 1, 3)},
    };
    for (const auto& f : Fields) {
        PutText(f.name);
        PutHex(f.value, 4);
        EndLine();
    }
    Dos(0x4800, 0xFFFF);
    PutText("FREE=");
    PutHex(dosRegs.bx, 4);
    EndLine();
    PutText("TICKS=");
    PutHex(ticks, 8);
    EndLine();
    DosClose(report);

    uint8_t code = 0;
    off = EnvFind(env, "RC=");
    for (char c; off != NoVariable && (c = PeekByte(env, off)) >= '0' && c <= '9'; ++off)
        code = code * 10 + (c - '0');
    DosExit(code);
}
