// The shipped 32-bit executables, read back from the built files: headers,
// imports and resources of each edition.
#include <gtest/gtest.h>

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

class ShippedExecutable : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        path_ = std::string(QUORIX_WIN32_DIR) + "/" + GetParam() + "/QUORIX.EXE";
        std::string error;
        ASSERT_TRUE(LoadPeImage(path_, image_, error)) << error;
    }

    bool Multilingual() const
    {
        return std::string(GetParam()) == "multilingual";
    }

    // The resources, or a failure and false.
    bool Resources(std::vector<ResourceEntry>& resources)
    {
        std::string error;
        bool ok = ReadResources(image_, resources, error);
        EXPECT_TRUE(ok) << path_ << ": " << error;
        return ok;
    }

    void ExpectDialog(const ExpectedDialog& expected)
    {
        std::vector<ResourceEntry> resources;
        if (!Resources(resources))
            return;
        auto found = FindResources(resources, ResourceId(RtDialog), ResourceString(expected.resourceName));
        ASSERT_EQ(found.size(), 1u) << "dialog " << Printable(expected.resourceName) << " stored " << found.size()
                                    << " times, once expected";
        DialogTemplate dialog;
        std::string error;
        ASSERT_TRUE(ParseDialogTemplate(found[0]->data, dialog, error))
            << Printable(expected.resourceName) << ": " << error;
        std::vector<std::string> differences = CompareDialog(dialog, expected);
        EXPECT_TRUE(differences.empty()) << path_ << Lines(differences);
    }

    std::string path_;
    PeImage image_;
};

} // namespace

TEST_P(ShippedExecutable, HeadersForWindows95Gui)
{
    EXPECT_EQ(image_.machine, 0x014C) << "machine i386";
    EXPECT_EQ(image_.optionalMagic, 0x10B) << "PE32";
    EXPECT_EQ(image_.subsystem, 2) << "subsystem Windows GUI";
    EXPECT_EQ(image_.majorSubsystemVersion, 4);
    EXPECT_EQ(image_.minorSubsystemVersion, 0);
    EXPECT_EQ(image_.majorOsVersion, 4);
    EXPECT_EQ(image_.minorOsVersion, 0);
    EXPECT_EQ(image_.timeDateStamp, 0u) << "a time stamp makes every build's bytes differ";
}

TEST_P(ShippedExecutable, ImportsOnlyWindows95SystemFunctions)
{
    std::vector<ImportedDll> imports;
    std::string error;
    ASSERT_TRUE(ReadImports(image_, imports, error)) << error;
    std::vector<std::string> problems = CheckImports(imports, Windows95Functions());
    EXPECT_TRUE(problems.empty()) << path_ << Lines(problems);
}

TEST_P(ShippedExecutable, MainDialog)
{
    ExpectDialog(ExpectedMainDialog(Multilingual()));
}

TEST_P(ShippedExecutable, InstallDialog)
{
    ExpectDialog(ExpectedInstallDialog());
}

TEST_P(ShippedExecutable, ProgressDialog)
{
    ExpectDialog(ExpectedProgressDialog());
}

TEST_P(ShippedExecutable, NoOtherDialogs)
{
    std::vector<ResourceEntry> resources;
    if (!Resources(resources))
        return;
    for (const ResourceEntry* d : FindResources(resources, ResourceId(RtDialog))) {
        bool known = d->name == ResourceString(u"MAINDLG") || d->name == ResourceString(u"INSTALLDLG") ||
                     d->name == ResourceString(u"PROGRESSDLG");
        EXPECT_TRUE(known) << "dialog " << Describe(d->name) << " not expected";
    }
}

TEST_P(ShippedExecutable, StringTable)
{
    std::vector<ResourceEntry> resources;
    if (!Resources(resources))
        return;
    std::map<int, std::u16string> strings;
    std::string error;
    ASSERT_TRUE(ReadStringTable(resources, strings, error)) << error;
    std::vector<std::string> differences = CompareStrings(strings, ExpectedStrings());
    EXPECT_TRUE(differences.empty()) << path_ << Lines(differences);
}

TEST_P(ShippedExecutable, BackgroundBitmap)
{
    std::vector<ResourceEntry> resources;
    if (!Resources(resources))
        return;
    auto found = FindResources(resources, ResourceId(RtBitmap), ResourceId(500));
    ASSERT_EQ(found.size(), 1u) << "bitmap 500 stored " << found.size() << " times, once expected";
    Dib dib;
    std::string error;
    ASSERT_TRUE(ParseDib(found[0]->data, dib, error)) << error;
    std::vector<std::string> differences = CheckBackground(dib, Multilingual());
    EXPECT_TRUE(differences.empty()) << path_ << Lines(differences);
}

TEST_P(ShippedExecutable, Icons)
{
    std::vector<ResourceEntry> resources;
    if (!Resources(resources))
        return;
    std::vector<std::string> differences = CheckIcons(resources);
    EXPECT_TRUE(differences.empty()) << path_ << Lines(differences);
}

INSTANTIATE_TEST_SUITE_P(Editions, ShippedExecutable, testing::Values("german", "english", "multilingual"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

// The data of one resource in one edition; empty when it is missing.
static Bytes ResourceData(const char* edition, std::uint16_t type, std::uint16_t id)
{
    PeImage image;
    std::vector<ResourceEntry> resources;
    std::string error;
    if (!LoadPeImage(std::string(QUORIX_WIN32_DIR) + "/" + edition + "/QUORIX.EXE", image, error) ||
        !ReadResources(image, resources, error))
        return Bytes();
    auto found = FindResources(resources, ResourceId(type), ResourceId(id));
    return found.size() == 1 ? found[0]->data : Bytes();
}

// The editions differ only where they must: the icons are the same in all
// three, and the German and English editions share one picture.
TEST(ShippedEditions, ShareIconsAndPicture)
{
    for (std::uint16_t image : {1, 2}) {
        Bytes german = ResourceData("german", RtIcon, image);
        ASSERT_FALSE(german.empty()) << "icon image " << image << " missing in the German edition";
        EXPECT_EQ(german, ResourceData("english", RtIcon, image)) << "icon image " << image << ", English";
        EXPECT_EQ(german, ResourceData("multilingual", RtIcon, image)) << "icon image " << image << ", Multilingual";
    }
    Bytes german = ResourceData("german", RtBitmap, 500);
    ASSERT_FALSE(german.empty()) << "bitmap 500 missing in the German edition";
    EXPECT_EQ(german, ResourceData("english", RtBitmap, 500)) << "bitmap 500 of the English edition";
}
