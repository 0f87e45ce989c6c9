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

namespace {

using Bytes = std::vector<uint8_t>;

Bytes read(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

uint32_t u16(const Bytes& b, size_t at) { return b[at] | b[at + 1] << 8; }
uint32_t u32(const Bytes& b, size_t at) { return u16(b, at) | u16(b, at + 2) << 16; }
int32_t i32(const Bytes& b, size_t at) { return static_cast<int32_t>(u32(b, at)); }

std::string art(const char* name) { return std::string(ART_DIR) + "/" + name; }

const int kWidth = 548, kHeight = 371;

enum Colour { kOther, kBlack, kYellow, kWhite };
const char* const kColourNames[] = {"another colour", "black", "yellow", "white"};

// The picture as the dialog shows it: colours by (x, y) from the top left.
struct Picture {
    Bytes file;
    Colour at(int x, int y) const {
        const size_t pixels = u32(file, 10);
        const uint8_t index = file[pixels + static_cast<size_t>(kHeight - 1 - y) * kWidth + x];
        const size_t entry = 14 + 40 + index * 4u;
        const uint8_t b = file[entry], g = file[entry + 1], r = file[entry + 2];
        if (r == 0 && g == 0 && b == 0) return kBlack;
        if (r == 255 && g == 255 && b == 0) return kYellow;
        if (r == 255 && g == 255 && b == 255) return kWhite;
        return kOther;
    }
};

// Where every pixel of the rectangle (inclusive) is not of colour, the
// first such pixel, for the failure message; "" when all are.
std::string all_of(const Picture& p, int x0, int y0, int x1, int y1, Colour colour) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (p.at(x, y) != colour)
                return "(" + std::to_string(x) + ", " + std::to_string(y) + ") is " +
                       kColourNames[p.at(x, y)] + ", not " + kColourNames[colour];
    return "";
}

struct Panel {
    int left, top, right, bottom;
};

struct BackgroundCase {
    const char* file;
    std::vector<Panel> panels;
};

const BackgroundCase kBackgrounds[] = {
    {"background.bmp", {{289, 150, 502, 240}}},
    {"background-multi.bmp", {{289, 46, 502, 150}, {289, 150, 502, 240}}},
};

TEST(Background, HeaderAndPaletteAreTheResourceFormat) {
    for (const BackgroundCase& c : kBackgrounds) {
        SCOPED_TRACE(c.file);
        const Bytes b = read(art(c.file));
        // windres drops the 14-byte file header; the resource is the rest.
        ASSERT_EQ(b.size(), 14u + 204372u);
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(u32(b, 2), b.size());
        EXPECT_EQ(u32(b, 10), 14u + 40u + 1024u);
        EXPECT_EQ(u32(b, 14), 40u);
        EXPECT_EQ(i32(b, 18), kWidth);
        EXPECT_EQ(i32(b, 22), kHeight);  // positive: bottom-up
        EXPECT_EQ(u16(b, 26), 1u);
        EXPECT_EQ(u16(b, 28), 8u);
        EXPECT_EQ(u32(b, 30), 0u);  // BI_RGB
        EXPECT_EQ(u32(b, 34), 203308u);
        EXPECT_EQ(u32(b, 46), 256u);
        EXPECT_EQ(u32(b, 50), 256u);
    }
}

TEST(Background, OnlyYellowBlackAndWhiteWithTheWhiteEdgeAndCard) {
    for (const BackgroundCase& c : kBackgrounds) {
        SCOPED_TRACE(c.file);
        const Picture p{read(art(c.file))};
        ASSERT_EQ(p.file.size(), 14u + 204372u);
        int seen[4] = {};
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) ++seen[p.at(x, y)];
        EXPECT_EQ(seen[kOther], 0);
        EXPECT_GT(seen[kBlack], 0);
        EXPECT_GT(seen[kYellow], 0);
        EXPECT_GT(seen[kWhite], 0);

        // One white pixel round the edge, the black margin inside it.
        EXPECT_EQ(all_of(p, 0, 0, kWidth - 1, 0, kWhite), "");
        EXPECT_EQ(all_of(p, 0, kHeight - 1, kWidth - 1, kHeight - 1, kWhite), "");
        EXPECT_EQ(all_of(p, 0, 0, 0, kHeight - 1, kWhite), "");
        EXPECT_EQ(all_of(p, kWidth - 1, 0, kWidth - 1, kHeight - 1, kWhite), "");
        EXPECT_EQ(all_of(p, 1, 1, kWidth - 2, 1, kBlack), "");
        EXPECT_EQ(all_of(p, 1, kHeight - 2, kWidth - 2, kHeight - 2, kBlack), "");
        EXPECT_EQ(all_of(p, 1, 1, 1, kHeight - 2, kBlack), "");
        EXPECT_EQ(all_of(p, kWidth - 2, 1, kWidth - 2, kHeight - 2, kBlack), "");

        // The three push buttons (164..288 x 156..202 dialog units) stand on
        // the bare yellow card.
        EXPECT_EQ(all_of(p, 287, 253, 504, 328, kYellow), "");
    }
}

