// A device-independent bitmap as a bitmap resource holds it: the info header,
// the palette and the pixels, without the file header of a .bmp file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "byte_reader.h"

struct Dib {
    std::uint32_t headerSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0; // positive: stored bottom-up
    std::uint16_t planes = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t sizeImage = 0;
    std::uint32_t colorsUsed = 0;
    std::uint32_t colorsImportant = 0;
    std::vector<std::uint32_t> palette; // 0x00RRGGBB
    Bytes pixels;
    std::size_t dataSize = 0; // the whole resource

    // The palette index of pixel (x, y), y counted from the top; for an
    // uncompressed 8-bit bottom-up bitmap only.
    std::uint8_t Index(int x, int y) const;
    // NoColour for an index beyond the palette.
    std::uint32_t Colour(int x, int y) const;
    static const std::uint32_t NoColour = 0xFF000000u;
};

// Reads the header and, for an uncompressed 8-bit bitmap, the palette and the
// pixels; false with a reason when the data is too short for what the header
// announces.
bool ParseDib(const Bytes& data, Dib& dib, std::string& error);
