#include "exec.h"

#include "dos.h"
#include "errors.h"

// The end of the exec, in 16-bit assembly (loader.S).
extern "C" uint16_t ExecEnvironment();
extern "C" [[noreturn]] void ExecCommit();
extern "C" uint16_t loader_psp, exec_path_size;

constexpr int kTailLimit = 126;          // the most a command tail holds before its CR
constexpr int kPathSize = 128;           // room for any DOS path, as the truename call wants

// The new program's MZ header, read straight into the loader's data.
struct MzHeader {
    uint16_t magic, lastPageBytes, pages, relocations, headerParagraphs;
    uint16_t minExtra, maxExtra, ss, sp, checksum, ip, cs, relocationTable, overlay;
};
extern "C" MzHeader loader_header;

// Read by ExecCommit.
extern "C" {
char exec_joined[kTailLimit + 2];        // the new tail: text, CR, NUL
uint16_t exec_joined_length;
char exec_program_path[kPathSize];       // the program file, fully qualified
}

namespace {

constexpr uint16_t kPspEnvironment = 0x2C;
constexpr int kDosFileNotFound = 2, kDosPathNotFound = 3;
constexpr int kNotFound = -1;

char candidate[kPathSize];               // the program file as searched for

// The arguments joined by single blanks; the length, or -1 when too long.
int JoinArguments(const char* const* args) {
    int n = 0;
    for (int i = 0; args[i]; ++i) {
        if (i > 0 && n < kTailLimit + 1) exec_joined[n++] = ' ';
        for (const char* s = args[i]; *s && n < kTailLimit + 1; ++s) exec_joined[n++] = *s;
    }
    if (n > kTailLimit) return -1;
    exec_joined[n] = '\r';
    exec_joined[n + 1] = 0;
    return n;
}

// 0 when `candidate` opened, kNotFound when it is not there, else an error number.
int TryCandidate(uint16_t* handle) {
    int dos = DosOpenRead(candidate, handle);
    if (dos == 0) return 0;
    if (dos == kDosFileNotFound || dos == kDosPathNotFound) return kNotFound;
    return ErrorFromDos(dos);
}

// Opens the program file: a name with a drive or a leading backslash as it
// stands, a bare name in the current directory and then along PATH.
int FindProgram(const char* name, uint16_t env, uint16_t* handle) {
    if (!CopyText(candidate, kPathSize, name)) return kNoSuchFile;
    int result = TryCandidate(handle);
    if (result != kNotFound || name[0] == '\\' || (name[0] && name[1] == ':'))
        return result == kNotFound ? kNoSuchFile : result;
    int nameSize = TextLength(name) + 1;
    uint16_t off = EnvFind(env, "PATH=");
    while (off != kNoVariable) {
        int n = 0;
        uint8_t c;
        for (; (c = PeekByte(env, off)) && c != ';'; ++off) {
            if (n < kPathSize) candidate[n] = c;
            ++n;
        }
        off = c ? off + 1 : kNoVariable;
        // An empty entry names no directory; an overlong one no file DOS could open.
        if (n == 0) continue;
        if (n < kPathSize && candidate[n - 1] != '\\') candidate[n++] = '\\';
        if (n + nameSize > kPathSize) continue;
        CopyText(candidate + n, kPathSize - n, name);
        result = TryCandidate(handle);
        if (result != kNotFound) return result;
    }
    return kNoSuchFile;
}

}  // namespace

int ExecInPlace(uint16_t psp, const char* const* argv) {
    int length = JoinArguments(argv + 1);
    if (length < 0) return kArgListTooBig;
    uint16_t handle;
    int error = FindProgram(argv[0], PeekWord(psp, kPspEnvironment), &handle);
    if (error) return error;
    MzHeader& header = loader_header;
    int got = DosRead(handle, &header, sizeof header);
    DosClose(handle);
    if (got != sizeof header || (header.magic != 0x5A4D && header.magic != 0x4D5A) ||
        header.headerParagraphs >= static_cast<uint32_t>(header.pages) * 32)
        return kExecFormat;

    // DOS gives a program its own path fully qualified.
    dosRegs.si = Offset(candidate);
    dosRegs.di = Offset(exec_program_path);
    if (!DosWithEs(0x6000, DataSegment())) CopyText(exec_program_path, kPathSize, candidate);
    loader_psp = psp;
    exec_path_size = TextLength(exec_program_path) + 1;
    error = ExecEnvironment();
    if (error) return error;
    exec_joined_length = length;
    ExecCommit();
}
