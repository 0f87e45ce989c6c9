#include "pe_image.h"

#include <fstream>
#include <iterator>

bool ReadMz(const Bytes& file, MzLayout& mz, std::string& error)
{
    if (!InRange(file, 0, 0x40) || ReadU16(file, 0) != 0x5A4D) {
        error = "not an MZ program";
        return false;
    }
    std::uint32_t pages = ReadU16(file, 4), last = ReadU16(file, 2);
    if (pages == 0 || last >= 512) {
        error = "MZ header with an impossible size";
        return false;
    }
    mz.fileSize = last ? (pages - 1) * 512 + last : pages * 512;
    mz.headerSize = ReadU16(file, 8) * 16u;
    if (mz.fileSize > file.size() || mz.headerSize > mz.fileSize) {
        error = "MZ header describes more bytes than the file has";
        return false;
    }
    return true;
}

std::uint32_t PeImage::FirstSectionRva() const
{
    std::uint32_t first = UINT32_MAX;
    for (const PeSection& s : sections)
        if (s.virtualAddress < first)
            first = s.virtualAddress;
    return first;
}

std::uint32_t PeImage::FirstRawData() const
{
    std::uint32_t first = UINT32_MAX;
    for (const PeSection& s : sections)
        if (s.rawOffset && s.rawOffset < first)
            first = s.rawOffset;
    return first;
}

bool LoadPeImage(const std::string& path, PeImage& image, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!ParsePeImage(std::move(bytes), image, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

bool ParsePeImage(Bytes bytes, PeImage& image, std::string& error)
{
    image = PeImage();
    image.bytes = std::move(bytes);
    const Bytes& b = image.bytes;
    if (!InRange(b, 0, 0x40) || b[0] != 'M' || b[1] != 'Z') {
        error = "no MZ header";
        return false;
    }
    image.peOffset = ReadU32(b, 0x3C);
    if (!InRange(b, image.peOffset, 24) || ReadU32(b, image.peOffset) != 0x00004550) {
        error = "no PE signature at e_lfanew";
        return false;
    }
    std::size_t coff = image.peOffset + 4;
    image.machine = ReadU16(b, coff);
    std::uint16_t sectionCount = ReadU16(b, coff + 2);
    image.timeDateStamp = ReadU32(b, coff + 4);
    std::uint16_t optionalSize = ReadU16(b, coff + 16);
    image.characteristics = ReadU16(b, coff + 18);

    std::size_t opt = image.optionalOffset = image.peOffset + 24;
    if (!InRange(b, opt, optionalSize) || optionalSize < 2) {
        error = "optional header truncated";
        return false;
    }
    image.optionalMagic = ReadU16(b, opt);
    std::size_t directoryCountAt;
    if (image.optionalMagic == 0x10B)
        directoryCountAt = 92;
    else if (image.optionalMagic == 0x20B)
        directoryCountAt = 108;
    else {
        error = "unknown optional header magic";
        return false;
    }
    if (optionalSize < directoryCountAt + 4) {
        error = "optional header too short";
        return false;
    }
    // These fields sit at the same offsets in both forms.
    image.fileAlignment = ReadU32(b, opt + OptFileAlignment);
    image.majorOsVersion = ReadU16(b, opt + 40);
    image.minorOsVersion = ReadU16(b, opt + 42);
    image.majorSubsystemVersion = ReadU16(b, opt + 48);
    image.minorSubsystemVersion = ReadU16(b, opt + 50);
    image.sizeOfHeaders = ReadU32(b, opt + OptSizeOfHeaders);
    image.checkSum = ReadU32(b, opt + OptCheckSum);
    image.subsystem = ReadU16(b, opt + 68);
    std::uint32_t directoryCount = ReadU32(b, opt + directoryCountAt);
    image.directoriesOffset = static_cast<std::uint32_t>(opt + directoryCountAt + 4);
    if (directoryCount > (optionalSize - directoryCountAt - 4) / 8) {
        error = "data directories overrun the optional header";
        return false;
    }
    for (std::uint32_t i = 0; i < directoryCount; i++) {
        PeDataDirectory d;
        d.rva = ReadU32(b, image.directoriesOffset + 8 * i);
        d.size = ReadU32(b, image.directoriesOffset + 8 * i + 4);
        image.directories.push_back(d);
    }

    image.sectionTableOffset = static_cast<std::uint32_t>(opt + optionalSize);
    image.headersEnd = image.sectionTableOffset + SectionHeaderSize * sectionCount;
    if (!InRange(b, image.sectionTableOffset, SectionHeaderSize * sectionCount)) {
        error = "section table truncated";
        return false;
    }
    for (std::uint16_t i = 0; i < sectionCount; i++) {
        std::size_t s = image.sectionTableOffset + SectionHeaderSize * i;
        PeSection section;
        for (int c = 0; c < 8 && b[s + c] != 0; c++)
            section.name += static_cast<char>(b[s + c]);
        section.virtualSize = ReadU32(b, s + 8);
        section.virtualAddress = ReadU32(b, s + 12);
        section.rawSize = ReadU32(b, s + 16);
        section.rawOffset = ReadU32(b, s + 20);
        image.sections.push_back(section);
    }
    return true;
}

bool RvaToOffset(const PeImage& image, std::uint32_t rva, std::uint32_t count, std::size_t& offset)
{
    for (const PeSection& s : image.sections) {
        // A section without a raw data offset holds no bytes of the file.
        if (s.rawOffset == 0 || rva < s.virtualAddress)
            continue;
        std::uint64_t inside = rva - s.virtualAddress;
        // Only the bytes the file holds: the zero-filled tail beyond rawSize
        // has no file offset.
        if (inside + count > s.rawSize)
            continue;
        std::uint64_t at = s.rawOffset + inside;
        if (!InRange(image.bytes, at, count))
            return false;
        offset = static_cast<std::size_t>(at);
        return true;
    }
    return false;
}

Bytes ReadAtRva(const PeImage& image, std::uint32_t rva, std::uint32_t count)
{
    std::size_t offset;
    if (!RvaToOffset(image, rva, count, offset))
        return Bytes();
    return Bytes(image.bytes.begin() + offset, image.bytes.begin() + offset + count);
}

bool ReadAsciiAtRva(const PeImage& image, std::uint32_t rva, std::string& text)
{
    text.clear();
    for (std::uint32_t i = 0;; i++) {
        std::size_t offset;
        if (!RvaToOffset(image, rva + i, 1, offset))
            return false;
        char c = static_cast<char>(image.bytes[offset]);
        if (c == '\0')
            return true;
        text += c;
    }
}

std::uint32_t PeChecksum(const Bytes& file, std::uint32_t checksumOffset)
{
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < file.size(); i += 2) {
        if (i == checksumOffset || i == checksumOffset + 2)
            continue;
        sum += ReadU8(file, i) | (ReadU8(file, i + 1) << 8);
        sum = (sum & 0xFFFF) + (sum >> 16);
    }
    sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<std::uint32_t>(sum) + static_cast<std::uint32_t>(file.size());
}
