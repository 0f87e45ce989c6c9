#include "background_check.h"

#include <cstdio>
#include <set>

const std::uint32_t Yellow = 0xFFFF00;
const std::uint32_t Black = 0x000000;
const std::uint32_t White = 0xFFFFFF;

// The panels' border lines; the lower panel's top line is the upper one's bottom.
const int PanelLeft = 289;
const int PanelRight = 502;
const int UpperPanelTop = 46;
const int PanelTop = 150;
const int PanelBottom = 240;

static std::string ColourName(std::uint32_t colour)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(colour));
    return text;
}

static std::string At(int x, int y)
{
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

// Every pixel of the rectangle x0..x1, y0..y1 (inclusive) of one colour; one
// line for the first that is not, with the count of all that are not.
static void ExpectArea(std::vector<std::string>& out, const Dib& dib, int x0, int y0, int x1, int y1,
                       std::uint32_t colour, const std::string& what)
{
    int wrong = 0;
    int firstX = 0, firstY = 0;
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++)
            if (dib.Colour(x, y) != colour && wrong++ == 0) {
                firstX = x;
                firstY = y;
            }
    if (wrong > 0)
        out.push_back(what + " from " + At(x0, y0) + " to " + At(x1, y1) + ": " + ColourName(colour) + " expected, " +
                      std::to_string(wrong) + " pixels differ, the first " + At(firstX, firstY) + " is " +
                      ColourName(dib.Colour(firstX, firstY)));
}

static void ExpectPanel(std::vector<std::string>& out, const Dib& dib, int top, int bottom, const std::string& panel)
{
    ExpectArea(out, dib, PanelLeft, top, PanelRight, top, Black, panel + " top border");
    ExpectArea(out, dib, PanelLeft, bottom, PanelRight, bottom, Black, panel + " bottom border");
    ExpectArea(out, dib, PanelLeft, top, PanelLeft, bottom, Black, panel + " left border");
    ExpectArea(out, dib, PanelRight, top, PanelRight, bottom, Black, panel + " right border");
    ExpectArea(out, dib, PanelLeft + 1, top + 1, PanelRight - 1, bottom - 1, White, panel + " inside");
}

static bool AllOf(const Dib& dib, int x0, int y0, int x1, int y1, std::uint32_t colour)
{
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++)
            if (dib.Colour(x, y) != colour)
                return false;
    return true;
}

std::vector<std::string> CheckBackground(const Dib& dib, bool twoPanels)
{
    std::vector<std::string> out;
    auto field = [&out](const char* name, long long expected, long long found) {
        if (expected != found)
            out.push_back(std::string(name) + " " + std::to_string(expected) + " expected, " + std::to_string(found) +
                          " found");
    };
    field("header size", 40, dib.headerSize);
    field("width", BackgroundWidth, dib.width);
    field("height (positive: bottom-up)", BackgroundHeight, dib.height);
    field("planes", 1, dib.planes);
    field("bits per pixel", 8, dib.bitCount);
    field("compression (BI_RGB)", 0, dib.compression);
    field("image size", 203308, dib.sizeImage);
    // 0 and 256 both say that all 256 entries are used and important.
    if (dib.colorsUsed != 0 && dib.colorsUsed != 256)
        field("colours used", 256, dib.colorsUsed);
    if (dib.colorsImportant != 0 && dib.colorsImportant != 256)
        field("important colours", 256, dib.colorsImportant);
    field("palette entries", 256, static_cast<long long>(dib.palette.size()));
    field("resource size (header, palette, pixels)", 40 + 4 * 256 + 203308, static_cast<long long>(dib.dataSize));
    if (!out.empty() || dib.pixels.empty())
        return out; // the pixels cannot be read as this picture's

    const std::set<std::uint32_t> allowed = {Yellow, Black, White};
    std::set<std::uint32_t> seen;
    int foreign = 0;
    int firstX = 0, firstY = 0;
    for (int y = 0; y < BackgroundHeight; y++)
        for (int x = 0; x < BackgroundWidth; x++) {
            std::uint32_t c = dib.Colour(x, y);
            seen.insert(c);
            if (allowed.count(c) == 0 && foreign++ == 0) {
                firstX = x;
                firstY = y;
            }
        }
    if (foreign > 0)
        out.push_back(std::to_string(foreign) + " pixels of colours other than yellow, black and white, the first " +
                      At(firstX, firstY) + " is " + ColourName(dib.Colour(firstX, firstY)));
    for (std::uint32_t c : allowed)
        if (seen.count(c) == 0)
            out.push_back("colour " + ColourName(c) + " does not occur");

    const int right = BackgroundWidth - 1;
    const int bottom = BackgroundHeight - 1;
    ExpectArea(out, dib, 0, 0, right, 0, White, "top edge");
    ExpectArea(out, dib, 0, bottom, right, bottom, White, "bottom edge");
    ExpectArea(out, dib, 0, 0, 0, bottom, White, "left edge");
    ExpectArea(out, dib, right, 0, right, bottom, White, "right edge");

    ExpectPanel(out, dib, PanelTop, PanelBottom, "panel");
    if (twoPanels)
        ExpectPanel(out, dib, UpperPanelTop, PanelTop, "upper panel");
    else if (AllOf(dib, PanelLeft + 1, UpperPanelTop + 1, PanelRight - 1, PanelTop - 1, White))
        out.push_back("a white panel above the panel, where only the Multilingual picture has one");
    return out;
}
