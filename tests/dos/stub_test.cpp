// The DOS stub in DOSBox: which extender it starts, with what tail, what it
// prints, and that the extender takes its place rather than running under it.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "dosbox.h"

const char Banner[] = "QUORIX: Standard version";
const char Patch[] = "Patching main executable from C:\\TALVEX\\QUORIX\\";
const char CdGame[] = ".\\quorix.exd ";
const char DiskGame[] = "C:\\TALVEX\\QUORIX\\QUORIX.EXD ";
const char DiskDir[] = "TALVEX\\QUORIX\\";

namespace {

// Where the extender's copies are and what the stub is started with.
struct Setup {
    bool english = false;
    bool diskExtender = false;              // C:\TALVEX\QUORIX\DOS4GW.EXE
    bool diskGame = false;                  // C:\TALVEX\QUORIX\QUORIX.EXD
    bool cdExtender = true;                 // DOS4GW.EXE in the CD root, the current directory
    std::vector<std::string> pathDirs = {}; // folders of C: that hold a DOS4GW.EXE
    const char* path = nullptr;             // PATH, or none at all
    std::string tail = "";                  // typed after QUORIX.EXE
    Bytes extender = {};                    // the extender's bytes, the stand-in if empty
};

} // namespace

static std::string Name()
{
    std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name();
    test += std::string("-") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char& c : test)
        if (c == '/')
            c = '_';
    return test;
}

// Lays out the drives, runs the stand-in straight from the prompt with the
// same tail (DIRECT.TXT: the tail DOS gives, the time before), then the stub
// (STUB.OUT, STUB.RC; the stand-in's report in STUB.TXT, exit code 7).
static DosBox RunStub(const Setup& s)
{
    DosBox box(Name());
    Bytes standIn = FileOf(DOS_STANDIN);
    Bytes extender = s.extender.empty() ? standIn : s.extender;
    box.PutD("QUORIX.EXE", FileOf(s.english ? DOS_STUB_ENGLISH : DOS_STUB));
    box.PutD("QUORIX.EXD", Bytes(100, 'x'));
    if (s.cdExtender)
        box.PutD("DOS4GW.EXE", extender);
    if (s.diskExtender)
        box.PutC(std::string(DiskDir) + "DOS4GW.EXE", extender);
    if (s.diskGame)
        box.PutC(std::string(DiskDir) + "QUORIX.EXD", Bytes(100, 'x'));
    for (const auto& dir : s.pathDirs)
        box.PutC(dir + "\\DOS4GW.EXE", extender);
    box.MakeDirC("NONE");
    box.PutC("STANDIN.EXE", standIn);
    box.Line(s.path ? std::string("SET PATH=") + s.path : "SET PATH=");
    box.Line("SET REPORT=C:\\DIRECT.TXT");
    box.Line("C:\\STANDIN.EXE" + s.tail);
    box.Line("SET REPORT=C:\\STUB.TXT");
    box.Line("SET RC=7");
    box.Capture("QUORIX.EXE" + s.tail, "STUB");
    EXPECT_TRUE(box.Run()) << "DOSBox did not finish";
    return box;
}

// The stub's own lines: everything before the stand-in speaks.
static std::vector<std::string> StubLines(const DosBox& box)
{
    std::vector<std::string> lines;
    for (const auto& line : box.Output("STUB")) {
        if (line.rfind("stand-in: ", 0) == 0)
            break;
        lines.push_back(line);
    }
    return lines;
}

static unsigned long Hex(const std::string& text)
{
    return text.empty() ? 0 : std::stoul(text, nullptr, 16);
}

namespace {

struct StartCase {
    const char* name;
    Setup setup;
    const char* started; // the extender's own path, as it finds it
};

// Its name, for the test list.
void PrintTo(const StartCase& c, std::ostream* os)
{
    *os << c.name;
}

class StubStarts : public ::testing::TestWithParam<StartCase> {};

} // namespace

