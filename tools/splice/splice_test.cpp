// The splicer, run as the build runs it, on small PEs of both widths.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "pe_image.h"
#include "spliced_layout.h"

static Bytes Read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

static void Write(const std::string& path, const Bytes& bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

static std::string Scratch(const std::string& name)
{
    std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char& c : test)
        if (c == '/')
            c = '_';
    return std::string(FIXTURE_DIR) + "/scratch-" + test + "-" + name;
}

// Exit status of `command`, its stderr in `*err`.
static int Shell(const std::string& command, std::string* err = nullptr)
{
    std::string errFile = Scratch("stderr");
    int status = std::system((command + " 2>" + errFile).c_str());
    if (err) {
        Bytes e = Read(errFile);
        err->assign(e.begin(), e.end());
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

static int Splice(const std::string& stub, const std::string& program, std::string* err = nullptr)
{
    return Shell(std::string(SPLICE_PATH) + " '" + stub + "' '" + program + "'", err);
}

static std::string Fixture(int width)
{
    return std::string(FIXTURE_DIR) + "/fixture" + std::to_string(width) + ".exe";
}

// A copy of a fixture to splice into.
static std::string CopyOf(int width)
{
    std::string path = Scratch("fixture" + std::to_string(width) + ".exe");
    Write(path, Read(Fixture(width)));
    return path;
}

// The bytes of section `i`'s raw data.
static Bytes SectionData(const Bytes& file, int i)
{
    PeImage pe;
    std::string error;
    if (!ParsePeImage(file, pe, error) || i >= static_cast<int>(pe.sections.size()))
        return {};
    uint32_t size = pe.sections[i].rawSize, raw = pe.sections[i].rawOffset;
    if (!InRange(file, raw, size))
        return {};
    return Bytes(file.begin() + raw, file.begin() + raw + size);
}

// A DOS program of `size` bytes: a 64-byte MZ header and filler.
static Bytes MzOfSize(uint32_t size)
{
    Bytes b(size, 0x90);
    for (int i = 2; i < 0x40; ++i)
        b[i] = 0;
    b[0] = 'M';
    b[1] = 'Z';
    b[2] = size % 512;
    b[3] = (size % 512) >> 8;
    b[4] = (size + 511) / 512;
    b[8] = 4;
    return b;
}

namespace {

struct LayoutCase {
    int width;
    const char* stub;
};

// Its name, for the test list.
void PrintTo(const LayoutCase& c, std::ostream* os)
{
    *os << c.width << (c.stub == std::string(DOS_STUB) ? "" : " English");
}

class SpliceLayout : public ::testing::TestWithParam<LayoutCase> {};

} // namespace

// The stub lands in front, the PE headers and every section's bytes survive
// the move, and the headers still end below the first section.
TEST_P(SpliceLayout, StubInFrontSectionsIntact)
{
    std::string program = CopyOf(GetParam().width);
    Bytes before = Read(program);
    ASSERT_EQ(Splice(GetParam().stub, program), 0);
    Bytes after = Read(program), stub = Read(GetParam().stub);
    std::string why;
    EXPECT_TRUE(CheckSplicedLayout(after, stub, why)) << why;

    PeImage a, b;
    ASSERT_TRUE(ParsePeImage(before, b, why)) << why;
    ASSERT_TRUE(ParsePeImage(after, a, why)) << why;
    EXPECT_GT(a.sizeOfHeaders, b.sizeOfHeaders) << "this stub should have moved the sections";
    ASSERT_EQ(a.sections.size(), b.sections.size());
    for (uint32_t i = 0; i < a.sections.size(); ++i)
        EXPECT_EQ(SectionData(after, i), SectionData(before, i)) << i;
    // The headers are the linker's but for the offsets that had to move.
    uint32_t length = b.headersEnd - b.peOffset;
    Bytes oldHeaders(before.begin() + b.peOffset, before.begin() + b.headersEnd);
    Bytes newHeaders(after.begin() + a.peOffset, after.begin() + a.peOffset + length);
    uint32_t delta = a.sizeOfHeaders - b.sizeOfHeaders;
    WriteU32(oldHeaders, b.optionalOffset - b.peOffset + OptSizeOfHeaders, a.sizeOfHeaders);
    for (uint32_t i = 0; i < b.sections.size(); ++i) {
        uint32_t raw = b.sectionTableOffset - b.peOffset + i * SectionHeaderSize + 20;
        if (ReadU32(oldHeaders, raw))
            WriteU32(oldHeaders, raw, ReadU32(oldHeaders, raw) + delta);
    }
    // A checksum the linker wrote is made right for the new bytes.
    uint32_t checksum = a.optionalOffset + OptCheckSum;
    if (b.checkSum) {
        EXPECT_EQ(ReadU32(after, checksum), PeChecksum(after, checksum));
        WriteU32(oldHeaders, b.optionalOffset - b.peOffset + OptCheckSum, ReadU32(after, checksum));
    }
    EXPECT_EQ(newHeaders, oldHeaders);
    EXPECT_EQ(after.size(), before.size() + delta);
}

INSTANTIATE_TEST_SUITE_P(Widths, SpliceLayout,
                         ::testing::Values(LayoutCase{32, DOS_STUB}, LayoutCase{64, DOS_STUB},
                                           LayoutCase{32, DOS_STUB_ENGLISH}, LayoutCase{64, DOS_STUB_ENGLISH}),
                         [](const ::testing::TestParamInfo<LayoutCase>& info) {
                             return "Pe" + std::to_string(info.param.width) + (info.index < 2 ? "" : "English");
                         });

// Splicing over a file that already has a stub gives what splicing the new
// stub into the linker's file gives, and the same bytes every time.
TEST(Splice, AgainOverAStubIsLikeOnce)
{
    std::string once = CopyOf(64), twice = Scratch("twice.exe");
    Write(twice, Read(once));
    ASSERT_EQ(Splice(DOS_STUB_ENGLISH, once), 0);
    ASSERT_EQ(Splice(DOS_STUB, twice), 0);
    ASSERT_EQ(Splice(DOS_STUB_ENGLISH, twice), 0);
    EXPECT_EQ(Read(twice), Read(once));
}

namespace {

// The spliced program still loads and runs under Wine, at each width in the
// Wine prefix of that width's tests; at 32 bits only where Wine here runs
// 32-bit programs (the build leaves win32.skip with the reason otherwise).
class SplicedProgram : public ::testing::TestWithParam<int> {};

} // namespace

TEST_P(SplicedProgram, RunsUnderWine)
{
    int width = GetParam();
    Bytes skip = Read(std::string(HARNESS_DIR) + "/win32.skip");
    if (width == 32 && !skip.empty())
        GTEST_SKIP() << std::string(skip.begin(), skip.end());
    std::string program = CopyOf(width);
    ASSERT_EQ(Splice(DOS_STUB, program), 0);
    std::string out = Scratch("stdout");
    std::string harnessDir = std::string(HARNESS_DIR) + "/win" + std::to_string(width);
    int code = Shell(std::string(HARNESS) + " '" + harnessDir + "' run '" + program + "' >'" + out + "'");
    Bytes text = Read(out);
    EXPECT_EQ(code, 42);
    EXPECT_NE(std::string(text.begin(), text.end()).find("fixture ran"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Widths, SplicedProgram, ::testing::Values(32, 64));

namespace {

struct RefusalCase {
    const char* name;
    Bytes stub;    // empty: the real stub
    Bytes program; // empty: the 64-bit fixture
    const char* message;
};

// Its name, for the test list.
void PrintTo(const RefusalCase& c, std::ostream* os)
{
    *os << c.name;
}

class SpliceRefuses : public ::testing::TestWithParam<RefusalCase> {};

} // namespace

// What cannot be done safely is refused with a message and leaves the file alone.
TEST_P(SpliceRefuses, LeavesTheFileAlone)
{
    const RefusalCase& c = GetParam();
    std::string stub = DOS_STUB, program = CopyOf(64);
    if (!c.stub.empty())
        Write(stub = Scratch("stub.exe"), c.stub);
    if (!c.program.empty())
        Write(program, c.program);
    Bytes before = Read(program);
    std::string err;
    EXPECT_EQ(Splice(stub, program, &err), 1);
    EXPECT_NE(err.find(c.message), std::string::npos) << err;
    EXPECT_EQ(Read(program), before);
}

static Bytes Text(const char* s)
{
    return Bytes(s, s + std::char_traits<char>::length(s));
}

// The largest stub that fits beside the fixture's headers, and one more
// 8-byte step: first section at 0x1000, headers of the 64-bit fixture.
INSTANTIATE_TEST_SUITE_P(
    Cases, SpliceRefuses,
    ::testing::Values(RefusalCase{"StubTooBig", MzOfSize(3900), {}, "stub too big"},
                      RefusalCase{"StubNotMz", Text("just text, not a program"), {}, "stub: not an MZ program"},
                      RefusalCase{"ProgramNotPe",
                                  {},
                                  Text("MZ but nothing more, not a PE at all......................"
                                       "......................"),
                                  "not a PE file"},
                      RefusalCase{"ProgramIsDosOnly", {}, MzOfSize(600), "not a PE file"}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

// Just fitting is fine, one step more is not: the limit is the first section.
TEST(Splice, LimitIsTheFirstSection)
{
    Bytes fixture = Read(Fixture(64));
    PeImage pe;
    std::string why;
    ASSERT_TRUE(ParsePeImage(fixture, pe, why)) << why;
    uint32_t headers = pe.headersEnd - pe.peOffset;
    uint32_t largest = (pe.FirstSectionRva() - headers) & ~7u;
    std::string stub = Scratch("stub.exe"), program = CopyOf(64);
    Write(stub, MzOfSize(largest));
    EXPECT_EQ(Splice(stub, program), 0);
    EXPECT_TRUE(CheckSplicedLayout(Read(program), Read(stub), why)) << why;
    program = CopyOf(64);
    Write(stub, MzOfSize(largest + 1));
    EXPECT_EQ(Splice(stub, program), 1);
}
