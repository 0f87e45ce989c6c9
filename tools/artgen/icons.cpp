#include "artwork.h"

namespace {

// Drawn first in the picture's colours with the picture's primitives, then
// translated; this index marks what stays see-through.
const uint8_t kOutside = 1;

uint8_t scratch[32 * 32];

uint8_t icon_index(uint8_t picture_colour) {
    switch (picture_colour) {
    case kBlack: return 0;
    case kYellow: return 11;
    case kWhite: return 15;
    default: return Transparent;
    }
}

}  // namespace

void draw_icon(Canvas& icon) {
    const int n = icon.width;
    Canvas c{n, n, scratch};
    FillAll(c, kOutside);
    const Pt centre = PixelCorner(n / 2, n / 2);
    if (n >= 32) {
        // A small card with the eight-pointed compass rose of the emblem.
        FillRoundRect(c, 0, 0, n - 1, n - 1, 6, kBlack);
        FillRoundRect(c, 2, 2, n - 3, n - 3, 4, kYellow);
        draw_rose(c, centre, 14 * SubSteps, 11 * SubSteps, 4 * SubSteps, SubSteps);
    } else {
        // Too small for the diagonal points: the four main ones alone.
        FillRoundRect(c, 0, 0, n - 1, n - 1, 3, kBlack);
        FillRoundRect(c, 1, 1, n - 2, n - 2, 2, kYellow);
        draw_rose(c, centre, 7 * SubSteps, 0, 3 * SubSteps, 0);
    }
    for (int i = 0; i < n * n; ++i) icon.pixels[i] = icon_index(scratch[i]);
}