// The extender runs with the game argument, the user's tail byte for byte
// and, in the English edition, "/US"; the patch message and the pause come
// with the hard-disk game only; the extender's exit code is the process's.
TEST_P(StubStarts, ExtenderWithGameAndTail)
{
    const StartCase& c = GetParam();
    DosBox box = RunStub(c.setup);
    auto direct = box.Report("DIRECT.TXT"), report = box.Report("STUB.TXT");
    std::string userTail = FromHex(direct["TAIL"]);
    ASSERT_EQ(userTail, c.setup.tail) << "DOSBox passed the tail differently";

    std::vector<std::string> expected;
    if (c.setup.diskGame)
        expected.push_back(Patch);
    expected.push_back(Banner);
    EXPECT_EQ(StubLines(box), expected);
    EXPECT_EQ(box.ExitCode("STUB"), 7);
    EXPECT_EQ(report["SELF"], c.started);
    std::string tail = std::string(c.setup.diskGame ? DiskGame : CdGame) + " " + userTail;
    if (c.setup.english)
        tail += " /US";
    EXPECT_EQ(FromHex(report["TAIL"]), tail);

    // BIOS ticks, 18.2 a second, from the direct run to the stand-in's start.
    unsigned long ticks = Hex(report["TICKS"]) - Hex(direct["TICKS"]);
    if (c.setup.diskGame)
        EXPECT_GE(ticks, 19u) << "the pause is under a second";
    else
        EXPECT_LT(ticks, 9u) << "a pause without the hard-disk game";
}

static std::string Repeat(char c, int n)
{
    return std::string(n, c);
}

// A tail DOS gives as n characters, its leading blank counted.
static std::string TailOf(int n)
{
    return " " + Repeat('a', n - 1);
}

const StartCase Starts[] = {
    {"CdOnly", {}, "D:\\DOS4GW.EXE"},
    {"TailByteForByte", {.tail = "    lead  \"q  x\" \t-s /Y"}, "D:\\DOS4GW.EXE"},
    {"TailHighBytes", {.tail = " \xE9\xFF~"}, "D:\\DOS4GW.EXE"},
    {"DiskExtenderOnly", {.diskExtender = true, .tail = " -x"}, "C:\\TALVEX\\QUORIX\\DOS4GW.EXE"},
    {"DiskGameOnly", {.diskGame = true, .tail = " -x"}, "D:\\DOS4GW.EXE"},
    {"BothOnDisk", {.diskExtender = true, .diskGame = true}, "C:\\TALVEX\\QUORIX\\DOS4GW.EXE"},
    {"DiskExtenderBeforePath",
     {.diskExtender = true, .cdExtender = false, .pathDirs = {"BIN"}, .path = "C:\\BIN"},
     "C:\\TALVEX\\QUORIX\\DOS4GW.EXE"},
    {"CurrentDirBeforePath", {.pathDirs = {"BIN"}, .path = "C:\\BIN"}, "D:\\DOS4GW.EXE"},
    {"PathNoTrailingBackslash",
     {.cdExtender = false, .pathDirs = {"BIN"}, .path = "C:\\NONE;C:\\BIN"},
     "C:\\BIN\\DOS4GW.EXE"},
    {"PathTrailingBackslash",
     {.cdExtender = false, .pathDirs = {"BIN"}, .path = "C:\\NONE\\;C:\\BIN\\"},
     "C:\\BIN\\DOS4GW.EXE"},
    {"PathEmptyEntries", {.cdExtender = false, .pathDirs = {"BIN"}, .path = ";;C:\\BIN;"}, "C:\\BIN\\DOS4GW.EXE"},
    {"PathOverlongEntry",
     {.cdExtender = false,
      .pathDirs = {"BIN"},
      .path = "C:\\XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX"
              "XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX"
              "XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX;C:\\BIN"},
     "C:\\BIN\\DOS4GW.EXE"},
    {"PathFirstMatchWins",
     {.cdExtender = false, .pathDirs = {"BIN", "BIN2"}, .path = "C:\\NONE;C:\\BIN2;C:\\BIN"},
     "C:\\BIN2\\DOS4GW.EXE"},
    {"EnglishNoArguments", {.english = true}, "D:\\DOS4GW.EXE"},
    {"EnglishWithArguments", {.english = true, .diskGame = true, .tail = " -a  b"}, "D:\\DOS4GW.EXE"},
    {"LongestTailFromCd", {.tail = TailOf(112)}, "D:\\DOS4GW.EXE"},
    {"LongestTailWithDiskGame", {.diskGame = true, .tail = TailOf(97)}, "D:\\DOS4GW.EXE"},
    {"EnglishLongestTailFromCd", {.english = true, .tail = TailOf(108)}, "D:\\DOS4GW.EXE"},
    {"EnglishLongestTailWithDiskGame", {.english = true, .diskGame = true, .tail = TailOf(93)}, "D:\\DOS4GW.EXE"},
};

