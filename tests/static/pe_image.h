// The headers and sections of a PE file (PE32, and PE32+ as far as the
// readers here need it), read whole into memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "byte_reader.h"

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

enum PeDirectoryIndex { kImportDirectory = 1, kResourceDirectory = 2 };

struct PeImage {
    Bytes bytes;
    std::uint16_t machine = 0;
    std::uint32_t timeDateStamp = 0;
    std::uint16_t characteristics = 0;
    std::uint16_t optionalMagic = 0;  // 0x10B PE32, 0x20B PE32+
    std::uint16_t majorOsVersion = 0;
    std::uint16_t minorOsVersion = 0;
    std::uint16_t majorSubsystemVersion = 0;
    std::uint16_t minorSubsystemVersion = 0;
    std::uint16_t subsystem = 0;
    std::vector<PeDataDirectory> directories;
    std::vector<PeSection> sections;

    bool IsPe32Plus() const { return optionalMagic == 0x20B; }
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
