// The one reader of MZ and PE files here (PE32, and PE32+ as far as its users
// need it), for the stub splicer and for the checks of the built files. Every
// read is bounds-checked: a truncated or malformed file is refused with a
// reason, never read past its end.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "byte_reader.h"

// The DOS program at the start of a file, as its MZ header describes it.
struct MzLayout {
    std::uint32_t fileSize = 0; // header, relocations and load image
    std::uint32_t headerSize = 0;
};

// False with a reason when `file` does not begin with an MZ header that fits it.
bool ReadMz(const Bytes& file, MzLayout& mz, std::string& error);

struct PeSection {
    std::string name;
    std::uint32_t virtualAddress = 0;
    std::uint32_t virtualSize = 0;
    std::uint32_t rawOffset = 0;
    std::uint32_t rawSize = 0;
};

struct PeDataDirectory {
    std::uint32_t rva = 0;
    std::uint32_t size = 0;
};

enum PeDirectoryIndex {
    ImportDirectory = 1,
    ResourceDirectory = 2,
    CertificateDirectory = 4, // its "rva" is a file offset
    DebugDirectory = 6,
};

// Offsets inside the optional header, the same for PE32 and PE32+.
constexpr std::uint32_t OptFileAlignment = 36, OptSizeOfHeaders = 60, OptCheckSum = 64;
constexpr std::uint32_t SectionHeaderSize = 40;

struct PeImage {
    Bytes bytes;
    // Where the headers lie in `bytes`.
    std::uint32_t peOffset = 0;          // e_lfanew: the "PE\0\0" signature
    std::uint32_t optionalOffset = 0;    // the optional header
    std::uint32_t directoriesOffset = 0; // its first data directory
    std::uint32_t sectionTableOffset = 0;
    std::uint32_t headersEnd = 0; // just past the section table

    std::uint16_t machine = 0;
    std::uint32_t timeDateStamp = 0;
    std::uint16_t characteristics = 0;
    std::uint16_t optionalMagic = 0; // 0x10B PE32, 0x20B PE32+
    std::uint32_t fileAlignment = 0;
    std::uint16_t majorOsVersion = 0;
    std::uint16_t minorOsVersion = 0;
    std::uint16_t majorSubsystemVersion = 0;
    std::uint16_t minorSubsystemVersion = 0;
    std::uint32_t sizeOfHeaders = 0;
    std::uint32_t checkSum = 0;
    std::uint16_t subsystem = 0;
    std::vector<PeDataDirectory> directories;
    std::vector<PeSection> sections;

    bool IsPe32Plus() const
    {
        return optionalMagic == 0x20B;
    }
    // The lowest section address, and the lowest nonzero raw data offset;
    // UINT32_MAX without sections.
    std::uint32_t FirstSectionRva() const;
    std::uint32_t FirstRawData() const;
};

// Reads and checks the headers; false with a reason in `error` when the file
// cannot be read or is no PE file.
bool LoadPeImage(const std::string& path, PeImage& image, std::string& error);
bool ParsePeImage(Bytes bytes, PeImage& image, std::string& error);

// The file offset of `count` bytes at `rva`, when they lie wholly inside one
// section's raw data; otherwise false.
bool RvaToOffset(const PeImage& image, std::uint32_t rva, std::uint32_t count, std::size_t& offset);

// The bytes at `rva`, empty when they are not all in the file.
Bytes ReadAtRva(const PeImage& image, std::uint32_t rva, std::uint32_t count);

// A NUL-terminated 8-bit string at `rva`; false when it runs out of its section.
bool ReadAsciiAtRva(const PeImage& image, std::uint32_t rva, std::string& text);

// The PE checksum of `file` with its CheckSum field at `checksumOffset`.
std::uint32_t PeChecksum(const Bytes& file, std::uint32_t checksumOffset);
