// artgen DIR: draws the launcher's background pictures and icons into DIR.
#include <cstdio>

#include "artwork.h"

namespace {

uint8_t picture_pixels[kPictureWidth * kPictureHeight];
uint8_t icon_pixels[32 * 32];
uint8_t file[1 << 18];

bool background(const char* dir, const char* name, bool language_panel) {
    static Rgb palette[256];
    picture_palette(palette);
    Canvas c{kPictureWidth, kPictureHeight, picture_pixels};
    draw_background(c, language_panel);
    const size_t size = EncodeBmp(c, palette, file, sizeof file);
    return size && SaveFile(dir, name, file, size);
}

bool icon(const char* dir, const char* name, int size) {
    Canvas c{size, size, icon_pixels};
    draw_icon(c);
    const size_t bytes = EncodeIco(c, kIconPalette, file, sizeof file);
    return bytes && SaveFile(dir, name, file, bytes);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: artgen DIR\n");
        return 2;
    }
    const char* dir = argv[1];
    const bool ok = background(dir, "background.bmp", false) &&
                    background(dir, "background-multi.bmp", true) &&
                    icon(dir, "icon32.ico", 32) && icon(dir, "icon16.ico", 16);
    if (!ok) {
        fprintf(stderr, "artgen: cannot write the artwork into %s\n", dir);
        return 1;
    }
    return 0;
}
