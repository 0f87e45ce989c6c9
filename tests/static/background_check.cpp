#include "background_check.h"

#include <cstdio>
#include <set>


namespace {

const std::uint32_t kYellow = 0xFFFF00;
const std::uint32_t kBlack = 0x000000;
const std::uint32_t kWhite = 0xFFFFFF;

// The panels' border lines; the lower panel's top line is the upper one's bottom.
const int kPanelLeft = 289;
const int kPanelRight = 502;
const int kUpperPanelTop = 46;
const int kPanelTop = 150;
const int kPanelBottom = 240;

std::string ColourName(std::uint32_t colour)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(colour));
    return text;
}

std::string At(int x, int y)
{
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

// Every pixel of the rectangle x0..x1, y0..y1 (inclusive) of one colour; one
// line for the first that is not, with the count of all that are not.
void ExpectArea(std::vector<std::string>& out, const Dib& dib, int x0, int y0, int x1, int y1,
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
        out.push_back(what + " from " + At(x0, y0) + " to " + At(x1, y1) + ": " + ColourName(colour) +
                      " expected, " + std::to_string(wrong) + " pixels differ, the first " + At(firstX, firstY) +
                      " is " + ColourName(dib.Colour(firstX, firstY)));
}

void ExpectPanel(std::vector<std::string>& out, const Dib& dib, int top, int bottom, const std::string& panel)
{
    ExpectArea(out, dib, kPanelLeft, top, kPanelRight, top, kBlack, panel + " top border");
    ExpectArea(out, dib, kPanelLeft, bottom, kPanelRight, bottom, kBlack, panel + " bottom border");
    ExpectArea(out, dib, kPanelLeft, top, kPanelLeft, bottom, kBlack, panel + " left border");
    ExpectArea(out, dib, kPanelRight, top, kPanelRight, bottom, kBlack, panel + " right border");
    ExpectArea(out, dib, kPanelLeft + 1, top + 1, kPanelRight - 1, bottom - 1, kWhite, panel + " inside");
}

bool AllOf(const Dib& dib, int x0, int y0, int x1, int y1, std::uint32_t colour)
{
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++)
            if (dib.Colour(x, y) != colour)
                return false;
    return true;
}

}  // namespace

std::vector<std::string> CheckBackground(const Dib& dib, bool twoPanels)
{
    std::vector<std::string> out;
    auto field = [&out](const char* name, long long expected, long long found) {
        if (expected != found)
            out.push_back(std::string(name) + " " + std::to_string(expected) + " expected, " +
                          std::to_string(found) + " found");
    };
    field("header size", 40, dib.headerSize);
    field("width", kBackgroundWidth, dib.width);
    field("height (positive: bottom-up)", kBackgroundHeight, dib.height);
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
        return out;  // the pixels cannot be read as this picture's

    const std::set<std::uint32_t> allowed = {kYellow, kBlack, kWhite};
    std::set<std::uint32_t> seen;
    int foreign = 0;
    int firstX = 0, firstY = 0;
    for (int y = 0; y < kBackgroundHeight; y++)
        for (int x = 0; x < kBackgroundWidth; x++) {
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

    const int right = kBackgroundWidth - 1;
    const int bottom = kBackgroundHeight - 1;
    ExpectArea(out, dib, 0, 0, right, 0, kWhite, "top edge");
    ExpectArea(out, dib, 0, bottom, right, bottom, kWhite, "bottom edge");
    ExpectArea(out, dib, 0, 0, 0, bottom, kWhite, "left edge");
    ExpectArea(out, dib, right, 0, right, bottom, kWhite, "right edge");

    ExpectPanel(out, dib, kPanelTop, kPanelBottom, "panel");
    if (twoPanels)
        ExpectPanel(out, dib, kUpperPanelTop, kPanelTop, "upper panel");
    else if (AllOf(dib, kPanelLeft + 1, kUpperPanelTop + 1, kPanelRight - 1, kPanelTop - 1, kWhite))
        out.push_back("a white panel above the panel, where only the Multilingual picture has one");
    return out;
}
