#include "artwork.h"

namespace {

// Sixteen compass directions, clockwise from north, in 256ths (y grows down).
// Whole numbers, so the rose is the same on every host.
const int kDir[16][2] = {
    {0, -256},  {98, -237},  {181, -181},  {237, -98},  {256, 0},   {237, 98},
    {181, 181}, {98, 237},   {0, 256},     {-98, 237},  {-181, 181}, {-237, 98},
    {-256, 0},  {-237, -98}, {-181, -181}, {-98, -237}};

Pt toward(Pt c, int dir, int32_t distance) {
    return Pt{c.x + kDir[dir & 15][0] * distance / 256, c.y + kDir[dir & 15][1] * distance / 256};
}

// Four points of the rose at dir, dir + 4, ...: black-rimmed kites whose
// counter-clockwise halves are lit (white) and the others in shade (black).
// Each kite's waist lies on the directions half-way to its neighbours, so
// the four meet edge to edge; all rims go down before any light.
void rose_points(Canvas& c, Pt centre, int first, int32_t length, int32_t half_width, int32_t rim) {
    for (int d = first; d < 16; d += 4) {
        const Pt kite[4] = {centre, toward(centre, d - 2, half_width), toward(centre, d, length),
                            toward(centre, d + 2, half_width)};
        FillNearPolygon(c, kite, 4, rim, kBlack);
    }
    for (int d = first; d < 16; d += 4) {
        const Pt lit[3] = {centre, toward(centre, d - 2, half_width), toward(centre, d, length)};
        FillPolygon(c, lit, 3, kWhite);
    }
}

}  // namespace

void draw_rose(Canvas& c, Pt centre, int32_t length, int32_t diagonal, int32_t half_width, int32_t rim) {
    if (diagonal > 0) rose_points(c, centre, 2, diagonal, half_width * 3 / 4, rim);
    rose_points(c, centre, 0, length, half_width, rim);
}

void draw_emblem(Canvas& c, Pt centre, int radius) {
    const int32_t r = radius * SubSteps;
    // The ring: a black rim, a white band, a thin black line.
    FillDisc(c, centre, r, kBlack);
    FillDisc(c, centre, r - 4 * SubSteps, kWhite);
    FillDisc(c, centre, r - 7 * SubSteps, kBlack);
    FillDisc(c, centre, r - 9 * SubSteps, kYellow);
    // The dial: long ticks at the eight winds, short ones between.
    for (int d = 0; d < 16; ++d) {
        const int32_t inner = d % 2 ? r - 15 * SubSteps : r - 20 * SubSteps;
        Stroke(c, toward(centre, d, r - 9 * SubSteps), toward(centre, d, inner), SubSteps * 3 / 2, kBlack);
    }
    FillDisc(c, centre, r * 56 / 100, kBlack);
    FillDisc(c, centre, r * 56 / 100 - 3 * SubSteps, kYellow);

    draw_rose(c, centre, r + 10 * SubSteps, r * 64 / 100, r * 22 / 100, 2 * SubSteps);
    // The hub.
    FillDisc(c, centre, r * 11 / 100, kBlack);
    FillDisc(c, centre, r * 11 / 100 - 3 * SubSteps, kYellow);
}
