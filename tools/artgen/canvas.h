// An 8-bit picture held top-down in a caller's buffer, and the few fills the
// artwork is drawn with. Every coordinate that is not a whole pixel is fixed
// point in sixteenths of a pixel, so the pixels never depend on the host's
// floating point.
#pragma once
#include <cstdint>

const int32_t SubSteps = 16; // sub-pixel steps per pixel

struct Canvas {
    int width;
    int height;
    uint8_t* pixels; // width * height bytes, the top row first
};

// A point in sixteenths of a pixel; (0, 0) is the top-left corner of the
// top-left pixel, so that pixel's centre is (8, 8).
struct Pt {
    int32_t x;
    int32_t y;
};

// The top-left corner of the pixel (x, y).
inline Pt PixelCorner(int32_t x, int32_t y)
{
    return Pt{x * SubSteps, y * SubSteps};
}

void FillAll(Canvas& c, uint8_t colour);
// Rectangle of whole pixels, both corners inclusive.
void FillRect(Canvas& c, int x0, int y0, int x1, int y1, uint8_t colour);
// The same with corners rounded to quarter circles of radius r pixels.
void FillRoundRect(Canvas& c, int x0, int y0, int x1, int y1, int r, uint8_t colour);
// Every pixel whose centre lies within radius (sub-pixels) of centre.
void FillDisc(Canvas& c, Pt centre, int32_t radius, uint8_t colour);
// Pixels whose centres lie inside a shape of several closed contours, by the
// even-odd rule, so an inner contour cuts a hole.
void FillContours(Canvas& c, const Pt* points, const int* sizes, int contours, uint8_t colour);
inline void FillPolygon(Canvas& c, const Pt* points, int n, uint8_t colour)
{
    FillContours(c, points, &n, 1, colour);
}
// Pixels whose centres lie inside the polygon or within width (sub-pixels)
// of its edges: the polygon with a border of that width round it.
void FillNearPolygon(Canvas& c, const Pt* points, int n, int32_t width, uint8_t colour);
// A stroke with round ends: pixels within halfWidth of the segment a-b.
void Stroke(Canvas& c, Pt a, Pt b, int32_t halfWidth, uint8_t colour);
// Paints colour wherever the mask has a set pixel within radius pixels of
// (x - dx, y - dy): the mask grown by a disc and moved by (dx, dy).
void PaintGrown(Canvas& c, const Canvas& mask, int radius, int dx, int dy, uint8_t colour);
// Paints colour where the mask is set.
void PaintMask(Canvas& c, const Canvas& mask, uint8_t colour);
