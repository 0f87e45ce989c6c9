// The two file formats the resource compiler takes the artwork in: an 8-bit
// uncompressed BMP, and a one-image 16-colour ICO.
#pragma once
#include <cstddef>
#include <cstdint>

#include "canvas.h"

struct Rgb {
    uint8_t r, g, b;
};

// Each returns the file's size in bytes, written to out, or 0 if out is too
// small. The canvas holds palette indices, top row first.
size_t EncodeBmp(const Canvas& picture, const Rgb (&palette)[256], uint8_t* out, size_t room);
// Icon pixels with index Transparent are see-through: the AND mask is set
// there and the colour bits are 0.
const uint8_t Transparent = 0xFF;
size_t EncodeIco(const Canvas& icon, const Rgb (&palette)[16], uint8_t* out, size_t room);

// Writes the bytes to the file dir/name; false if any step failed.
bool SaveFile(const char* dir, const char* name, const uint8_t* data, size_t size);
