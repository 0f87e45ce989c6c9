#include "artwork.h"

// The letters are drawn on a grid 100 units tall, strokes 22 units thick,
// corners cut at 45 degrees. A glyph is a run of shapes ended by 0; a shape
// is its number of contours, then each contour as its point count and
// points. Shapes add up; within a shape an inner contour is a hole.
const int GridHeight = 100;
const int LetterGap = 12; // units between letters
const int Slant = 5;      // the letters lean one unit right per five up

const short GlyphQ[] = {2,  8,  26, 0,  54, 0,  80, 26, 80, 74, 54, 100, 26, 100, 0,  74, 0,  26, 8,  36,  22, 44,  22,
                        58, 36, 58, 64, 44, 78, 36, 78, 22, 64, 22, 36,  1,  4,   42, 64, 64, 64, 90, 104, 68, 104, 0};
const short GlyphU[] = {1,  12, 0,  0, 22, 0,  22, 64,  36, 78,  38, 78, 52, 64,
                        52, 0,  74, 0, 74, 74, 48, 100, 26, 100, 0,  74, 0};
const short GlyphO[] = {2, 8,  26, 0,  54, 0,  80, 26, 80, 74, 54, 100, 26, 100, 0,  74, 0,  26,
                        8, 36, 22, 44, 22, 58, 36, 58, 64, 44, 78, 36,  78, 22,  64, 22, 36, 0};
const short GlyphR[] = {2,  6,  0,  0, 56, 0, 76, 20, 76, 40, 58,  58, 0,   58, 6, 22, 20, 48, 20, 54, 26,  54, 32,  48,
                        38, 22, 38, 1, 4,  0, 0,  22, 0,  22, 100, 0,  100, 1,  4, 32, 52, 56, 52, 78, 100, 54, 100, 0};
const short GlyphI[] = {1, 4, 0, 0, 22, 0, 22, 100, 0, 100, 0};
const short GlyphX[] = {1, 4, 0, 0, 24, 0, 80, 100, 56, 100, 1, 4, 56, 0, 80, 0, 24, 100, 0, 100, 0};

namespace {

struct Glyph {
    const short* shapes;
    int advance;
};

} // namespace

const Glyph NameGlyphs[] = {{GlyphQ, 84}, {GlyphU, 74}, {GlyphO, 80}, {GlyphR, 78}, {GlyphI, 22}, {GlyphX, 80}};

static int NameUnits()
{
    int units = GridHeight / Slant; // the slant of the last letter's top
    for (const Glyph& g : NameGlyphs)
        units += g.advance + LetterGap;
    return units - LetterGap;
}

int NameWidth(int height)
{
    return (NameUnits() * height + GridHeight - 1) / GridHeight;
}

void DrawName(Canvas& c, int x, int y, int height, uint8_t colour)
{
    int pen = 0; // units
    Pt points[16];
    int sizes[2];
    for (const Glyph& g : NameGlyphs) {
        const short* s = g.shapes;
        while (int contours = *s++) {
            int n = 0;
            for (int k = 0; k < contours; ++k) {
                sizes[k] = *s++;
                for (int i = 0; i < sizes[k]; ++i, s += 2) {
                    // Across in fifths of a unit, with the lean added.
                    const int across = (pen + s[0]) * Slant + (GridHeight - s[1]);
                    points[n++] = Pt{x * SubSteps + across * height * SubSteps / (GridHeight * Slant),
                                     y * SubSteps + s[1] * height * SubSteps / GridHeight};
                }
            }
            FillContours(c, points, sizes, contours, colour);
        }
        pen += g.advance + LetterGap;
    }
}
