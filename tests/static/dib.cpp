#include "dib.h"

static std::size_t RowBytes(const Dib& dib)
{
    return ((static_cast<std::size_t>(dib.width) * dib.bitCount + 31) / 32) * 4;
}

std::uint8_t Dib::Index(int x, int y) const
{
    std::size_t row = static_cast<std::size_t>(height - 1 - y);
    return pixels[row * RowBytes(*this) + static_cast<std::size_t>(x)];
}

std::uint32_t Dib::Colour(int x, int y) const
{
    std::uint8_t index = Index(x, y);
    return index < palette.size() ? palette[index] : NoColour;
}

bool ParseDib(const Bytes& data, Dib& dib, std::string& error)
{
    dib = Dib();
    dib.dataSize = data.size();
    if (!InRange(data, 0, 40)) {
        error = "bitmap shorter than a BITMAPINFOHEADER";
        return false;
    }
    dib.headerSize = ReadU32(data, 0);
    dib.width = static_cast<std::int32_t>(ReadU32(data, 4));
    dib.height = static_cast<std::int32_t>(ReadU32(data, 8));
    dib.planes = ReadU16(data, 12);
    dib.bitCount = ReadU16(data, 14);
    dib.compression = ReadU32(data, 16);
    dib.sizeImage = ReadU32(data, 20);
    dib.colorsUsed = ReadU32(data, 32);
    dib.colorsImportant = ReadU32(data, 36);
    if (dib.headerSize != 40 || dib.bitCount != 8 || dib.compression != 0 || dib.width <= 0 || dib.height <= 0 ||
        dib.width > 65535 || dib.height > 65535)
        return true; // header only: the caller's checks of the fields report it
    std::size_t paletteCount = dib.colorsUsed == 0 ? 256 : dib.colorsUsed;
    if (paletteCount > 256) {
        error = "palette of " + std::to_string(paletteCount) + " entries for 8 bits per pixel";
        return false;
    }
    std::size_t at = 40;
    if (!InRange(data, at, 4 * paletteCount)) {
        error = "palette truncated";
        return false;
    }
    for (std::size_t i = 0; i < paletteCount; i++) {
        std::uint32_t quad = ReadU32(data, at + 4 * i); // blue, green, red, reserved
        dib.palette.push_back(quad & 0x00FFFFFF);
    }
    at += 4 * paletteCount;
    std::size_t pixelBytes = RowBytes(dib) * static_cast<std::size_t>(dib.height);
    if (!InRange(data, at, pixelBytes)) {
        error = "pixel data truncated: " + std::to_string(data.size() - at) + " bytes, " + std::to_string(pixelBytes) +
                " needed";
        return false;
    }
    dib.pixels.assign(data.begin() + at, data.begin() + at + pixelBytes);
    return true;
}
