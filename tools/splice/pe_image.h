// Reading the layout of an MZ program and of a PE file in memory: the
// splicer and the checks of the built executables share it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

uint16_t Get16(const Bytes& b, size_t off);
uint32_t Get32(const Bytes& b, size_t off);
void Put32(Bytes& b, size_t off, uint32_t value);

// Bytes of the DOS program that the MZ header at the start describes
// (header, relocations and load image), and its header's size.
struct MzLayout {
    uint32_t fileSize;
    uint32_t headerSize;
};
bool ReadMz(const Bytes& file, MzLayout* mz, std::string* error);

struct PeLayout {
    uint32_t peOffset;        // e_lfanew: the "PE\0\0" signature
    uint32_t optionalOffset;  // the optional header
    bool pe32plus;
    uint32_t sectionTable;
    uint32_t sectionCount;
    uint32_t headersEnd;      // just past the section table
    uint32_t sizeOfHeaders;
    uint32_t fileAlignment;
    uint32_t firstSectionRva; // the lowest section address
    uint32_t firstRawData;    // the lowest nonzero raw data offset
};
bool ReadPe(const Bytes& file, PeLayout* pe, std::string* error);

// Offsets inside the optional header, the same for PE32 and PE32+.
constexpr uint32_t kOptFileAlignment = 36, kOptSizeOfHeaders = 60, kOptCheckSum = 64;
constexpr uint32_t kSectionHeaderSize = 40;

// The PE checksum of `file` with its CheckSum field at `checksumOffset`.
uint32_t PeChecksum(const Bytes& file, uint32_t checksumOffset);

// The layout the splicer makes: `file` begins with the DOS program `stub`
// (all but its e_lfanew), e_lfanew is the next multiple of 8 after it, the
// gap is zero, and the PE headers end below the first section and the
// section data. False, with the reason, otherwise.
bool CheckSplicedLayout(const Bytes& file, const Bytes& stub, std::string* why);