INSTANTIATE_TEST_SUITE_P(Cases, StubStarts, ::testing::ValuesIn(Starts),
                         [](const ::testing::TestParamInfo<StartCase>& info) { return std::string(info.param.name); });

namespace {

struct FailCase {
    const char* name;
    Setup setup;
    const char* extender; // as the report names it
    const char* error;
};

// Its name, for the test list.
void PrintTo(const FailCase& c, std::ostream* os)
{
    *os << c.name;
}

class StubFails : public ::testing::TestWithParam<FailCase> {};

} // namespace

// A start that cannot be made: exactly three lines after the banner, exit code 1.
TEST_P(StubFails, ThreeLinesAndExitCodeOne)
{
    const FailCase& c = GetParam();
    DosBox box = RunStub(c.setup);
    ASSERT_EQ(FromHex(box.Report("DIRECT.TXT")["TAIL"]), c.setup.tail) << "DOSBox passed the tail differently";
    std::vector<std::string> expected;
    if (c.setup.diskGame)
        expected.push_back(Patch);
    for (const char* line : {Banner, "Stub exec failed:", c.extender, c.error})
        expected.push_back(line);
    EXPECT_EQ(box.Output("STUB"), expected);
    EXPECT_EQ(box.ExitCode("STUB"), 1);
}

static Bytes NotAnExe()
{
    return Bytes{'n', 'o', 't', ' ', 'a', 'n', ' ', 'e', 'x', 'e'};
}

const FailCase Fails[] = {
    {"NoExtenderNoPath", {.cdExtender = false}, "dos4gw.exe", "No such file or directory"},
    {"NoExtenderOnPath",
     {.cdExtender = false, .pathDirs = {"BIN"}, .path = "C:\\NONE;;C:\\"},
     "dos4gw.exe",
     "No such file or directory"},
    {"TailTooLongFromCd", {.tail = TailOf(113)}, "dos4gw.exe", "Argument list too big"},
    {"TailTooLongWithDiskGame", {.diskGame = true, .tail = TailOf(98)}, "dos4gw.exe", "Argument list too big"},
    {"EnglishTailTooLongFromCd", {.english = true, .tail = TailOf(109)}, "dos4gw.exe", "Argument list too big"},
    {"EnglishTailTooLongWithDiskGame",
     {.english = true, .diskGame = true, .tail = TailOf(94)},
     "dos4gw.exe",
     "Argument list too big"},
    {"LongestTailDosPasses",
     {.diskExtender = true, .tail = TailOf(126)},
     "C:\\TALVEX\\QUORIX\\DOS4GW.EXE",
     "Argument list too big"},
    {"ExtenderNotAnExe", {.extender = NotAnExe()}, "dos4gw.exe", "Exec format error"},
    {"DiskExtenderNotAnExe",
     {.diskExtender = true, .extender = NotAnExe()},
     "C:\\TALVEX\\QUORIX\\DOS4GW.EXE",
     "Exec format error"},
    {"ExtenderHeaderCutShort", {.tail = " x", .extender = Bytes{'M', 'Z', 0x10, 0}}, "dos4gw.exe", "Exec format error"},
};

