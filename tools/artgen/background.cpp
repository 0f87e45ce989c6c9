#include "artwork.h"

// Scratch for the lettering, which is grown into its outline and shadow.
static uint8_t nameMask[PictureWidth * PictureHeight];

// A white panel with a one-pixel black border on the given lines, and a
// black shadow below and to the right of it.
static void DrawPanel(Canvas& c, int left, int top, int right, int bottom)
{
    FillRect(c, left + 4, top + 4, right + 4, bottom + 4, Black);
    FillRect(c, left, top, right, bottom, Black);
    FillRect(c, left + 1, top + 1, right - 1, bottom - 1, White);
}

// A small diamond, the ornament at the ends of the rule.
static void DrawDiamond(Canvas& c, int x, int y, int r)
{
    const Pt d[4] = {PixelCorner(x, y - r), PixelCorner(x + r, y), PixelCorner(x, y + r), PixelCorner(x - r, y)};
    FillPolygon(c, d, 4, Black);
}

void DrawBackground(Canvas& c, bool languagePanel)
{
    // The white edge, the black margin, the yellow card with its frame.
    FillAll(c, White);
    FillRect(c, 1, 1, c.width - 2, c.height - 2, Black);
    FillRoundRect(c, 6, 6, c.width - 7, c.height - 7, 18, Yellow);
    FillRoundRect(c, 11, 11, c.width - 12, c.height - 12, 13, Black);
    FillRoundRect(c, 14, 14, c.width - 15, c.height - 15, 10, Yellow);

    // The left half: the emblem, a rule, the name.
    const int middle = (14 + PanelLeft) / 2;
    DrawEmblem(c, PixelCorner(middle, 122), 88);
    FillRect(c, middle - 104, 230, middle + 104, 233, Black);
    DrawDiamond(c, middle - 110, 231, 6);
    DrawDiamond(c, middle + 110, 231, 6);

    const int height = 46;
    Canvas mask{c.width, c.height, nameMask};
    FillAll(mask, 0);
    DrawName(mask, middle - NameWidth(height) / 2 - 2, 250, height, 1);
    PaintGrown(c, mask, 2, 4, 4, Black); // shadow
    PaintGrown(c, mask, 2, 0, 0, Black); // outline
    PaintMask(c, mask, White);

    // The right: the panel of the option boxes, and the one of the language
    // buttons above it, sharing its top line.
    if (languagePanel)
        DrawPanel(c, PanelLeft, LanguagePanelTop, PanelRight, OptionsPanelTop);
    DrawPanel(c, PanelLeft, OptionsPanelTop, PanelRight, OptionsPanelBottom);
}
