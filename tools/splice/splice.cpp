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

static bool Load(const char* path, Bytes* bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

static uint32_t AlignUp(uint32_t value, uint32_t alignment)
{
    return (value + alignment - 1) & ~(alignment - 1);
}

static bool Splice(const Bytes& stub, const Bytes& program, Bytes* out, std::string* error)
{
    MzLayout mz;
    if (!ReadMz(stub, mz, *error)) {
        *error = "stub: " + *error;
        return false;
    }
    if (mz.headerSize < 0x40) {
        *error = "stub: its MZ header is too short to hold the PE header offset";
        return false;
    }
    PeImage pe;
    if (!ParsePeImage(program, pe, *error)) {
        *error = "not a PE file";
        return false;
    }
    if (pe.sections.empty() || pe.fileAlignment == 0 || (pe.fileAlignment & (pe.fileAlignment - 1))) {
        *error = "PE file without sections or with a bad FileAlignment";
        return false;
    }
    if (pe.FirstRawData() < pe.sizeOfHeaders || pe.sizeOfHeaders < pe.headersEnd || pe.sizeOfHeaders > program.size()) {
        *error = "PE file whose headers overlap its section data";
        return false;
    }
    uint32_t headersLength = pe.headersEnd - pe.peOffset;
    uint32_t newPeOffset = AlignUp(mz.fileSize, 8);
    uint32_t newHeadersEnd = newPeOffset + headersLength;
    uint32_t newSizeOfHeaders = AlignUp(newHeadersEnd, pe.fileAlignment);
    if (newSizeOfHeaders < pe.sizeOfHeaders)
        newSizeOfHeaders = pe.sizeOfHeaders;
    if (newSizeOfHeaders > pe.FirstSectionRva()) {
        *error = "stub too big: the headers would take " + std::to_string(newSizeOfHeaders) +
                 " bytes, but the first section starts at " + std::to_string(pe.FirstSectionRva());
        return false;
    }
    uint32_t delta = newSizeOfHeaders - pe.sizeOfHeaders;

    out->assign(stub.begin(), stub.begin() + mz.fileSize);
    WriteU32(*out, 0x3C, newPeOffset);
    out->resize(newPeOffset, 0);
    out->insert(out->end(), program.begin() + pe.peOffset, program.begin() + pe.headersEnd);
    out->resize(newSizeOfHeaders, 0);
    out->insert(out->end(), program.begin() + pe.sizeOfHeaders, program.end());

    // Every file offset the headers hold moves with the data behind them.
    int32_t shift = static_cast<int32_t>(newPeOffset) - static_cast<int32_t>(pe.peOffset);
    auto moved = [&](uint32_t off) { return off + shift; };
    auto bump = [&](size_t off) {
        uint32_t value = ReadU32(*out, off);
        if (value)
            WriteU32(*out, off, value + delta);
    };
    uint32_t optional = moved(pe.optionalOffset);
    WriteU32(*out, optional + OptSizeOfHeaders, newSizeOfHeaders);
    bump(moved(pe.peOffset) + 4 + 8); // COFF symbol table
    for (uint32_t i = 0; i < pe.sections.size(); ++i) {
        uint32_t s = moved(pe.sectionTableOffset) + i * SectionHeaderSize;
        bump(s + 20); // raw data
        bump(s + 24); // relocations
        bump(s + 28); // line numbers
    }
    if (pe.directories.size() > CertificateDirectory) // certificates: a file offset, not an RVA
        bump(moved(pe.directoriesOffset) + 8 * CertificateDirectory);
    // The debug directory lies in the section data, now delta further on; its
    // entries hold the file offsets of their data.
    size_t debug;
    if (delta && pe.directories.size() > DebugDirectory) {
        const PeDataDirectory& d = pe.directories[DebugDirectory];
        if (RvaToOffset(pe, d.rva, d.size, debug))
            for (uint32_t e = 0; e + 28 <= d.size; e += 28)
                bump(debug + delta + e + 24);
    }
    if (pe.checkSum)
        WriteU32(*out, optional + OptCheckSum, PeChecksum(*out, optional + OptCheckSum));
    return true;
}

int main(int argc, char** argv)
{
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
    if (stat(argv[2], &mode) == 0)
        chmod(temp.c_str(), mode.st_mode & 07777);
    if (std::rename(temp.c_str(), argv[2]) != 0) {
        std::fprintf(stderr, "splice: cannot replace %s\n", argv[2]);
        std::remove(temp.c_str());
        return 1;
    }
    return 0;
}
