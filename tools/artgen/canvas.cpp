#include "canvas.h"

#include <cstring>

static int Clamp(int v, int lo, int hi)
{
    return v < lo ? lo : (v > hi ? hi : v);
}

static int FloorDiv(int32_t a, int32_t b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

namespace {

// The pixels whose squares meet a box in sub-pixels, cut to the canvas;
// x1 < x0 or y1 < y0 when there are none.
struct PixelBox {
    int x0, y0, x1, y1;
};

} // namespace

static PixelBox PixelsOfBox(const Canvas& c, int32_t minX, int32_t minY, int32_t maxX, int32_t maxY)
{
    return {Clamp(FloorDiv(minX, SubSteps), 0, c.width),
            Clamp(FloorDiv(minY, SubSteps), 0, c.height),
            Clamp(FloorDiv(maxX, SubSteps), -1, c.width - 1),
            Clamp(FloorDiv(maxY, SubSteps), -1, c.height - 1)};
}

// The same for the box around n points, grown by margin on every side.
static PixelBox PixelsAround(const Canvas& c, const Pt* points, int n, int32_t margin)
{
    int32_t minX = points[0].x, maxX = minX, minY = points[0].y, maxY = minY;
    for (int i = 1; i < n; ++i) {
        if (points[i].x < minX)
            minX = points[i].x;
        if (points[i].x > maxX)
            maxX = points[i].x;
        if (points[i].y < minY)
            minY = points[i].y;
        if (points[i].y > maxY)
            maxY = points[i].y;
    }
    return PixelsOfBox(c, minX - margin, minY - margin, maxX + margin, maxY + margin);
}

void FillAll(Canvas& c, uint8_t colour)
{
    memset(c.pixels, colour, static_cast<size_t>(c.width) * c.height);
}

void FillRect(Canvas& c, int x0, int y0, int x1, int y1, uint8_t colour)
{
    x0 = Clamp(x0, 0, c.width);
    y0 = Clamp(y0, 0, c.height);
    x1 = Clamp(x1, -1, c.width - 1);
    y1 = Clamp(y1, -1, c.height - 1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            c.pixels[y * c.width + x] = colour;
}

void FillRoundRect(Canvas& c, int x0, int y0, int x1, int y1, int r, uint8_t colour)
{
    // Work in half pixels: pixel centres are odd, the corner centres even.
    const int left = 2 * (x0 + r), right = 2 * (x1 + 1 - r);
    const int top = 2 * (y0 + r), bottom = 2 * (y1 + 1 - r);
    const int r2 = 4 * r * r;
    for (int y = Clamp(y0, 0, c.height); y <= Clamp(y1, -1, c.height - 1); ++y) {
        const int cy = 2 * y + 1;
        const int dy = cy < top ? top - cy : (cy > bottom ? cy - bottom : 0);
        for (int x = Clamp(x0, 0, c.width); x <= Clamp(x1, -1, c.width - 1); ++x) {
            const int cx = 2 * x + 1;
            const int dx = cx < left ? left - cx : (cx > right ? cx - right : 0);
            if (dx * dx + dy * dy <= r2)
                c.pixels[y * c.width + x] = colour;
        }
    }
}

void FillDisc(Canvas& c, Pt centre, int32_t radius, uint8_t colour)
{
    const auto [x0, y0, x1, y1] =
        PixelsOfBox(c, centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius);
    const int64_t r2 = int64_t(radius) * radius;
    for (int y = y0; y <= y1; ++y) {
        const int64_t dy = y * SubSteps + SubSteps / 2 - centre.y;
        for (int x = x0; x <= x1; ++x) {
            const int64_t dx = x * SubSteps + SubSteps / 2 - centre.x;
            if (dx * dx + dy * dy <= r2)
                c.pixels[y * c.width + x] = colour;
        }
    }
}

// Whether the edge a-b crosses the row of (qx, py) right of the point: each
// such crossing takes the point into the shape or out of it.
static bool CrossesRightOf(int64_t qx, int64_t py, Pt a, Pt b)
{
    if ((a.y > py) == (b.y > py))
        return false;
    const int64_t lhs = (qx - a.x) * (b.y - a.y);
    const int64_t rhs = (py - a.y) * (b.x - a.x);
    return b.y > a.y ? lhs < rhs : lhs > rhs;
}

void FillContours(Canvas& c, const Pt* points, const int* sizes, int contours, uint8_t colour)
{
    int total = 0;
    for (int i = 0; i < contours; ++i)
        total += sizes[i];
    if (total == 0)
        return;
    const auto [x0, y0, x1, y1] = PixelsAround(c, points, total, 0);
    for (int y = y0; y <= y1; ++y) {
        const int64_t py = y * SubSteps + SubSteps / 2;
        for (int x = x0; x <= x1; ++x) {
            const int64_t qx = x * SubSteps + SubSteps / 2;
            bool inside = false;
            const Pt* contour = points;
            for (int k = 0; k < contours; ++k) {
                const int n = sizes[k];
                for (int i = 0, j = n - 1; i < n; j = i++)
                    if (CrossesRightOf(qx, py, contour[i], contour[j]))
                        inside = !inside;
                contour += n;
            }
            if (inside)
                c.pixels[y * c.width + x] = colour;
        }
    }
}

void PaintGrown(Canvas& c, const Canvas& mask, int radius, int dx, int dy, uint8_t colour)
{
    const int r2 = radius * radius;
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x) {
            bool hit = false;
            for (int oy = -radius; oy <= radius && !hit; ++oy) {
                const int my = y - dy + oy;
                if (my < 0 || my >= mask.height)
                    continue;
                for (int ox = -radius; ox <= radius; ++ox) {
                    const int mx = x - dx + ox;
                    if (mx < 0 || mx >= mask.width || ox * ox + oy * oy > r2)
                        continue;
                    if (mask.pixels[my * mask.width + mx]) {
                        hit = true;
                        break;
                    }
                }
            }
            if (hit)
                c.pixels[y * c.width + x] = colour;
        }
    }
}

