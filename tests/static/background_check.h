// The background picture, bitmap 500: its format, its three colours, the
// white edge and the white panels with their black borders.
#pragma once

#include <string>
#include <vector>

#include "dib.h"

// The picture's fixed size; the checks below assume it.
const int BackgroundWidth = 548;
const int BackgroundHeight = 371;

// One line per difference. `twoPanels`: the Multilingual edition's picture,
// with a second panel above the first.
std::vector<std::string> CheckBackground(const Dib& dib, bool twoPanels);
