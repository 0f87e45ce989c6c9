#include "dib.h"

#include <cstdio>
#include <cstring>

namespace {

const size_t kInfoHeaderSize = 40;
const size_t kFileHeaderSize = 14;

struct Writer {
    uint8_t* p;
    void u8(unsigned v) { *p++ = static_cast<uint8_t>(v); }
    void u16(unsigned v) { u8(v & 0xFF); u8(v >> 8 & 0xFF); }
    void u32(uint32_t v) { u16(v & 0xFFFF); u16(v >> 16); }
};

size_t row_bytes(int width, int bits) { return (static_cast<size_t>(width) * bits + 31) / 32 * 4; }

// BITMAPINFOHEADER; an icon passes twice its height, for the mask below it.
void info_header(Writer& w, int width, int height, int bits, size_t image_size, unsigned colours) {
    w.u32(kInfoHeaderSize);
    w.u32(static_cast<uint32_t>(width));
    w.u32(static_cast<uint32_t>(height));
    w.u16(1);     // planes
    w.u16(bits);  // bits per pixel
    w.u32(0);     // BI_RGB, uncompressed
    w.u32(static_cast<uint32_t>(image_size));
    w.u32(0);  // pixels per metre: no preference
    w.u32(0);
    w.u32(colours);  // colours used
    w.u32(colours);  // colours important
}

template <size_t N>
void palette_entries(Writer& w, const Rgb (&palette)[N]) {
    for (const Rgb& c : palette) {  // RGBQUAD order: blue, green, red, reserved
        w.u8(c.b);
        w.u8(c.g);
        w.u8(c.r);
        w.u8(0);
    }
}

}  // namespace

size_t encode_bmp(const Canvas& picture, const Rgb (&palette)[256], uint8_t* out, size_t room) {
    const size_t stride = row_bytes(picture.width, 8);
    const size_t image = stride * picture.height;
    const size_t offset = kFileHeaderSize + kInfoHeaderSize + 256 * 4;
    const size_t total = offset + image;
    if (total > room) return 0;
    Writer w{out};
    w.u8('B');
    w.u8('M');
    w.u32(static_cast<uint32_t>(total));
    w.u32(0);  // reserved
    w.u32(static_cast<uint32_t>(offset));
    info_header(w, picture.width, picture.height, 8, image, 256);
    palette_entries(w, palette);
    for (int y = picture.height - 1; y >= 0; --y) {  // bottom-up
        memcpy(w.p, picture.pixels + static_cast<size_t>(y) * picture.width, picture.width);
        memset(w.p + picture.width, 0, stride - picture.width);
        w.p += stride;
    }
    return total;
}

size_t encode_ico(const Canvas& icon, const Rgb (&palette)[16], uint8_t* out, size_t room) {
    const size_t colour_stride = row_bytes(icon.width, 4);
    const size_t mask_stride = row_bytes(icon.width, 1);
    const size_t bits = (colour_stride + mask_stride) * icon.height;
    const size_t image = kInfoHeaderSize + 16 * 4 + bits;
    const size_t directory = 6 + 16;
    if (directory + image > room) return 0;
    Writer w{out};
    w.u16(0);  // reserved
    w.u16(1);  // an icon
    w.u16(1);  // one image
    w.u8(icon.width);
    w.u8(icon.height);
    w.u8(16);  // colours
    w.u8(0);
    w.u16(1);  // planes
    w.u16(4);  // bits per pixel
    w.u32(static_cast<uint32_t>(image));
    w.u32(static_cast<uint32_t>(directory));
    info_header(w, icon.width, icon.height * 2, 4, bits, 0);
    palette_entries(w, palette);
    for (int y = icon.height - 1; y >= 0; --y) {
        memset(w.p, 0, colour_stride);
        for (int x = 0; x < icon.width; ++x) {
            const uint8_t v = icon.pixels[y * icon.width + x];
            const unsigned index = v == kTransparent ? 0 : (v & 0x0F);
            w.p[x / 2] |= static_cast<uint8_t>(x % 2 ? index : index << 4);
        }
        w.p += colour_stride;
    }
    for (int y = icon.height - 1; y >= 0; --y) {
        memset(w.p, 0, mask_stride);
        for (int x = 0; x < icon.width; ++x)
            if (icon.pixels[y * icon.width + x] == kTransparent) w.p[x / 8] |= 0x80 >> (x % 8);
        w.p += mask_stride;
    }
    return directory + image;
}

bool write_file(const char* dir, const char* name, const uint8_t* data, size_t size) {
    char path[4096];
    if (snprintf(path, sizeof path, "%s/%s", dir, name) >= static_cast<int>(sizeof path)) return false;
    FILE* f = fopen(path, "wb");
    if (!f) return false;
    const bool written = fwrite(data, 1, size, f) == size;
    return fclose(f) == 0 && written;
}
