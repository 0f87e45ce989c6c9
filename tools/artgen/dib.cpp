#include "dib.h"

#include <cstdio>
#include <cstring>

const size_t InfoHeaderSize = 40;
const size_t FileHeaderSize = 14;

namespace {

// Appends little-endian values at p.
struct Writer {
    uint8_t* p;

    void Put8(unsigned v)
    {
        *p++ = static_cast<uint8_t>(v);
    }

    void Put16(unsigned v)
    {
        Put8(v & 0xFF);
        Put8(v >> 8 & 0xFF);
    }

    void Put32(uint32_t v)
    {
        Put16(v & 0xFFFF);
        Put16(v >> 16);
    }
};

} // namespace

static size_t RowBytes(int width, int bits)
{
    return (static_cast<size_t>(width) * bits + 31) / 32 * 4;
}

// BITMAPINFOHEADER; an icon passes twice its height, for the mask below it.
static void InfoHeader(Writer& w, int width, int height, int bits, size_t imageSize, unsigned colours)
{
    w.Put32(InfoHeaderSize);
    w.Put32(static_cast<uint32_t>(width));
    w.Put32(static_cast<uint32_t>(height));
    w.Put16(1);    // planes
    w.Put16(bits); // bits per pixel
    w.Put32(0);    // BI_RGB, uncompressed
    w.Put32(static_cast<uint32_t>(imageSize));
    w.Put32(0); // pixels per metre: no preference
    w.Put32(0);
    w.Put32(colours); // colours used
    w.Put32(colours); // colours important
}

template <size_t N> static void PaletteEntries(Writer& w, const Rgb (&palette)[N])
{
    for (const Rgb& c : palette) { // RGBQUAD order: blue, green, red, reserved
        w.Put8(c.b);
        w.Put8(c.g);
        w.Put8(c.r);
        w.Put8(0);
    }
}

size_t EncodeBmp(const Canvas& picture, const Rgb (&palette)[256], uint8_t* out, size_t room)
{
    const size_t stride = RowBytes(picture.width, 8);
    const size_t image = stride * picture.height;
    const size_t offset = FileHeaderSize + InfoHeaderSize + 256 * 4;
    const size_t total = offset + image;
    if (total > room)
        return 0;
    Writer w{out};
    w.Put8('B');
    w.Put8('M');
    w.Put32(static_cast<uint32_t>(total));
    w.Put32(0); // reserved
    w.Put32(static_cast<uint32_t>(offset));
    InfoHeader(w, picture.width, picture.height, 8, image, 256);
    PaletteEntries(w, palette);
    for (int y = picture.height - 1; y >= 0; --y) { // bottom-up
        memcpy(w.p, picture.pixels + static_cast<size_t>(y) * picture.width, picture.width);
        memset(w.p + picture.width, 0, stride - picture.width);
        w.p += stride;
    }
    return total;
}

size_t EncodeIco(const Canvas& icon, const Rgb (&palette)[16], uint8_t* out, size_t room)
{
    const size_t colourStride = RowBytes(icon.width, 4);
    const size_t maskStride = RowBytes(icon.width, 1);
    const size_t bits = (colourStride + maskStride) * icon.height;
    const size_t image = InfoHeaderSize + 16 * 4 + bits;
    const size_t directory = 6 + 16;
    if (directory + image > room)
        return 0;
    Writer w{out};
    w.Put16(0); // reserved
    w.Put16(1); // an icon
    w.Put16(1); // one image
    w.Put8(icon.width);
    w.Put8(icon.height);
    w.Put8(16); // colours
    w.Put8(0);
    w.Put16(1); // planes
    w.Put16(4); // bits per pixel
    w.Put32(static_cast<uint32_t>(image));
    w.Put32(static_cast<uint32_t>(directory));
    InfoHeader(w, icon.width, icon.height * 2, 4, bits, 0);
    PaletteEntries(w, palette);
    for (int y = icon.height - 1; y >= 0; --y) {
        memset(w.p, 0, colourStride);
        for (int x = 0; x < icon.width; ++x) {
            const uint8_t v = icon.pixels[y * icon.width + x];
            const unsigned index = v == Transparent ? 0 : (v & 0x0F);
            w.p[x / 2] |= static_cast<uint8_t>(x % 2 ? index : index << 4);
        }
        w.p += colourStride;
    }
    for (int y = icon.height - 1; y >= 0; --y) {
        memset(w.p, 0, maskStride);
        for (int x = 0; x < icon.width; ++x)
            if (icon.pixels[y * icon.width + x] == Transparent)
                w.p[x / 8] |= 0x80 >> (x % 8);
        w.p += maskStride;
    }
    return directory + image;
}

bool SaveFile(const char* dir, const char* name, const uint8_t* data, size_t size)
{
    char path[4096];
    if (snprintf(path, sizeof path, "%s/%s", dir, name) >= static_cast<int>(sizeof path))
        return false;
    FILE* f = fopen(path, "wb");
    if (!f)
        return false;
    const bool written = fwrite(data, 1, size, f) == size;
    return fclose(f) == 0 && written;
}
