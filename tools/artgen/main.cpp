// artgen DIR: draws the launcher's background pictures and icons into DIR.
#include <cstdio>

#include "artwork.h"

static uint8_t picturePixels[PictureWidth * PictureHeight];
static uint8_t iconPixels[32 * 32];
static uint8_t file[1 << 18];

static bool WriteBackground(const char* dir, const char* name, bool languagePanel)
{
    static Rgb palette[256];
    PicturePalette(palette);
    Canvas c{PictureWidth, PictureHeight, picturePixels};
    DrawBackground(c, languagePanel);
    const size_t size = EncodeBmp(c, palette, file, sizeof file);
    return size && SaveFile(dir, name, file, size);
}

static bool WriteIcon(const char* dir, const char* name, int size)
{
    Canvas c{size, size, iconPixels};
    DrawIcon(c);
    const size_t bytes = EncodeIco(c, IconPalette, file, sizeof file);
    return bytes && SaveFile(dir, name, file, bytes);
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: artgen DIR\n");
        return 2;
    }
    const char* dir = argv[1];
    const bool ok = WriteBackground(dir, "background.bmp", false) &&
                    WriteBackground(dir, "background-multi.bmp", true) && WriteIcon(dir, "icon32.ico", 32) &&
                    WriteIcon(dir, "icon16.ico", 16);
    if (!ok) {
        fprintf(stderr, "artgen: cannot write the artwork into %s\n", dir);
        return 1;
    }
    return 0;
}
