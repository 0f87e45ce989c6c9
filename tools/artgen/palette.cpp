#include "artwork.h"

void PicturePalette(Rgb (&out)[256])
{
    // The twenty static colours: ten at the start, ten at the end.
    const Rgb low[10] = {{0, 0, 0},
                         {128, 0, 0},
                         {0, 128, 0},
                         {128, 128, 0},
                         {0, 0, 128},
                         {128, 0, 128},
                         {0, 128, 128},
                         {192, 192, 192},
                         {192, 220, 192},
                         {166, 202, 240}};
    const Rgb high[10] = {{255, 251, 240},
                          {160, 160, 164},
                          {128, 128, 128},
                          {255, 0, 0},
                          {0, 255, 0},
                          {255, 255, 0},
                          {0, 0, 255},
                          {255, 0, 255},
                          {0, 255, 255},
                          {255, 255, 255}};
    for (int i = 0; i < 10; ++i) {
        out[i] = low[i];
        out[246 + i] = high[i];
    }
    // Between them a 6 x 6 x 6 colour cube and a grey ramp, so the picture
    // stays editable in any colour.
    int n = 10;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                out[n++] = Rgb{uint8_t(r * 51), uint8_t(g * 51), uint8_t(b * 51)};
    for (int i = 1; n < 246; ++i, ++n)
        out[n] = Rgb{uint8_t(i * 12), uint8_t(i * 12), uint8_t(i * 12)};
}

const Rgb IconPalette[16] = {{0, 0, 0},
                             {128, 0, 0},
                             {0, 128, 0},
                             {128, 128, 0},
                             {0, 0, 128},
                             {128, 0, 128},
                             {0, 128, 128},
                             {192, 192, 192},
                             {128, 128, 128},
                             {255, 0, 0},
                             {0, 255, 0},
                             {255, 255, 0},
                             {0, 0, 255},
                             {255, 0, 255},
                             {0, 255, 255},
                             {255, 255, 255}};
