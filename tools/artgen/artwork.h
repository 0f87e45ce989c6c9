// The pictures the executable carries, drawn from nothing but the code here.
#pragma once
#include <cstdint>

#include "canvas.h"
#include "dib.h"

// The background: 548 x 371 pixels, the dialog's client area.
const int kPictureWidth = 548;
const int kPictureHeight = 371;

// Indices of the picture's colours in its palette; the palette keeps the
// system's static colours where the display expects them.
const uint8_t kBlack = 0;
const uint8_t kYellow = 251;
const uint8_t kWhite = 255;
void picture_palette(Rgb (&out)[256]);

// The standard 16-colour palette of icons.
extern const Rgb kIconPalette[16];

// The white panels the option boxes, and in the Multilingual edition the
// language buttons, stand in; the values are the border lines.
const int kPanelLeft = 289;
const int kPanelRight = 502;
const int kLanguagePanelTop = 46;
const int kOptionsPanelTop = 150;
const int kOptionsPanelBottom = 240;

void draw_background(Canvas& picture, bool language_panel);
// The emblem, a compass rose in a ring of radius pixels; its four main
// points reach a little beyond the ring.
void draw_emblem(Canvas& c, Pt centre, int radius);
// The rose alone: main points of length, diagonal points of diagonal, the
// main points' waist half_width out from the centre, rimmed in black (all in
// sub-pixels); a diagonal of 0 leaves the diagonal points out.
void draw_rose(Canvas& c, Pt centre, int32_t length, int32_t diagonal, int32_t half_width, int32_t rim);
// QUORIX in the game's own slanted capitals, letter height height pixels,
// the lettering's top-left corner at (x, y) pixels.
void draw_name(Canvas& c, int x, int y, int height, uint8_t colour);
int name_width(int height);
// The icon, 32 or 16 pixels square, in indices of the icon palette.
void draw_icon(Canvas& icon);