INSTANTIATE_TEST_SUITE_P(Cases, StubFails, ::testing::ValuesIn(Fails),
                         [](const ::testing::TestParamInfo<FailCase>& info) { return std::string(info.param.name); });

// An extender that asks for more memory than there is: the stub is already
// given up, so the exec says so itself and ends with 255.
TEST(StubLate, ExtenderTooBigForMemory)
{
    Bytes big = FileOf(DOS_STANDIN);
    big[0x0A] = big[0x0B] = 0xFF; // minimum extra paragraphs: 1 MiB
    DosBox box = RunStub({.extender = big});
    EXPECT_EQ(box.Output("STUB"), (std::vector<std::string>{Banner, "Not enough memory to load the extender"}));
    EXPECT_EQ(box.ExitCode("STUB"), 255);
}

namespace {

struct RawTailCase {
    const char* name;
    Bytes area;           // the PSP's tail area as the parent makes it: length byte, then bytes
    const char* userTail; // what of it the stub passes on, or nullptr when it must refuse
};

// Its name, for the test list.
void PrintTo(const RawTailCase& c, std::ostream* os)
{
    *os << c.name;
}

class StubRawTail : public ::testing::TestWithParam<RawTailCase> {};

} // namespace

static Bytes Area(int length, const std::string& bytes)
{
    Bytes area{static_cast<unsigned char>(length)};
    area.insert(area.end(), bytes.begin(), bytes.end());
    return area;
}

// Tails from a parent program, past what a shell gives: the stub passes on
// what its rules say, or refuses, and never runs over its buffer.
TEST_P(StubRawTail, PassedOnOrRefused)
{
    const RawTailCase& c = GetParam();
    DosBox box(Name());
    box.PutD("QUORIX.EXE", FileOf(DOS_STUB));
    box.PutD("DOS4GW.EXE", FileOf(DOS_STANDIN));
    box.PutC("SPAWN.EXE", FileOf(DOS_SPAWN));
    box.PutC("TAIL.BIN", c.area);
    box.Line("SET REPORT=C:\\STUB.TXT");
    box.Line("SET RC=7");
    box.Capture("C:\\SPAWN.EXE D:\\QUORIX.EXE", "STUB");
    ASSERT_TRUE(box.Run());
    if (c.userTail) {
        EXPECT_EQ(StubLines(box), std::vector<std::string>{Banner});
        EXPECT_EQ(FromHex(box.Report("STUB.TXT")["TAIL"]), std::string(CdGame) + " " + c.userTail);
        EXPECT_EQ(box.ExitCode("STUB"), 7);
    } else {
        EXPECT_EQ(box.Output("STUB"),
                  (std::vector<std::string>{Banner, "Stub exec failed:", "dos4gw.exe", "Argument list too big"}));
        EXPECT_EQ(box.ExitCode("STUB"), 1);
    }
}

const RawTailCase RawTails[] = {
    {"FullAreaNoCr", Area(127, std::string(127, 'a')), nullptr},
    {"LengthBeyondArea", Area(255, std::string(127, 'b')), nullptr},
    {"ZeroLength", Area(0, "\r"), ""},
    {"NulEndsIt", Area(6, std::string(" a\0bc\r", 6)), " a"},
    {"CrInside", Area(5, " a\rb\x80"), " a\rb\x80"},
};

INSTANTIATE_TEST_SUITE_P(Cases, StubRawTail, ::testing::ValuesIn(RawTails),
                         [](const ::testing::TestParamInfo<RawTailCase>& info) {
                             return std::string(info.param.name);
                         });

static unsigned long MemoryBytes(std::map<std::string, std::string>& report)
{
    return (Hex(report["BLOCK"]) + Hex(report["FREE"])) * 16;
}