TEST(Background, PanelsHaveTheirBorderLinesExactlyWhereTheControlsStand) {
    for (const BackgroundCase& c : kBackgrounds) {
        SCOPED_TRACE(c.file);
        const Picture p{read(art(c.file))};
        ASSERT_EQ(p.file.size(), 14u + 204372u);
        for (const Panel& q : c.panels) {
            SCOPED_TRACE("panel top " + std::to_string(q.top));
            EXPECT_EQ(all_of(p, q.left, q.top, q.right, q.top, kBlack), "");
            EXPECT_EQ(all_of(p, q.left, q.bottom, q.right, q.bottom, kBlack), "");
            EXPECT_EQ(all_of(p, q.left, q.top, q.left, q.bottom, kBlack), "");
            EXPECT_EQ(all_of(p, q.right, q.top, q.right, q.bottom, kBlack), "");
            EXPECT_EQ(all_of(p, q.left + 1, q.top + 1, q.right - 1, q.bottom - 1, kWhite), "");
            // The card, not more panel, is just left of the border.
            EXPECT_EQ(all_of(p, q.left - 1, q.top, q.left - 1, q.bottom, kYellow), "");
        }
        if (c.panels.size() == 1) {
            // One panel: above it the card is bare where the language
            // buttons would stand.
            EXPECT_EQ(all_of(p, 290, 46, 501, 149, kYellow), "");
        }
    }
}

struct IconCase {
    const char* file;
    int size;
    uint32_t bytes;  // the image, as the icon resource holds it
};

const IconCase kIcons[] = {{"icon32.ico", 32, 744}, {"icon16.ico", 16, 296}};

TEST(Icons, OneSixteenColourImageOfTheResourceSize) {
    for (const IconCase& c : kIcons) {
        SCOPED_TRACE(c.file);
        const Bytes b = read(art(c.file));
        ASSERT_EQ(b.size(), 22u + c.bytes);
        EXPECT_EQ(u16(b, 0), 0u);
        EXPECT_EQ(u16(b, 2), 1u);  // icon
        EXPECT_EQ(u16(b, 4), 1u);  // one image
        EXPECT_EQ(b[6], c.size);
        EXPECT_EQ(b[7], c.size);
        EXPECT_EQ(b[8], 16);
        EXPECT_EQ(u16(b, 10), 1u);
        EXPECT_EQ(u16(b, 12), 4u);
        EXPECT_EQ(u32(b, 14), c.bytes);
        EXPECT_EQ(u32(b, 18), 22u);
        EXPECT_EQ(u32(b, 22), 40u);
        EXPECT_EQ(i32(b, 26), c.size);
        EXPECT_EQ(i32(b, 30), 2 * c.size);  // colour bits and mask
        EXPECT_EQ(u16(b, 34), 1u);
        EXPECT_EQ(u16(b, 36), 4u);
        EXPECT_EQ(u32(b, 38), 0u);

        // See-through pixels must have colour 0, or the shell inverts the
        // desktop behind them; the corners are see-through, the middle not.
        const size_t colour = 22 + 40 + 64, stride = c.size / 2;
        const size_t mask = colour + stride * c.size, mask_stride = 4;
        int clear = 0;
        for (int y = 0; y < c.size; ++y)
            for (int x = 0; x < c.size; ++x) {
                const bool see_through = b[mask + y * mask_stride + x / 8] & (0x80 >> (x % 8));
                const int index = b[colour + y * stride + x / 2] >> (x % 2 ? 0 : 4) & 0x0F;
                if (see_through) {
                    ++clear;
                    EXPECT_EQ(index, 0) << x << ", " << y;
                }
            }
        const auto see_through = [&](int x, int y) {  // y from the top
            return (b[mask + (c.size - 1 - y) * mask_stride + x / 8] & (0x80 >> (x % 8))) != 0;
        };
        EXPECT_TRUE(see_through(0, 0));
        EXPECT_TRUE(see_through(c.size - 1, c.size - 1));
        EXPECT_FALSE(see_through(c.size / 2, c.size / 2));
        EXPECT_LT(clear, c.size * c.size / 4);
    }
}

TEST(Artgen, DrawsTheSameBytesEveryTime) {
    char dir[] = "/tmp/artgen-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    const std::string command = std::string("'") + ARTGEN + "' '" + dir + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const char* name : {"background.bmp", "background-multi.bmp", "icon32.ico", "icon16.ico"}) {
        const std::string again = std::string(dir) + "/" + name;
        EXPECT_EQ(read(again), read(art(name))) << name;
        std::remove(again.c_str());
    }
    rmdir(dir);
}

TEST(Artgen, FailsWhenItCannotWrite) {
    const std::string command = std::string("'") + ARTGEN + "' /nonexistent/artgen 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), 0);
}

}  // namespace
