// The labels of the main dialog in each edition and language, and the
// Multilingual edition's radio buttons, which switch the language at once.
#include "fixture.h"

using drv::ReadValue;
using drv::kSettingsKey;

namespace {

struct Labels {
    const wchar_t* directx;   // 100
    const wchar_t* sound;     // 200
    const wchar_t* speech;    // 201
    const wchar_t* cinematics;
    const wchar_t* actionPan;
    const wchar_t* fullScreen;
    const wchar_t* install;   // 205
};

const Labels kEnglish{L"Setup DirectX", L"Sound", L"Speech", L"Cinematics", L"Action Pan",
                      L"Full screen", L"Install files to disk"};
const Labels kDeutsch{L"Setup DirectX", L"Sound", L"Sprache", L"Filmszenen", L"Action-Schwenk",
                      L"Full screen", L"Dateien auf disk installieren"};
const Labels kEspanol{L"Configuraci\u00e0n DirectX", L"Sonido", L"Voces", L"Escenas animadas",
                      L"Panor\u00b5mica de la Acci\u00e0n", L"Full screen",
                      L"Instalar archivos en el disco"};
const Labels kFrancais{L"Installation DirectX", L"Sonore", L"Dialogue", L"Sequences Animees",
                       L"Panorama Action", L"Full screen",
                       L"Installer les fichiers sur le disque"};
const Labels kItaliano{L"Allestimento DirectX", L"Sonoro", L"Parlato", L"Sequenze Animate",
                       L"Panoramica", L"Full screen", L"Installa file sul disco"};
const Labels kNederlands{L"Setup DirectX", L"Geluid", L"Spraak", L"Filmpjes", L"Actie-Panning",
                         L"Full screen", L"Files naar schijf installeren"};

void ExpectLabels(const drv::Launcher& l, const Labels& want)
{
    EXPECT_EQ(l.Text(100), want.directx);
    EXPECT_EQ(l.Text(200), want.sound);
    EXPECT_EQ(l.Text(201), want.speech);
    EXPECT_EQ(l.Text(202), want.cinematics);
    EXPECT_EQ(l.Text(203), want.actionPan);
    EXPECT_EQ(l.Text(204), want.fullScreen);
    EXPECT_EQ(l.Text(205), want.install);
    EXPECT_EQ(l.Text(102), L"!! Quorix !!");
}

const int kRadios[] = {300, 302, 303, 304, 305};

// The language names stand on the radio buttons in every language, and
// exactly the button of `marked` carries the mark.
void ExpectRadios(const drv::Launcher& l, int marked)
{
    EXPECT_EQ(l.Item(301), nullptr);
    EXPECT_EQ(l.Text(300), L"English");
    EXPECT_EQ(l.Text(302), L"Espa\u00f1ol");
    EXPECT_EQ(l.Text(303), L"Fran\u00e7ais");
    EXPECT_EQ(l.Text(304), L"Italiano");
    EXPECT_EQ(l.Text(305), L"Nederlands");
    for (int id : kRadios)
        EXPECT_EQ(l.Check(id), id == marked ? BST_CHECKED : BST_UNCHECKED) << "radio " << id;
}

struct LabelCase {
    const char* name;
    const char* edition;
    long stored;          // LANGUAGE before the start, -1 for none
    const Labels* shown;
    int marked;           // radio button, 0 in the editions without them
    DWORD saved;          // LANGUAGE after the next save
};

const LabelCase kLabelCases[] = {
    {"GermanFresh", "german", -1, &kDeutsch, 0, 1},
    {"GermanStoredFrench", "german", 3, &kDeutsch, 0, 1},
    {"EnglishStoredFrench", "english", 3, &kEnglish, 0, 0},
    {"EnglishStoredDeutsch", "english", 1, &kEnglish, 0, 0},
    {"MultiFresh", "multilingual", -1, &kEnglish, 300, 0},
    {"MultiStoredDeutsch", "multilingual", 1, &kEnglish, 300, 0},
    {"MultiStoredItaliano", "multilingual", 4, &kItaliano, 304, 4},
    {"MultiStoredOutOfRange", "multilingual", 6, &kEnglish, 300, 0},
};

class EditionLabels : public DriverTest, public testing::WithParamInterface<LabelCase> {};

TEST_P(EditionLabels, ShownAtStartAndLanguageSavedMapped)
{
    const LabelCase& c = GetParam();
    if (c.stored >= 0)
        drv::WriteDword(HKEY_CURRENT_USER, kSettingsKey, "LANGUAGE",
                        static_cast<DWORD>(c.stored));
    drv::ScratchCd cd(drv::Join(scratch, "cd"), c.edition);
    ASSERT_TRUE(launcher.Open(cd.Path("QUORIX.EXE"), cd.root));

    ExpectLabels(launcher, *c.shown);
    if (c.marked) {
        ExpectRadios(launcher, c.marked);
    } else {
        for (int id = 300; id <= 305; ++id)
            EXPECT_EQ(launcher.Item(id), nullptr) << "control " << id;
    }

    ASSERT_TRUE(launcher.Click(203));
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kSettingsKey, "LANGUAGE").Dword(), c.saved);
}

INSTANTIATE_TEST_SUITE_P(, EditionLabels, testing::ValuesIn(kLabelCases),
                         [](const testing::TestParamInfo<LabelCase>& i) { return i.param.name; });

// One click per radio button, in an order that leaves every button once and
// comes back to an already marked one: labels, mark and LANGUAGE follow at once.
TEST_F(DriverTest, MultilingualRadioButtonsSwitchLanguageAtOnce)
{
    drv::ScratchCd cd(drv::Join(scratch, "cd"), "multilingual");
    ASSERT_TRUE(launcher.Open(cd.Path("QUORIX.EXE"), cd.root));

    const struct {
        int radio;
        const Labels* shown;
        DWORD language;
    } steps[] = {
        {302, &kEspanol, 2}, {303, &kFrancais, 3}, {304, &kItaliano, 4},
        {305, &kNederlands, 5}, {300, &kEnglish, 0}, {305, &kNederlands, 5},
        {305, &kNederlands, 5},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(testing::Message() << "radio " << s.radio);
        // Removed before each click, so the value seen is this click's save.
        drv::DeleteKey(HKEY_CURRENT_USER, kSettingsKey);
        ASSERT_TRUE(launcher.Click(s.radio));
        ExpectLabels(launcher, *s.shown);
        ExpectRadios(launcher, s.radio);
        drv::Value language = ReadValue(HKEY_CURRENT_USER, kSettingsKey, "LANGUAGE");
        EXPECT_TRUE(language.present);
        EXPECT_EQ(language.Dword(), s.language);
    }
}

} // namespace