void PaintMask(Canvas& c, const Canvas& mask, uint8_t colour)
{
    for (int i = 0; i < c.width * c.height; ++i)
        if (mask.pixels[i])
            c.pixels[i] = colour;
}

// Is p within w of the segment a-b? Squared lengths in 64 bits.
static bool NearSegment(int64_t x, int64_t y, Pt a, Pt b, int64_t w)
{
    const int64_t ex = b.x - a.x, ey = b.y - a.y;
    const int64_t rx = x - a.x, ry = y - a.y;
    const int64_t len2 = ex * ex + ey * ey;
    const int64_t dot = rx * ex + ry * ey;
    if (dot <= 0 || len2 == 0)
        return rx * rx + ry * ry <= w * w;
    if (dot >= len2) {
        const int64_t qx = x - b.x, qy = y - b.y;
        return qx * qx + qy * qy <= w * w;
    }
    const int64_t cross = rx * ey - ry * ex;
    // cross^2 can pass 2^63 only for segments far longer than any picture.
    return cross * cross <= w * w * len2;
}

void FillNearPolygon(Canvas& c, const Pt* points, int n, int32_t width, uint8_t colour)
{
    const auto [x0, y0, x1, y1] = PixelsAround(c, points, n, width);
    for (int y = y0; y <= y1; ++y) {
        const int64_t py = y * SubSteps + SubSteps / 2;
        for (int x = x0; x <= x1; ++x) {
            const int64_t qx = x * SubSteps + SubSteps / 2;
            bool inside = false, near = false;
            for (int i = 0, j = n - 1; i < n; j = i++) {
                const Pt a = points[i], b = points[j];
                if (!near && NearSegment(qx, py, a, b, width))
                    near = true;
                if (CrossesRightOf(qx, py, a, b))
                    inside = !inside;
            }
            if (inside || near)
                c.pixels[y * c.width + x] = colour;
        }
    }
}

void Stroke(Canvas& c, Pt a, Pt b, int32_t halfWidth, uint8_t colour)
{
    const Pt ends[2] = {a, b};
    FillNearPolygon(c, ends, 2, halfWidth, colour);
}
