#include "pe_image.h"

#include <fstream>
#include <iterator>

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
    std::size_t pe = ReadU32(b, 0x3C);
    if (!InRange(b, pe, 24) || ReadU32(b, pe) != 0x00004550) {
        error = "no PE signature at e_lfanew";
        return false;
    }
    std::size_t coff = pe + 4;
    image.machine = ReadU16(b, coff);
    std::uint16_t sectionCount = ReadU16(b, coff + 2);
    image.timeDateStamp = ReadU32(b, coff + 4);
    std::uint16_t optionalSize = ReadU16(b, coff + 16);
    image.characteristics = ReadU16(b, coff + 18);

    std::size_t opt = coff + 20;
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
    // The version and subsystem fields sit at the same offsets in both forms.
    image.majorOsVersion = ReadU16(b, opt + 40);
    image.minorOsVersion = ReadU16(b, opt + 42);
    image.majorSubsystemVersion = ReadU16(b, opt + 48);
    image.minorSubsystemVersion = ReadU16(b, opt + 50);
    image.subsystem = ReadU16(b, opt + 68);
    std::uint32_t directoryCount = ReadU32(b, opt + directoryCountAt);
    std::size_t directoriesAt = opt + directoryCountAt + 4;
    if (directoryCount > (optionalSize - directoryCountAt - 4) / 8) {
        error = "data directories overrun the optional header";
        return false;
    }
    for (std::uint32_t i = 0; i < directoryCount; i++) {
        PeDataDirectory d;
        d.rva = ReadU32(b, directoriesAt + 8 * i);
        d.size = ReadU32(b, directoriesAt + 8 * i + 4);
        image.directories.push_back(d);
    }

    std::size_t sectionsAt = opt + optionalSize;
    if (!InRange(b, sectionsAt, static_cast<std::size_t>(sectionCount) * 40)) {
        error = "section table truncated";
        return false;
    }
    for (std::uint16_t i = 0; i < sectionCount; i++) {
        std::size_t s = sectionsAt + 40 * static_cast<std::size_t>(i);
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
        if (rva < s.virtualAddress)
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