// Started through the stub, the extender has the stub's PSP (the one it gets
// straight from the prompt under a name of the same length) and its parent,
// and within 1 KiB the conventional memory (its block and the largest free
// one) it has when started straight from the prompt. Both ways of making its
// environment: in the stub's block (a path as long as the stub's) and in a
// new one (the longer hard-disk path).
TEST(StubInPlace, ExtenderGetsTheStubsPspAndMemory)
{
    DosBox box(Name());
    box.PutD("QUORIX.EXE", FileOf(DOS_STUB));
    box.PutD("DOS4GW.EXE", FileOf(DOS_STANDIN));
    box.MakeDirC("TALVEX\\QUORIX");
    box.Line("SET REPORT=C:\\DIRECT.TXT");
    box.Line("DOS4GW.EXE");
    box.Line("SET REPORT=C:\\STUB.TXT");
    box.Capture("QUORIX.EXE", "STUB");
    box.Line("COPY D:\\DOS4GW.EXE C:\\TALVEX\\QUORIX\\DOS4GW.EXE");
    box.Line("SET REPORT=C:\\DISKDIR.TXT");
    box.Line("C:\\TALVEX\\QUORIX\\DOS4GW.EXE");
    box.Line("SET REPORT=C:\\DISK.TXT");
    box.Capture("QUORIX.EXE", "DISK");
    ASSERT_TRUE(box.Run());
    auto direct = box.Report("DIRECT.TXT"), stub = box.Report("STUB.TXT");
    auto diskDirect = box.Report("DISKDIR.TXT"), disk = box.Report("DISK.TXT");
    ASSERT_EQ(disk["SELF"], "C:\\TALVEX\\QUORIX\\DOS4GW.EXE");
    ASSERT_FALSE(direct["PSP"].empty());
    for (auto* through : {&stub, &disk}) {
        EXPECT_EQ((*through)["PSP"], direct["PSP"]);
        EXPECT_EQ((*through)["PARENT"], direct["PARENT"]);
        EXPECT_EQ(Hex((*through)["TOP"]), Hex((*through)["PSP"]) + Hex((*through)["BLOCK"]));
    }
    EXPECT_GE(MemoryBytes(stub) + 1024, MemoryBytes(direct));
    EXPECT_GE(MemoryBytes(disk) + 1024, MemoryBytes(diskDirect));
    std::printf("conventional memory (block + largest free): D:\\DOS4GW.EXE started directly %lu bytes, "
                "through the stub %lu; C:\\TALVEX\\QUORIX\\DOS4GW.EXE directly %lu, through the stub %lu\n",
                MemoryBytes(direct),
                MemoryBytes(stub),
                MemoryBytes(diskDirect),
                MemoryBytes(disk));
}

// From a real CD: the CD's files in an ISO 9660 image that DOSBox mounts as
// drive D:, under the names a CD of the time carries (lower case in Joliet
// only). The stub finds ".\quorix.exd" and "dos4gw.exe" there and starts the
// extender from the CD's root.
TEST(StubFromImage, StartsTheCdsExtenderWithTheCdsGame)
{
    DosBox box(Name());
    box.PutD("QUORIX.EXE", FileOf(DOS_STUB));
    box.PutD("quorix.exd", Bytes(100, 'x'));
    box.PutD("dos4gw.exe", FileOf(DOS_STANDIN));
    box.Line("SET REPORT=C:\\STUB.TXT");
    box.Line("SET RC=7");
    box.Capture("QUORIX.EXE -x", "STUB");
    if (!box.MakeImage())
        GTEST_SKIP() << "no CD image: genisoimage could not make one";
    ASSERT_TRUE(box.Run()) << "DOSBox did not finish";
    auto report = box.Report("STUB.TXT");
    EXPECT_EQ(report["SELF"], "D:\\DOS4GW.EXE");
    EXPECT_EQ(FromHex(report["TAIL"]), std::string(CdGame) + "  -x");
    EXPECT_EQ(StubLines(box), std::vector<std::string>{Banner});
    EXPECT_EQ(box.ExitCode("STUB"), 7);
}
