#include "spliced_layout.h"

bool CheckSplicedLayout(const Bytes& file, const Bytes& stub, std::string& why)
{
    MzLayout mz;
    if (!ReadMz(stub, mz, why))
        return false;
    if (file.size() < mz.fileSize) {
        why = "shorter than the stub";
        return false;
    }
    for (std::uint32_t i = 0; i < mz.fileSize; ++i) {
        if ((i < 0x3C || i >= 0x40) && file[i] != stub[i]) {
            why = "differs from the stub at byte " + std::to_string(i);
            return false;
        }
    }
    std::uint32_t expected = (mz.fileSize + 7) & ~7u;
    if (ReadU32(file, 0x3C) != expected) {
        why = "e_lfanew is " + std::to_string(ReadU32(file, 0x3C)) + ", not " + std::to_string(expected);
        return false;
    }
    for (std::uint32_t i = mz.fileSize; i < expected; ++i) {
        if (ReadU8(file, i)) {
            why = "nonzero byte in the gap at " + std::to_string(i);
            return false;
        }
    }
    PeImage pe;
    if (!ParsePeImage(file, pe, why))
        return false;
    if (pe.sections.empty() || pe.fileAlignment == 0 || (pe.fileAlignment & (pe.fileAlignment - 1))) {
        why = "PE file without sections or with a bad FileAlignment";
        return false;
    }
    if (pe.sizeOfHeaders % pe.fileAlignment || pe.headersEnd > pe.sizeOfHeaders ||
        pe.sizeOfHeaders > pe.FirstSectionRva() || pe.FirstRawData() < pe.sizeOfHeaders) {
        why = "headers end at " + std::to_string(pe.headersEnd) + ", SizeOfHeaders " +
              std::to_string(pe.sizeOfHeaders) + ", first section at " + std::to_string(pe.FirstSectionRva()) +
              ", first data at " + std::to_string(pe.FirstRawData());
        return false;
    }
    return true;
}
