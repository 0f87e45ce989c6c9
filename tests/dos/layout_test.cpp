// The built executables: each begins with its edition's DOS stub and keeps a
// loadable PE behind it.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "pe_image.h"
#include "spliced_layout.h"

static Bytes Read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

namespace {

struct Built {
    int width;
    const char* edition;
    const char* stub;
};

// Its name, for the test list.
void PrintTo(const Built& c, std::ostream* os)
{
    *os << c.edition << c.width;
}

class BuiltExecutable : public ::testing::TestWithParam<Built> {};

} // namespace

TEST_P(BuiltExecutable, BeginsWithTheStub)
{
    const Built& b = GetParam();
    std::string path = std::string(BUILD_DIR) + "/win" + std::to_string(b.width) + "/" + b.edition + "/QUORIX.EXE";
    Bytes file = Read(path), stub = Read(b.stub);
    ASSERT_FALSE(file.empty()) << path;
    ASSERT_FALSE(stub.empty()) << b.stub;
    std::string why;
    EXPECT_TRUE(CheckSplicedLayout(file, stub, why)) << path << ": " << why;
    PeImage pe;
    ASSERT_TRUE(ParsePeImage(file, pe, why)) << why;
    EXPECT_EQ(pe.IsPe32Plus(), b.width == 64);
}

INSTANTIATE_TEST_SUITE_P(Editions, BuiltExecutable,
                         ::testing::Values(Built{32, "german", DOS_STUB}, Built{32, "english", DOS_STUB_ENGLISH},
                                           Built{32, "multilingual", DOS_STUB}, Built{64, "german", DOS_STUB},
                                           Built{64, "english", DOS_STUB_ENGLISH}, Built{64, "multilingual", DOS_STUB}),
                         [](const ::testing::TestParamInfo<Built>& info) {
                             return std::string(info.param.edition) + std::to_string(info.param.width);
                         });
