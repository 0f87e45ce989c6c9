// The reader and the comparisons, on a small program of known content and on
// pictures and icons made here: each check must see the faults planted.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "background_check.h"
#include "check_lines.h"
#include "dialog_template.h"
#include "expected_dialogs.h"
#include "expected_strings.h"
#include "icon_check.h"
#include "pe_imports.h"
#include "pe_resources.h"
#include "string_table.h"
#include "win95_functions.h"

namespace {

class Fixture : public testing::Test {
protected:
    void SetUp() override
    {
        Load(FIXTURE_EXE);
    }

    void Load(const char* path)
    {
        std::string error;
        ASSERT_TRUE(LoadPeImage(path, image_, error)) << error;
        ASSERT_TRUE(ReadResources(image_, resources_, error)) << error;
    }

    // What the import check says of the loaded program.
    void ReadImportProblems(std::vector<std::string>& problems)
    {
        std::vector<ImportedDll> imports;
        std::string error;
        ASSERT_TRUE(ReadImports(image_, imports, error)) << error;
        problems = CheckImports(imports, Windows95Functions());
    }

    const Bytes& Dialog(const std::u16string& name)
    {
        auto found = FindResources(resources_, ResourceId(RtDialog), ResourceString(name));
        EXPECT_EQ(found.size(), 1u);
        static const Bytes none;
        return found.empty() ? none : found[0]->data;
    }

    PeImage image_;
    std::vector<ResourceEntry> resources_;
};

} // namespace

