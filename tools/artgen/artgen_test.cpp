// Reads back the artwork the build wrote, the way the resource compiler and
// the dialog will use it.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

static Bytes Read(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

static uint32_t ReadU16(const Bytes& b, size_t at)
{
    return b[at] | b[at + 1] << 8;
}

static uint32_t ReadU32(const Bytes& b, size_t at)
{
    return ReadU16(b, at) | ReadU16(b, at + 2) << 16;
}

static int32_t ReadI32(const Bytes& b, size_t at)
{
    return static_cast<int32_t>(ReadU32(b, at));
}

static std::string ArtPath(const char* name)
{
    return std::string(ART_DIR) + "/" + name;
}

const int PictureWidth = 548, PictureHeight = 371;

namespace {

enum Colour { Other, Black, Yellow, White };

// The picture as the dialog shows it: colours by (x, y) from the top left.
struct Picture {
    Bytes file;

    Colour At(int x, int y) const
    {
        const size_t pixels = ReadU32(file, 10);
        const uint8_t index = file[pixels + static_cast<size_t>(PictureHeight - 1 - y) * PictureWidth + x];
        const size_t entry = 14 + 40 + index * 4u;
        const uint8_t b = file[entry], g = file[entry + 1], r = file[entry + 2];
        if (r == 0 && g == 0 && b == 0)
            return Black;
        if (r == 255 && g == 255 && b == 0)
            return Yellow;
        if (r == 255 && g == 255 && b == 255)
            return White;
        return Other;
    }
};

struct Panel {
    int left, top, right, bottom;
};

struct BackgroundCase {
    const char* file;
    std::vector<Panel> panels;
};

struct IconCase {
    const char* file;
    int size;
    uint32_t bytes; // the image, as the icon resource holds it
};

} // namespace

const char* const ColourNames[] = {"another colour", "black", "yellow", "white"};

// The first pixel of the rectangle (inclusive) that is not of colour,
// described for the failure message; "" when there is none.
static std::string StrayPixel(const Picture& p, int x0, int y0, int x1, int y1, Colour colour)
{
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (p.At(x, y) != colour)
                return "(" + std::to_string(x) + ", " + std::to_string(y) + ") is " + ColourNames[p.At(x, y)] +
                       ", not " + ColourNames[colour];
    return "";
}

const BackgroundCase BackgroundCases[] = {
    {"background.bmp", {{289, 150, 502, 240}}},
    {"background-multi.bmp", {{289, 46, 502, 150}, {289, 150, 502, 240}}},
};

TEST(Background, HeaderAndPaletteAreTheResourceFormat)
{
    for (const BackgroundCase& c : BackgroundCases) {
        SCOPED_TRACE(c.file);
        const Bytes b = Read(ArtPath(c.file));
        // windres drops the 14-byte file header; the resource is the rest.
        ASSERT_EQ(b.size(), 14u + 204372u);
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(ReadU32(b, 2), b.size());
        EXPECT_EQ(ReadU32(b, 10), 14u + 40u + 1024u);
        EXPECT_EQ(ReadU32(b, 14), 40u);
        EXPECT_EQ(ReadI32(b, 18), PictureWidth);
        EXPECT_EQ(ReadI32(b, 22), PictureHeight); // positive: bottom-up
        EXPECT_EQ(ReadU16(b, 26), 1u);
        EXPECT_EQ(ReadU16(b, 28), 8u);
        EXPECT_EQ(ReadU32(b, 30), 0u); // BI_RGB
        EXPECT_EQ(ReadU32(b, 34), 203308u);
        EXPECT_EQ(ReadU32(b, 46), 256u);
        EXPECT_EQ(ReadU32(b, 50), 256u);
    }
}

TEST(Background, OnlyYellowBlackAndWhiteWithTheWhiteEdgeAndCard)
{
    for (const BackgroundCase& c : BackgroundCases) {
        SCOPED_TRACE(c.file);
        const Picture p{Read(ArtPath(c.file))};
        ASSERT_EQ(p.file.size(), 14u + 204372u);
        int seen[4] = {};
        for (int y = 0; y < PictureHeight; ++y)
            for (int x = 0; x < PictureWidth; ++x)
                ++seen[p.At(x, y)];
        EXPECT_EQ(seen[Other], 0);
        EXPECT_GT(seen[Black], 0);
        EXPECT_GT(seen[Yellow], 0);
        EXPECT_GT(seen[White], 0);

        // One white pixel round the edge, the black margin inside it.
        EXPECT_EQ(StrayPixel(p, 0, 0, PictureWidth - 1, 0, White), "");
        EXPECT_EQ(StrayPixel(p, 0, PictureHeight - 1, PictureWidth - 1, PictureHeight - 1, White), "");
        EXPECT_EQ(StrayPixel(p, 0, 0, 0, PictureHeight - 1, White), "");
        EXPECT_EQ(StrayPixel(p, PictureWidth - 1, 0, PictureWidth - 1, PictureHeight - 1, White), "");
        EXPECT_EQ(StrayPixel(p, 1, 1, PictureWidth - 2, 1, Black), "");
        EXPECT_EQ(StrayPixel(p, 1, PictureHeight - 2, PictureWidth - 2, PictureHeight - 2, Black), "");
        EXPECT_EQ(StrayPixel(p, 1, 1, 1, PictureHeight - 2, Black), "");
        EXPECT_EQ(StrayPixel(p, PictureWidth - 2, 1, PictureWidth - 2, PictureHeight - 2, Black), "");

        // The three push buttons (164..288 x 156..202 dialog units) stand on
        // the bare yellow card.
        EXPECT_EQ(StrayPixel(p, 287, 253, 504, 328, Yellow), "");
    }
}

TEST(Background, PanelsHaveTheirBorderLinesExactlyWhereTheControlsStand)
{
    for (const BackgroundCase& c : BackgroundCases) {
        SCOPED_TRACE(c.file);
        const Picture p{Read(ArtPath(c.file))};
        ASSERT_EQ(p.file.size(), 14u + 204372u);
        for (const Panel& q : c.panels) {
            SCOPED_TRACE("panel top " + std::to_string(q.top));
            EXPECT_EQ(StrayPixel(p, q.left, q.top, q.right, q.top, Black), "");
            EXPECT_EQ(StrayPixel(p, q.left, q.bottom, q.right, q.bottom, Black), "");
            EXPECT_EQ(StrayPixel(p, q.left, q.top, q.left, q.bottom, Black), "");
            EXPECT_EQ(StrayPixel(p, q.right, q.top, q.right, q.bottom, Black), "");
            EXPECT_EQ(StrayPixel(p, q.left + 1, q.top + 1, q.right - 1, q.bottom - 1, White), "");
            // The card, not more panel, is just left of the border.
            EXPECT_EQ(StrayPixel(p, q.left - 1, q.top, q.left - 1, q.bottom, Yellow), "");
        }
        if (c.panels.size() == 1) {
            // One panel: above it the card is bare where the language
            // buttons would stand.
            EXPECT_EQ(StrayPixel(p, 290, 46, 501, 149, Yellow), "");
        }
    }
}

const IconCase IconCases[] = {{"icon32.ico", 32, 744}, {"icon16.ico", 16, 296}};

TEST(Icons, OneSixteenColourImageOfTheResourceSize)
{
    for (const IconCase& c : IconCases) {
        SCOPED_TRACE(c.file);
        const Bytes b = Read(ArtPath(c.file));
        ASSERT_EQ(b.size(), 22u + c.bytes);
        EXPECT_EQ(ReadU16(b, 0), 0u);
        EXPECT_EQ(ReadU16(b, 2), 1u); // icon
        EXPECT_EQ(ReadU16(b, 4), 1u); // one image
        EXPECT_EQ(b[6], c.size);
        EXPECT_EQ(b[7], c.size);
        EXPECT_EQ(b[8], 16);
        EXPECT_EQ(ReadU16(b, 10), 1u);
        EXPECT_EQ(ReadU16(b, 12), 4u);
        EXPECT_EQ(ReadU32(b, 14), c.bytes);
        EXPECT_EQ(ReadU32(b, 18), 22u);
        EXPECT_EQ(ReadU32(b, 22), 40u);
        EXPECT_EQ(ReadI32(b, 26), c.size);
        EXPECT_EQ(ReadI32(b, 30), 2 * c.size); // colour bits and mask
        EXPECT_EQ(ReadU16(b, 34), 1u);
        EXPECT_EQ(ReadU16(b, 36), 4u);
        EXPECT_EQ(ReadU32(b, 38), 0u);

        // See-through pixels must have colour 0, or the shell inverts the
        // desktop behind them; the corners are see-through, the middle not.
        const size_t colour = 22 + 40 + 64, stride = c.size / 2;
        const size_t mask = colour + stride * c.size, maskStride = 4;
        int clear = 0;
        for (int y = 0; y < c.size; ++y)
            for (int x = 0; x < c.size; ++x) {
                const bool seeThrough = b[mask + y * maskStride + x / 8] & (0x80 >> (x % 8));
                const int index = b[colour + y * stride + x / 2] >> (x % 2 ? 0 : 4) & 0x0F;
                if (seeThrough) {
                    ++clear;
                    EXPECT_EQ(index, 0) << x << ", " << y;
                }
            }
        const auto seeThrough = [&](int x, int y) { // y from the top
            return (b[mask + (c.size - 1 - y) * maskStride + x / 8] & (0x80 >> (x % 8))) != 0;
        };
        EXPECT_TRUE(seeThrough(0, 0));
        EXPECT_TRUE(seeThrough(c.size - 1, c.size - 1));
        EXPECT_FALSE(seeThrough(c.size / 2, c.size / 2));
        EXPECT_LT(clear, c.size * c.size / 4);
    }
}

TEST(Artgen, DrawsTheSameBytesEveryTime)
{
    char dir[] = "/tmp/artgen-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    const std::string command = std::string("'") + ARTGEN + "' '" + dir + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const char* name : {"background.bmp", "background-multi.bmp", "icon32.ico", "icon16.ico"}) {
        const std::string again = std::string(dir) + "/" + name;
        EXPECT_EQ(Read(again), Read(ArtPath(name))) << name;
        std::remove(again.c_str());
    }
    rmdir(dir);
}

TEST(Artgen, FailsWhenItCannotWrite)
{
    const std::string command = std::string("'") + ARTGEN + "' /nonexistent/artgen 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), 0);
}
