// The pictures the executable carries, drawn from nothing but the code here.
#pragma once
#include <cstdint>

#include "canvas.h"
#include "dib.h"

// The background: 548 x 371 pixels, the dialog's client area.
const int PictureWidth = 548;
const int PictureHeight = 371;

// Indices of the picture's colours in its palette; the palette keeps the
// system's static colours where the display expects them.
const uint8_t Black = 0;
const uint8_t Yellow = 251;
const uint8_t White = 255;
void PicturePalette(Rgb (&out)[256]);

// The standard 16-colour palette of icons.
extern const Rgb IconPalette[16];

// The white panels the option boxes, and in the Multilingual edition the
// language buttons, stand in; the values are the border lines.
const int PanelLeft = 289;
const int PanelRight = 502;
const int LanguagePanelTop = 46;
const int OptionsPanelTop = 150;
const int OptionsPanelBottom = 240;

void DrawBackground(Canvas& picture, bool languagePanel);
// The emblem, a compass rose in a ring of radius pixels; its four main
// points reach a little beyond the ring.
void DrawEmblem(Canvas& c, Pt centre, int radius);
// The rose alone: main points of length, diagonal points of diagonal, the
// main points' waist halfWidth out from the centre, rimmed in black (all in
// sub-pixels); a diagonal of 0 leaves the diagonal points out.
void DrawRose(Canvas& c, Pt centre, int32_t length, int32_t diagonal, int32_t halfWidth, int32_t rim);
// QUORIX in the game's own slanted capitals, letter height height pixels,
// the lettering's top-left corner at (x, y) pixels.
void DrawName(Canvas& c, int x, int y, int height, uint8_t colour);
int NameWidth(int height);
// The icon, 32 or 16 pixels square, in indices of the icon palette.
void DrawIcon(Canvas& icon);
