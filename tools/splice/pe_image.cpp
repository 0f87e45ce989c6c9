#include "pe_image.h"

uint16_t Get16(const Bytes& b, size_t off) { return b[off] | b[off + 1] << 8; }

uint32_t Get32(const Bytes& b, size_t off) { return Get16(b, off) | static_cast<uint32_t>(Get16(b, off + 2)) << 16; }

void Put32(Bytes& b, size_t off, uint32_t value) {
    for (int i = 0; i < 4; ++i) b[off + i] = static_cast<uint8_t>(value >> (8 * i));
}

bool ReadMz(const Bytes& file, MzLayout* mz, std::string* error) {
    if (file.size() < 0x40 || Get16(file, 0) != 0x5A4D) {
        *error = "not an MZ program";
        return false;
    }
    uint32_t pages = Get16(file, 4), last = Get16(file, 2);
    if (pages == 0 || last >= 512) {
        *error = "MZ header with an impossible size";
        return false;
    }
    mz->fileSize = last ? (pages - 1) * 512 + last : pages * 512;
    mz->headerSize = Get16(file, 8) * 16u;
    if (mz->fileSize > file.size() || mz->headerSize > mz->fileSize) {
        *error = "MZ header describes more bytes than the file has";
        return false;
    }
    return true;
}

bool ReadPe(const Bytes& file, PeLayout* pe, std::string* error) {
    *error = "not a PE file";
    if (file.size() < 0x40 || Get16(file, 0) != 0x5A4D) return false;
    pe->peOffset = Get32(file, 0x3C);
    if (pe->peOffset > file.size() - 24 || Get32(file, pe->peOffset) != 0x00004550) return false;
    uint32_t coff = pe->peOffset + 4;
    pe->sectionCount = Get16(file, coff + 2);
    uint32_t optionalSize = Get16(file, coff + 16);
    pe->optionalOffset = coff + 20;
    pe->sectionTable = pe->optionalOffset + optionalSize;
    pe->headersEnd = pe->sectionTable + pe->sectionCount * kSectionHeaderSize;
    if (optionalSize < 68 || pe->headersEnd > file.size()) return false;
    uint16_t magic = Get16(file, pe->optionalOffset);
    if (magic != 0x10B && magic != 0x20B) return false;
    pe->pe32plus = magic == 0x20B;
    pe->sizeOfHeaders = Get32(file, pe->optionalOffset + kOptSizeOfHeaders);
    pe->fileAlignment = Get32(file, pe->optionalOffset + kOptFileAlignment);
    if (pe->sectionCount == 0 || pe->fileAlignment == 0 || (pe->fileAlignment & (pe->fileAlignment - 1))) {
        *error = "PE file without sections or with a bad FileAlignment";
        return false;
    }
    pe->firstSectionRva = UINT32_MAX;
    pe->firstRawData = UINT32_MAX;
    for (uint32_t i = 0; i < pe->sectionCount; ++i) {
        uint32_t s = pe->sectionTable + i * kSectionHeaderSize;
        uint32_t rva = Get32(file, s + 12), raw = Get32(file, s + 20);
        if (rva < pe->firstSectionRva) pe->firstSectionRva = rva;
        if (raw && raw < pe->firstRawData) pe->firstRawData = raw;
    }
    error->clear();
    return true;
}

uint32_t PeChecksum(const Bytes& file, uint32_t checksumOffset) {
    uint64_t sum = 0;
    for (size_t i = 0; i < file.size(); i += 2) {
        if (i == checksumOffset || i == checksumOffset + 2) continue;
        uint32_t word = file[i] | (i + 1 < file.size() ? file[i + 1] << 8 : 0);
        sum += word;
        sum = (sum & 0xFFFF) + (sum >> 16);
    }
    sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<uint32_t>(sum) + static_cast<uint32_t>(file.size());
}

bool CheckSplicedLayout(const Bytes& file, const Bytes& stub, std::string* why) {
    MzLayout mz;
    if (!ReadMz(stub, &mz, why)) return false;
    if (file.size() < mz.fileSize) {
        *why = "shorter than the stub";
        return false;
    }
    for (uint32_t i = 0; i < mz.fileSize; ++i) {
        if ((i < 0x3C || i >= 0x40) && file[i] != stub[i]) {
            *why = "differs from the stub at byte " + std::to_string(i);
            return false;
        }
    }
    uint32_t expected = (mz.fileSize + 7) & ~7u;
    if (Get32(file, 0x3C) != expected) {
        *why = "e_lfanew is " + std::to_string(Get32(file, 0x3C)) + ", not " + std::to_string(expected);
        return false;
    }
    for (uint32_t i = mz.fileSize; i < expected; ++i) {
        if (file[i]) {
            *why = "nonzero byte in the gap at " + std::to_string(i);
            return false;
        }
    }
    PeLayout pe;
    if (!ReadPe(file, &pe, why)) return false;
    if (pe.sizeOfHeaders % pe.fileAlignment || pe.headersEnd > pe.sizeOfHeaders ||
        pe.sizeOfHeaders > pe.firstSectionRva || pe.firstRawData < pe.sizeOfHeaders) {
        *why = "headers end at " + std::to_string(pe.headersEnd) + ", SizeOfHeaders " +
               std::to_string(pe.sizeOfHeaders) + ", first section at " + std::to_string(pe.firstSectionRva) +
               ", first data at " + std::to_string(pe.firstRawData);
        return false;
    }
    return true;
}
