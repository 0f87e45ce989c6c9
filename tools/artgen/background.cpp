#include "artwork.h"

namespace {

// Scratch for the lettering, which is grown into its outline and shadow.
uint8_t name_mask[kPictureWidth * kPictureHeight];

// A white panel with a one-pixel black border on the given lines, and a
// black shadow below and to the right of it.
void panel(Canvas& c, int left, int top, int right, int bottom) {
    FillRect(c, left + 4, top + 4, right + 4, bottom + 4, kBlack);
    FillRect(c, left, top, right, bottom, kBlack);
    FillRect(c, left + 1, top + 1, right - 1, bottom - 1, kWhite);
}

// A small diamond, the ornament at the ends of the rule.
void diamond(Canvas& c, int x, int y, int r) {
    const Pt d[4] = {PixelCorner(x, y - r), PixelCorner(x + r, y), PixelCorner(x, y + r), PixelCorner(x - r, y)};
    FillPolygon(c, d, 4, kBlack);
}

}  // namespace

void draw_background(Canvas& c, bool language_panel) {
    // The white edge, the black margin, the yellow card with its frame.
    FillAll(c, kWhite);
    FillRect(c, 1, 1, c.width - 2, c.height - 2, kBlack);
    FillRoundRect(c, 6, 6, c.width - 7, c.height - 7, 18, kYellow);
    FillRoundRect(c, 11, 11, c.width - 12, c.height - 12, 13, kBlack);
    FillRoundRect(c, 14, 14, c.width - 15, c.height - 15, 10, kYellow);

    // The left half: the emblem, a rule, the name.
    const int middle = (14 + kPanelLeft) / 2;
    draw_emblem(c, PixelCorner(middle, 122), 88);
    FillRect(c, middle - 104, 230, middle + 104, 233, kBlack);
    diamond(c, middle - 110, 231, 6);
    diamond(c, middle + 110, 231, 6);

    const int height = 46;
    Canvas mask{c.width, c.height, name_mask};
    FillAll(mask, 0);
    draw_name(mask, middle - name_width(height) / 2 - 2, 250, height, 1);
    PaintGrown(c, mask, 2, 4, 4, kBlack);  // shadow
    PaintGrown(c, mask, 2, 0, 0, kBlack);  // outline
    PaintMask(c, mask, kWhite);

    // The right: the panel of the option boxes, and the one of the language
    // buttons above it, sharing its top line.
    if (language_panel) panel(c, kPanelLeft, kLanguagePanelTop, kPanelRight, kOptionsPanelTop);
    panel(c, kPanelLeft, kOptionsPanelTop, kPanelRight, kOptionsPanelBottom);
}
