#include "artwork.h"

namespace {

// Scratch for the lettering, which is grown into its outline and shadow.
uint8_t name_mask[kPictureWidth * kPictureHeight];

// A white panel with a one-pixel black border on the given lines, and a
// black shadow below and to the right of it.
void panel(Canvas& c, int left, int top, int right, int bottom) {
    fill_rect(c, left + 4, top + 4, right + 4, bottom + 4, kBlack);
    fill_rect(c, left, top, right, bottom, kBlack);
    fill_rect(c, left + 1, top + 1, right - 1, bottom - 1, kWhite);
}

// A small diamond, the ornament at the ends of the rule.
void diamond(Canvas& c, int x, int y, int r) {
    const Pt d[4] = {px(x, y - r), px(x + r, y), px(x, y + r), px(x - r, y)};
    fill_polygon(c, d, 4, kBlack);
}

}  // namespace

void draw_background(Canvas& c, bool language_panel) {
    // The white edge, the black margin, the yellow card with its frame.
    fill_all(c, kWhite);
    fill_rect(c, 1, 1, c.width - 2, c.height - 2, kBlack);
    fill_round_rect(c, 6, 6, c.width - 7, c.height - 7, 18, kYellow);
    fill_round_rect(c, 11, 11, c.width - 12, c.height - 12, 13, kBlack);
    fill_round_rect(c, 14, 14, c.width - 15, c.height - 15, 10, kYellow);

    // The left half: the emblem, a rule, the name.
    const int middle = (14 + kPanelLeft) / 2;
    draw_emblem(c, px(middle, 122), 88);
    fill_rect(c, middle - 104, 230, middle + 104, 233, kBlack);
    diamond(c, middle - 110, 231, 6);
    diamond(c, middle + 110, 231, 6);

    const int height = 46;
    Canvas mask{c.width, c.height, name_mask};
    fill_all(mask, 0);
    draw_name(mask, middle - name_width(height) / 2 - 2, 250, height, 1);
    paint_grown(c, mask, 2, 4, 4, kBlack);  // shadow
    paint_grown(c, mask, 2, 0, 0, kBlack);  // outline
    paint_mask(c, mask, kWhite);

    // The right: the panel of the option boxes, and the one of the language
    // buttons above it, sharing its top line.
    if (language_panel) panel(c, kPanelLeft, kLanguagePanelTop, kPanelRight, kOptionsPanelTop);
    panel(c, kPanelLeft, kOptionsPanelTop, kPanelRight, kOptionsPanelBottom);
}
