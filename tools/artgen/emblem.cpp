#include "artwork.h"

// Sixteen compass directions, clockwise from north, in 256ths (y grows down).
// Whole numbers, so the rose is the same on every host.
const int Directions[16][2] = {{0, -256},
                               {98, -237},
                               {181, -181},
                               {237, -98},
                               {256, 0},
                               {237, 98},
                               {181, 181},
                               {98, 237},
                               {0, 256},
                               {-98, 237},
                               {-181, 181},
                               {-237, 98},
                               {-256, 0},
                               {-237, -98},
                               {-181, -181},
                               {-98, -237}};

static Pt Toward(Pt c, int dir, int32_t distance)
{
    return Pt{c.x + Directions[dir & 15][0] * distance / 256, c.y + Directions[dir & 15][1] * distance / 256};
}

// Four points of the rose at dir, dir + 4, ...: black-rimmed kites whose
// counter-clockwise halves are lit (white) and the others in shade (black).
// Each kite's waist lies on the directions half-way to its neighbours, so
// the four meet edge to edge; all rims go down before any light.
static void RosePoints(Canvas& c, Pt centre, int first, int32_t length, int32_t halfWidth, int32_t rim)
{
    for (int d = first; d < 16; d += 4) {
        const Pt kite[4] = {
            centre, Toward(centre, d - 2, halfWidth), Toward(centre, d, length), Toward(centre, d + 2, halfWidth)};
        FillNearPolygon(c, kite, 4, rim, Black);
    }
    for (int d = first; d < 16; d += 4) {
        const Pt lit[3] = {centre, Toward(centre, d - 2, halfWidth), Toward(centre, d, length)};
        FillPolygon(c, lit, 3, White);
    }
}

void DrawRose(Canvas& c, Pt centre, int32_t length, int32_t diagonal, int32_t halfWidth, int32_t rim)
{
    if (diagonal > 0)
        RosePoints(c, centre, 2, diagonal, halfWidth * 3 / 4, rim);
    RosePoints(c, centre, 0, length, halfWidth, rim);
}

void DrawEmblem(Canvas& c, Pt centre, int radius)
{
    const int32_t r = radius * SubSteps;
    // The ring: a black rim, a white band, a thin black line.
    FillDisc(c, centre, r, Black);
    FillDisc(c, centre, r - 4 * SubSteps, White);
    FillDisc(c, centre, r - 7 * SubSteps, Black);
    FillDisc(c, centre, r - 9 * SubSteps, Yellow);
    // The dial: long ticks at the eight winds, short ones between.
    for (int d = 0; d < 16; ++d) {
        const int32_t inner = d % 2 ? r - 15 * SubSteps : r - 20 * SubSteps;
        Stroke(c, Toward(centre, d, r - 9 * SubSteps), Toward(centre, d, inner), SubSteps * 3 / 2, Black);
    }
    FillDisc(c, centre, r * 56 / 100, Black);
    FillDisc(c, centre, r * 56 / 100 - 3 * SubSteps, Yellow);

    DrawRose(c, centre, r + 10 * SubSteps, r * 64 / 100, r * 22 / 100, 2 * SubSteps);
    // The hub.
    FillDisc(c, centre, r * 11 / 100, Black);
    FillDisc(c, centre, r * 11 / 100 - 3 * SubSteps, Yellow);
}