static bool Contains(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST_F(Fixture, Headers)
{
    EXPECT_EQ(image_.machine, 0x014C);
    EXPECT_EQ(image_.optionalMagic, 0x10B);
    EXPECT_EQ(image_.subsystem, 2);
    EXPECT_EQ(image_.majorSubsystemVersion, 4);
    EXPECT_EQ(image_.timeDateStamp, 0u);
}

TEST_F(Fixture, ImportsOutsideWindows95AreNamed)
{
    std::vector<std::string> problems;
    ASSERT_NO_FATAL_FAILURE(ReadImportProblems(problems));
    EXPECT_TRUE(Contains(problems,
                         "KERNEL32.dll!GetDiskFreeSpaceExA: not on the list of Windows 95 functions of "
                         "KERNEL32.DLL"))
        << Lines(problems);
    EXPECT_TRUE(Contains(problems, "imports from msvcrt.dll, which is not one of the system's four DLLs"))
        << Lines(problems);
    EXPECT_TRUE(Contains(problems, "GDI32.DLL named 0 times in the import table, once expected")) << Lines(problems);
    // MessageBoxA is a Windows 95 function, and KERNEL32 and USER32 are named once.
    EXPECT_EQ(problems.size(), 4u) << Lines(problems);
}

TEST_F(Fixture, DialogDifferencesNameControlAndField)
{
    DialogTemplate dialog;
    std::string error;
    ASSERT_TRUE(ParseDialogTemplate(Dialog(u"MAINDLG"), dialog, error)) << error;
    std::vector<std::string> differences = CompareDialog(dialog, ExpectedMainDialog(false));
    std::vector<std::string> planted = {
        "MAINDLG control 3 (id 202): text \"Cinematices\" expected, \"Cinematics\" found",
        "MAINDLG control 8 (id 102): position and size (164, 186) 124 x 16 expected, (164, 186) 124 x 15 found",
    };
    EXPECT_EQ(differences, planted) << Lines(differences);

    // Against the Multilingual form the radio buttons are missing.
    differences = CompareDialog(dialog, ExpectedMainDialog(true));
    EXPECT_TRUE(Contains(differences, "MAINDLG: control count 13 expected, 8 found")) << Lines(differences);
    EXPECT_TRUE(Contains(differences, "MAINDLG control 13 (id 102): missing")) << Lines(differences);
}

TEST_F(Fixture, Pe32PlusRead)
{
    Load(FIXTURE_EXE_64);
    EXPECT_EQ(image_.machine, 0x8664);
    EXPECT_TRUE(image_.IsPe32Plus());
    EXPECT_EQ(image_.subsystem, 2);
    std::vector<std::string> problems;
    ASSERT_NO_FATAL_FAILURE(ReadImportProblems(problems));
    EXPECT_TRUE(Contains(problems,
                         "KERNEL32.dll!GetDiskFreeSpaceExA: not on the list of Windows 95 functions of "
                         "KERNEL32.DLL"))
        << Lines(problems);
    DialogTemplate dialog;
    std::string error;
    ASSERT_TRUE(ParseDialogTemplate(Dialog(u"PROGRESSDLG"), dialog, error)) << error;
    EXPECT_TRUE(CompareDialog(dialog, ExpectedProgressDialog()).empty());
}

TEST_F(Fixture, DialogReadWholeWithStaticClass)
{
    DialogTemplate dialog;
    std::string error;
    ASSERT_TRUE(ParseDialogTemplate(Dialog(u"PROGRESSDLG"), dialog, error)) << error;
    std::vector<std::string> differences = CompareDialog(dialog, ExpectedProgressDialog());
    EXPECT_TRUE(differences.empty()) << Lines(differences);
    ASSERT_EQ(dialog.controls.size(), 2u);
    EXPECT_EQ(dialog.controls[0].windowClass, OrdinalField(0x0082));
}

TEST_F(Fixture, ExtendedDialogRefused)
{
    DialogTemplate dialog;
    std::string error;
    EXPECT_FALSE(ParseDialogTemplate(Dialog(u"INSTALLDLG"), dialog, error));
    EXPECT_NE(error.find("DLGTEMPLATEEX"), std::string::npos) << error;
}

TEST_F(Fixture, TruncatedDialogRefused)
{
    Bytes data = Dialog(u"PROGRESSDLG");
    data.resize(data.size() - 10);
    DialogTemplate dialog;
    std::string error;
    EXPECT_FALSE(ParseDialogTemplate(data, dialog, error));
}

TEST_F(Fixture, StringsDecodedAndCompared)
{
    std::map<int, std::u16string> strings;
    std::string error;
    ASSERT_TRUE(ReadStringTable(resources_, strings, error)) << error;
    std::map<int, std::u16string> stored = {
        {600, u"English"}, {602, u"Espa\u00f1ol"}, {606, u"stray"}, {642, u"Panor\u00b5mica de la Acci\u00e0n"}};
    EXPECT_EQ(strings, stored);

    std::vector<std::string> differences = CompareStrings(strings, ExpectedStrings());
    EXPECT_TRUE(Contains(differences, "string 606: not expected, \"stray\" found")) << Lines(differences);
    EXPECT_TRUE(Contains(differences, "string 601 (row 600, Deutsch): missing, \"Deutsch\" expected"));
    for (const std::string& line : differences)
        for (const char* right : {"string 600 ", "string 602 ", "string 642 "})
            EXPECT_EQ(line.find(right), std::string::npos) << line;

    strings[603] = u"Francais";
    differences = CompareStrings(strings, ExpectedStrings());
    EXPECT_TRUE(
        Contains(differences, "string 603 (row 600, Francais): \"Fran<U+00E7>ais\" expected, \"Francais\" found"));
}

// The list itself: every function the program is meant to call is on it, and
// none of those that came after the first Windows 95 release.
TEST(Windows95List, HoldsTheProgramsFunctionsAndNoLaterOnes)
{
    struct Function {
        const char* dll;
        const char* name;
    };
    const Function used[] = {
        {"KERNEL32.DLL", "CreateDirectoryA"},
        {"KERNEL32.DLL", "CreateProcessA"},
        {"KERNEL32.DLL", "CreateThread"},
        {"KERNEL32.DLL", "DeleteFileA"},
        {"KERNEL32.DLL", "ExitProcess"},
        {"KERNEL32.DLL", "FindFirstFileA"},
        {"KERNEL32.DLL", "FindNextFileA"},
        {"KERNEL32.DLL", "FindClose"},
        {"KERNEL32.DLL", "GetCommandLineA"},
        {"KERNEL32.DLL", "GetCurrentDirectoryA"},
        {"KERNEL32.DLL", "GetDiskFreeSpaceA"},
        {"KERNEL32.DLL", "GetExitCodeProcess"},
        {"KERNEL32.DLL", "GetModuleHandleA"},
        {"KERNEL32.DLL", "GetVersionExA"},
        {"KERNEL32.DLL", "RemoveDirectoryA"},
        {"KERNEL32.DLL", "TerminateThread"},
        {"KERNEL32.DLL", "CreateFileA"},
        {"KERNEL32.DLL", "ReadFile"},
        {"KERNEL32.DLL", "WriteFile"},
        {"KERNEL32.DLL", "CloseHandle"},
        {"USER32.DLL", "BeginPaint"},
        {"USER32.DLL", "CheckDlgButton"},
        {"USER32.DLL", "CheckRadioButton"},
        {"USER32.DLL", "DialogBoxParamA"},
        {"USER32.DLL", "EnableWindow"},
        {"USER32.DLL", "EndDialog"},
        {"USER32.DLL", "EndPaint"},
        {"USER32.DLL", "GetClientRect"},
        {"USER32.DLL", "GetDC"},
        {"USER32.DLL", "GetDlgItem"},
        {"USER32.DLL", "GetSystemMetrics"},
        {"USER32.DLL", "LoadBitmapA"},
        {"USER32.DLL", "LoadStringA"},
        {"USER32.DLL", "MessageBoxA"},
        {"USER32.DLL", "ReleaseDC"},
        {"USER32.DLL", "SendMessageA"},
        {"USER32.DLL", "SetDlgItemTextA"},
        {"USER32.DLL", "SetWindowPos"},
        {"USER32.DLL", "SetWindowTextA"},
        {"USER32.DLL", "wsprintfA"},
        {"GDI32.DLL", "BitBlt"},
        {"GDI32.DLL", "CreateCompatibleDC"},
        {"GDI32.DLL", "CreatePen"},
        {"GDI32.DLL", "DeleteDC"},
        {"GDI32.DLL", "DeleteObject"},
        {"GDI32.DLL", "LineTo"},
        {"GDI32.DLL", "MoveToEx"},
        {"GDI32.DLL", "SelectObject"},
        {"GDI32.DLL", "SetTextAlign"},
        {"GDI32.DLL", "TextOutA"},
        {"ADVAPI32.DLL", "RegCloseKey"},
        {"ADVAPI32.DLL", "RegCreateKeyExA"},
        {"ADVAPI32.DLL", "RegDeleteKeyA"},
        {"ADVAPI32.DLL", "RegEnumKeyExA"},
        {"ADVAPI32.DLL", "RegOpenKeyExA"},
        {"ADVAPI32.DLL", "RegQueryValueExA"},
        {"ADVAPI32.DLL", "RegSetValueExA"},
    };
    const Function later[] = {
        {"KERNEL32.DLL", "GetDiskFreeSpaceExA"},
        {"KERNEL32.DLL", "GetFileSizeEx"},
        {"KERNEL32.DLL", "SetFilePointerEx"},
        {"KERNEL32.DLL", "GetFileAttributesExA"},
        {"KERNEL32.DLL", "InterlockedCompareExchange"},
        {"KERNEL32.DLL", "IsDebuggerPresent"},
        {"KERNEL32.DLL", "GetLongPathNameA"},
        {"USER32.DLL", "TrackMouseEvent"},
    };
    auto listed = [](const Function& f) {
        for (const SystemDll& dll : Windows95Functions())
            if (std::string(dll.name) == f.dll)
                return std::find(dll.functions.begin(), dll.functions.end(), f.name) != dll.functions.end();
        return false;
    };
    for (const Function& f : used)
        EXPECT_TRUE(listed(f)) << f.dll << "!" << f.name;
    for (const Function& f : later)
        EXPECT_FALSE(listed(f)) << f.dll << "!" << f.name;
}

// A picture as the Multilingual edition's must be: yellow, a white edge, two
// panels with black borders.
static Dib MakeBackground(bool twoPanels)
{
    Dib dib;
    dib.headerSize = 40;
    dib.width = BackgroundWidth;
    dib.height = BackgroundHeight;
    dib.planes = 1;
    dib.bitCount = 8;
    dib.sizeImage = 203308;
    dib.colorsUsed = 256;
    dib.colorsImportant = 256;
    dib.palette.assign(256, 0x000000);
    dib.palette[1] = 0xFFFFFF;
    dib.palette[2] = 0xFFFF00;
    dib.palette[3] = 0x808080; // in the palette, but on no pixel
    dib.dataSize = 40 + 1024 + 203308;
    dib.pixels.assign(203308, 2);
    auto fill = [&dib](int x0, int y0, int x1, int y1, std::uint8_t index) {
        for (int y = y0; y <= y1; y++)
            for (int x = x0; x <= x1; x++)
                dib.pixels[static_cast<std::size_t>(BackgroundHeight - 1 - y) * BackgroundWidth + x] = index;
    };
    fill(0, 0, 547, 370, 1);
    fill(1, 1, 546, 369, 2);
    fill(289, 150, 502, 240, 0);
    fill(290, 151, 501, 239, 1);
    if (twoPanels) {
        fill(289, 46, 502, 150, 0);
        fill(290, 47, 501, 149, 1);
    }
    return dib;
}

static void SetPixel(Dib& dib, int x, int y, std::uint8_t index)
{
    dib.pixels[static_cast<std::size_t>(BackgroundHeight - 1 - y) * BackgroundWidth + x] = index;
}

TEST(BackgroundCheck, CorrectPicturesPass)
{
    EXPECT_TRUE(CheckBackground(MakeBackground(true), true).empty())
        << Lines(CheckBackground(MakeBackground(true), true));
    EXPECT_TRUE(CheckBackground(MakeBackground(false), false).empty())
        << Lines(CheckBackground(MakeBackground(false), false));
}

TEST(BackgroundCheck, PlantedFaultsReported)
{
    struct Case {
        const char* what;
        bool twoPanels;
        int x, y;
        std::uint8_t index;
        const char* report; // the start of the line that must appear
    };
    const Case cases[] = {
        {"gap in the lower border", true, 400, 240, 1, "panel bottom border from (289, 240) to (502, 240)"},
        {"gap in the shared border", true, 289, 150, 1, "panel top border"},
        {"gap in the upper panel's top", true, 502, 46, 2, "upper panel top border"},
        {"border column moved", false, 289, 200, 1, "panel left border"},
        {"dirt inside the panel", false, 300, 160, 0, "panel inside"},
        {"dirt on the edge", false, 547, 100, 2, "right edge"},
        {"a fourth colour", false, 10, 10, 3, "1 pixels of colours other than yellow, black and white"},
    };
    for (const Case& c : cases) {
        Dib dib = MakeBackground(c.twoPanels);
        SetPixel(dib, c.x, c.y, c.index);
        std::vector<std::string> report = CheckBackground(dib, c.twoPanels);
        bool found = std::any_of(
            report.begin(), report.end(), [&c](const std::string& line) { return line.rfind(c.report, 0) == 0; });
        EXPECT_TRUE(found) << c.what << Lines(report);
    }
    // The single-panel check on the two-panel picture, and the other way round.
    EXPECT_FALSE(CheckBackground(MakeBackground(true), false).empty());
    EXPECT_FALSE(CheckBackground(MakeBackground(false), true).empty());
}

TEST(BackgroundCheck, WrongFormatReportedBeforePixels)
{
    Dib dib = MakeBackground(false);
    dib.height = -BackgroundHeight; // top-down
    dib.colorsUsed = 16;
    std::vector<std::string> report = CheckBackground(dib, false);
    EXPECT_TRUE(Contains(report, "height (positive: bottom-up) 371 expected, -371 found")) << Lines(report);
    EXPECT_TRUE(Contains(report, "colours used 256 expected, 16 found")) << Lines(report);
}

// An icon group entry and its 4-bit image, of the given size.
static std::vector<ResourceEntry> MakeIcons(std::uint32_t bytes32)
{
    auto group = [](std::uint8_t size, std::uint32_t bytes, std::uint16_t image) {
        Bytes d = {0, 0, 1, 0, 1, 0, size, size, 16, 0, 1, 0, 4, 0};
        for (int i = 0; i < 4; i++)
            d.push_back(static_cast<std::uint8_t>(bytes >> (8 * i)));
        d.push_back(static_cast<std::uint8_t>(image));
        d.push_back(0);
        return d;
    };
    auto image = [](std::uint8_t size, std::uint32_t bytes) {
        Bytes d(bytes, 0);
        d[0] = 40;
        d[4] = size;
        d[8] = static_cast<std::uint8_t>(2 * size);
        d[12] = 1;
        d[14] = 4;
        return d;
    };
    std::vector<ResourceEntry> entries(4);
    entries[0] = {ResourceId(RtGroupIcon), ResourceId(501), 0, group(32, bytes32, 1)};
    entries[1] = {ResourceId(RtGroupIcon), ResourceId(502), 0, group(16, 296, 2)};
    entries[2] = {ResourceId(RtIcon), ResourceId(1), 0, image(32, bytes32)};
    entries[3] = {ResourceId(RtIcon), ResourceId(2), 0, image(16, 296)};
    return entries;
}

TEST(IconCheck, SizesChecked)
{
    EXPECT_TRUE(CheckIcons(MakeIcons(744)).empty()) << Lines(CheckIcons(MakeIcons(744)));
    std::vector<std::string> report = CheckIcons(MakeIcons(766));
    EXPECT_TRUE(Contains(report, "icon group 501: bytes of the image 744 expected, 766 found")) << Lines(report);
    EXPECT_TRUE(Contains(report, "icon image 1: size in bytes 744 expected, 766 found")) << Lines(report);
}
