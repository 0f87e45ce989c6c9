#include "exec.h"

#include "dos.h"
#include "errors.h"
#include "shared.h"

// The end of the exec, in 16-bit assembly (loader.S).
extern "C" uint16_t ExecEnvironment();
extern "C" [[noreturn]] void ExecCommit();
extern "C" uint16_t loader_psp, exec_path_size;
static_assert(EXEC_NO_MEMORY == NoMemory, "ExecEnvironment's error number");

constexpr int TailLimit = 126; // the most a command tail holds before its CR
constexpr int PathSize = EXEC_PATH_SIZE;

// The new program's MZ header, read straight into the loader's data.
struct MzHeader {
    uint16_t magic, lastPageBytes, pages, relocations, headerParagraphs;
    uint16_t minExtra, maxExtra, ss, sp, checksum, ip, cs, relocationTable, overlay;
};
extern "C" MzHeader loader_header;
static_assert(sizeof(MzHeader) == MZ_HEADER_SIZE, "loader_header (loader.S) holds MZ_HEADER_SIZE bytes");
static_assert(offsetof(MzHeader, lastPageBytes) == MZ_LAST_PAGE_BYTES && offsetof(MzHeader, pages) == MZ_PAGES &&
                  offsetof(MzHeader, headerParagraphs) == MZ_HEADER_PARAGRAPHS &&
                  offsetof(MzHeader, minExtra) == MZ_MIN_EXTRA && offsetof(MzHeader, maxExtra) == MZ_MAX_EXTRA &&
                  offsetof(MzHeader, ss) == MZ_SS && offsetof(MzHeader, sp) == MZ_SP &&
                  offsetof(MzHeader, ip) == MZ_IP && offsetof(MzHeader, cs) == MZ_CS,
              "ExecCommit and the loader (loader.S) read the header at the offsets of shared.h");

// Read by ExecCommit.
extern "C" {
char exec_joined[TailLimit + 2]; // the new tail: text, CR, NUL
uint16_t exec_joined_length;
char exec_program_path[PathSize]; // the program file, fully qualified
}
// ExecCommit writes the length at PSP:80h and the text with its CR from 81h:
// all of it inside the 256-byte PSP.
static_assert(0x81 + TailLimit + 1 <= 0x100, "the longest tail and its CR fit in the PSP");
// ExecCommit copies EXEC_PATH_SIZE bytes of the path behind the loader.
static_assert(sizeof exec_program_path == EXEC_PATH_SIZE, "exec_program_path is what the loader copies");
// loader_psp, exec_path_size and exec_joined_length are words to the assembly.
static_assert(sizeof loader_psp == 2 && sizeof exec_path_size == 2 && sizeof exec_joined_length == 2,
              "words in loader.S");

constexpr uint16_t PspEnvironment = 0x2C;
constexpr int DosFileNotFound = 2, DosPathNotFound = 3;
constexpr int NotFound = -1;

char candidate[PathSize]; // the program file as searched for

// The arguments joined by single blanks; the length, or -1 when too long.
static int JoinArguments(const char* const* args)
{
    int n = 0;
    for (int i = 0; args[i]; ++i) {
        if (i > 0 && n < TailLimit + 1)
            exec_joined[n++] = ' ';
        for (const char* s = args[i]; *s && n < TailLimit + 1; ++s)
            exec_joined[n++] = *s;
    }
    if (n > TailLimit)
        return -1;
    exec_joined[n] = '\r';
    exec_joined[n + 1] = 0;
    return n;
}

// 0 when `candidate` opened, NotFound when it is not there, else an error number.
static int TryCandidate(uint16_t* handle)
{
    int dos = DosOpenRead(candidate, handle);
    if (dos == 0)
        return 0;
    if (dos == DosFileNotFound || dos == DosPathNotFound)
        return NotFound;
    return ErrorFromDos(dos);
}

// Opens the program file: a name with a drive or a leading backslash as it
// stands, a bare name in the current directory and then along PATH.
static int FindProgram(const char* name, uint16_t env, uint16_t* handle)
{
    if (!CopyText(candidate, PathSize, name))
        return NoSuchFile;
    int result = TryCandidate(handle);
    if (result != NotFound || name[0] == '\\' || (name[0] && name[1] == ':'))
        return result == NotFound ? NoSuchFile : result;
    int nameSize = TextLength(name) + 1;
    uint16_t off = EnvFind(env, "PATH=");
    while (off != NoVariable) {
        int n = 0;
        uint8_t c;
        for (; (c = PeekByte(env, off)) && c != ';'; ++off) {
            if (n < PathSize)
                candidate[n] = c;
            ++n;
        }
        off = c ? off + 1 : NoVariable;
        // An empty entry names no directory; an overlong one no file DOS could open.
        if (n == 0)
            continue;
        if (n < PathSize && candidate[n - 1] != '\\')
            candidate[n++] = '\\';
        if (n + nameSize > PathSize)
            continue;
        CopyText(candidate + n, PathSize - n, name);
        result = TryCandidate(handle);
        if (result != NotFound)
            return result;
    }
    return NoSuchFile;
}

int ExecInPlace(uint16_t psp, const char* const* argv)
{
    int length = JoinArguments(argv + 1);
    if (length < 0)
        return ArgListTooBig;
    uint16_t handle;
    int error = FindProgram(argv[0], PeekWord(psp, PspEnvironment), &handle);
    if (error)
        return error;
    MzHeader& header = loader_header;
    int got = DosRead(handle, &header, sizeof header);
    DosClose(handle);
    // "MZ", or "ZM", which DOS takes as well; and an image after the header.
    if (got != sizeof header || (header.magic != 0x5A4D && header.magic != 0x4D5A) ||
        header.headerParagraphs >= static_cast<uint32_t>(header.pages) * 32)
        return ExecFormat;

    // DOS gives a program its own path fully qualified.
    dosRegs.si = Offset(candidate);
    dosRegs.di = Offset(exec_program_path);
    if (!DosWithEs(0x6000, DataSegment()))
        CopyText(exec_program_path, PathSize, candidate);
    loader_psp = psp;
    exec_path_size = TextLength(exec_program_path) + 1;
    error = ExecEnvironment();
    if (error)
        return error;
    exec_joined_length = length;
    ExecCommit();
}
