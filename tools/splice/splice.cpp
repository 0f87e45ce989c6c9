// splice STUB.EXE PROGRAM.EXE: puts the DOS program STUB.EXE in front of the
// PE headers of PROGRAM.EXE, in place of the DOS part the linker wrote.
// e_lfanew then points at the PE headers, which follow the DOS program at
// the next multiple of 8 bytes (zero-filled); when the headers grow past
// SizeOfHeaders, the section data moves back by whole FileAlignment units
// and every file offset in the headers follows it. Refuses (exit 1, file
// untouched) a stub that would push the headers into the first section, and
// anything that is not an MZ stub and a PE file.
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "pe_image.h"

namespace {

bool Load(const char* path, Bytes* bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

uint32_t AlignUp(uint32_t value, uint32_t alignment) { return (value + alignment - 1) & ~(alignment - 1); }

// The file offset of an RVA in the sections of `file`, or 0.
uint32_t RvaToOffset(const Bytes& file, const PeLayout& pe, uint32_t rva) {
    for (uint32_t i = 0; i < pe.sectionCount; ++i) {
        uint32_t s = pe.sectionTable + i * kSectionHeaderSize;
        uint32_t va = Get32(file, s + 12), size = Get32(file, s + 16), raw = Get32(file, s + 20);
        if (raw && rva >= va && rva < va + size) return raw + (rva - va);
    }
    return 0;
}

bool Splice(const Bytes& stub, const Bytes& program, Bytes* out, std::string* error) {
    MzLayout mz;
    if (!ReadMz(stub, &mz, error)) {
        *error = "stub: " + *error;
        return false;
    }
    if (mz.headerSize < 0x40) {
        *error = "stub: its MZ header is too short to hold the PE header offset";
        return false;
    }
    PeLayout pe;
    if (!ReadPe(program, &pe, error)) return false;
    if (pe.firstRawData < pe.sizeOfHeaders || pe.sizeOfHeaders < pe.headersEnd || pe.sizeOfHeaders > program.size()) {
        *error = "PE file whose headers overlap its section data";
        return false;
    }
    uint32_t headersLength = pe.headersEnd - pe.peOffset;
    uint32_t newPeOffset = AlignUp(mz.fileSize, 8);
    uint32_t newHeadersEnd = newPeOffset + headersLength;
    uint32_t newSizeOfHeaders = AlignUp(newHeadersEnd, pe.fileAlignment);
    if (newSizeOfHeaders < pe.sizeOfHeaders) newSizeOfHeaders = pe.sizeOfHeaders;
    if (newSizeOfHeaders > pe.firstSectionRva) {
        *error = "stub too big: the headers would take " + std::to_string(newSizeOfHeaders) +
                 " bytes, but the first section starts at " + std::to_string(pe.firstSectionRva);
        return false;
    }
    uint32_t delta = newSizeOfHeaders - pe.sizeOfHeaders;

    out->assign(stub.begin(), stub.begin() + mz.fileSize);
    Put32(*out, 0x3C, newPeOffset);
    out->resize(newPeOffset, 0);
    out->insert(out->end(), program.begin() + pe.peOffset, program.begin() + pe.headersEnd);
    out->resize(newSizeOfHeaders, 0);
    out->insert(out->end(), program.begin() + pe.sizeOfHeaders, program.end());

    // Every file offset the headers hold moves with the data behind them.
    int32_t shift = static_cast<int32_t>(newPeOffset) - static_cast<int32_t>(pe.peOffset);
    auto moved = [&](uint32_t off) { return off + shift; };
    auto bump = [&](uint32_t off) {
        uint32_t value = Get32(*out, off);
        if (value) Put32(*out, off, value + delta);
    };
    uint32_t optional = moved(pe.optionalOffset);
    Put32(*out, optional + kOptSizeOfHeaders, newSizeOfHeaders);
    bump(moved(pe.peOffset) + 4 + 8);  // COFF symbol table
    for (uint32_t i = 0; i < pe.sectionCount; ++i) {
        uint32_t s = moved(pe.sectionTable) + i * kSectionHeaderSize;
        bump(s + 20);  // raw data
        bump(s + 24);  // relocations
        bump(s + 28);  // line numbers
    }
    uint32_t directories = optional + (pe.pe32plus ? 112 : 96);
    uint32_t directoryCount = Get32(*out, optional + (pe.pe32plus ? 108 : 92));
    if (directoryCount > 4) bump(directories + 4 * 8);  // certificates: a file offset, not an RVA
    if (directoryCount > 6 && delta) {
        PeLayout now;
        ReadPe(*out, &now, error);
        uint32_t rva = Get32(*out, directories + 6 * 8), size = Get32(*out, directories + 6 * 8 + 4);
        uint32_t at = RvaToOffset(*out, now, rva);
        for (uint32_t e = 0; at && e + 28 <= size && at + e + 28 <= out->size(); e += 28) bump(at + e + 24);
    }
    if (Get32(*out, optional + kOptCheckSum)) Put32(*out, optional + kOptCheckSum, PeChecksum(*out, optional + kOptCheckSum));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: splice STUB.EXE PROGRAM.EXE\n");
        return 2;
    }
    Bytes stub, program, out;
    std::string error;
    for (int i = 1; i <= 2; ++i) {
        if (!Load(argv[i], i == 1 ? &stub : &program)) {
            std::fprintf(stderr, "splice: cannot read %s\n", argv[i]);
            return 1;
        }
    }
    if (!Splice(stub, program, &out, &error)) {
        std::fprintf(stderr, "splice: %s: %s\n", argv[2], error.c_str());
        return 1;
    }
    // Written beside and renamed over, so that a failure leaves the program whole.
    std::string temp = std::string(argv[2]) + ".splice";
    {
        std::ofstream o(temp, std::ios::binary | std::ios::trunc);
        o.write(reinterpret_cast<const char*>(out.data()), out.size());
        if (!o.flush()) {
            std::fprintf(stderr, "splice: cannot write %s\n", temp.c_str());
            std::remove(temp.c_str());
            return 1;
        }
    }
    struct stat mode;
    if (stat(argv[2], &mode) == 0) chmod(temp.c_str(), mode.st_mode & 07777);
    if (std::rename(temp.c_str(), argv[2]) != 0) {
        std::fprintf(stderr, "splice: cannot replace %s\n", argv[2]);
        std::remove(temp.c_str());
        return 1;
    }
    return 0;
}
