#include "artwork.h"

// Drawn first in the picture's colours with the picture's primitives, then
// translated; this index marks what stays see-through.
const uint8_t Outside = 1;

static uint8_t scratch[32 * 32];

static uint8_t IconIndex(uint8_t pictureColour)
{
    switch (pictureColour) {
    case Black:
        return 0;
    case Yellow:
        return 11;
    case White:
        return 15;
    default:
        return Transparent;
    }
}

void DrawIcon(Canvas& icon)
{
    const int n = icon.width;
    Canvas c{n, n, scratch};
    FillAll(c, Outside);
    const Pt centre = PixelCorner(n / 2, n / 2);
    if (n >= 32) {
        // A small card with the eight-pointed compass rose of the emblem.
        FillRoundRect(c, 0, 0, n - 1, n - 1, 6, Black);
        FillRoundRect(c, 2, 2, n - 3, n - 3, 4, Yellow);
        DrawRose(c, centre, 14 * SubSteps, 11 * SubSteps, 4 * SubSteps, SubSteps);
    } else {
        // Too small for the diagonal points: the four main ones alone.
        FillRoundRect(c, 0, 0, n - 1, n - 1, 3, Black);
        FillRoundRect(c, 1, 1, n - 2, n - 2, 2, Yellow);
        DrawRose(c, centre, 7 * SubSteps, 0, 3 * SubSteps, 0);
    }
    for (int i = 0; i < n * n; ++i)
        icon.pixels[i] = IconIndex(scratch[i]);
}
