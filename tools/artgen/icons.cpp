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
    default: return kTransparent;
    }
}

}  // namespace

void draw_icon(Canvas& icon) {
    const int n = icon.width;
    Canvas c{n, n, scratch};
    fill_all(c, kOutside);
    const Pt centre = px(n / 2, n / 2);
    if (n >= 32) {
        // A small card with the compass rose in its ring.
        fill_round_rect(c, 0, 0, n - 1, n - 1, 7, kBlack);
        fill_round_rect(c, 2, 2, n - 3, n - 3, 5, kYellow);
        fill_disc(c, centre, 11 * kSub, kBlack);
        fill_disc(c, centre, 9 * kSub, kYellow);
        draw_rose(c, centre, 14 * kSub, 8 * kSub, 3 * kSub, kSub);
    } else {
        fill_round_rect(c, 0, 0, n - 1, n - 1, 4, kBlack);
        fill_round_rect(c, 1, 1, n - 2, n - 2, 3, kYellow);
        draw_rose(c, centre, 7 * kSub, 4 * kSub, 2 * kSub, kSub / 2);
    }
    for (int i = 0; i < n * n; ++i) icon.pixels[i] = icon_index(scratch[i]);
}
