// The labels of the main dialog in each edition and language, and the
// Multilingual edition's radio buttons, which switch the language at once.
#include "fixture.h"

using drv::ReadValue;
using drv::SettingsKey;

namespace {

struct Labels {
    const wchar_t* directx;
    const wchar_t* sound;
    const wchar_t* speech;
    const wchar_t* cinematics;
    const wchar_t* actionPan;
    const wchar_t* fullScreen;
    const wchar_t* install;
};

} // namespace

const Labels English{
    L"Setup DirectX", L"Sound", L"Speech", L"Cinematics", L"Action Pan", L"Full screen", L"Install files to disk"};
const Labels Deutsch{L"Setup DirectX",
                     L"Sound",
                     L"Sprache",
                     L"Filmszenen",
                     L"Action-Schwenk",
                     L"Full screen",
                     L"Dateien auf disk installieren"};
const Labels Espanol{L"Configuraci\u00e0n DirectX",
                     L"Sonido",
                     L"Voces",
                     L"Escenas animadas",
                     L"Panor\u00b5mica de la Acci\u00e0n",
                     L"Full screen",
                     L"Instalar archivos en el disco"};
const Labels Francais{L"Installation DirectX",
                      L"Sonore",
                      L"Dialogue",
                      L"Sequences Animees",
                      L"Panorama Action",
                      L"Full screen",
                      L"Installer les fichiers sur le disque"};
const Labels Italiano{L"Allestimento DirectX",
                      L"Sonoro",
                      L"Parlato",
                      L"Sequenze Animate",
                      L"Panoramica",
                      L"Full screen",
                      L"Installa file sul disco"};
const Labels Nederlands{L"Setup DirectX",
                        L"Geluid",
                        L"Spraak",
                        L"Filmpjes",
                        L"Actie-Panning",
                        L"Full screen",
                        L"Files naar schijf installeren"};

static void ExpectLabels(const drv::Launcher& l, const Labels& want)
{
    EXPECT_EQ(l.Text(drv::MainSetupDirectX), want.directx);
    EXPECT_EQ(l.Text(drv::MainSound), want.sound);
    EXPECT_EQ(l.Text(drv::MainSpeech), want.speech);
    EXPECT_EQ(l.Text(drv::MainCinematics), want.cinematics);
    EXPECT_EQ(l.Text(drv::MainActionPan), want.actionPan);
    EXPECT_EQ(l.Text(drv::MainFullScreen), want.fullScreen);
    EXPECT_EQ(l.Text(drv::MainInstall), want.install);
    EXPECT_EQ(l.Text(drv::MainPlay), L"!! Quorix !!");
}

const int Radios[] = {drv::MainEnglishRadio,
                      drv::MainEspanolRadio,
                      drv::MainFrancaisRadio,
                      drv::MainItalianoRadio,
                      drv::MainNederlandsRadio};

// The language names stand on the radio buttons in every language, and
// exactly the button of `marked` carries the mark.
static void ExpectRadios(const drv::Launcher& l, int marked)
{
    EXPECT_EQ(l.Item(drv::MainDeutschRadio), nullptr);
    EXPECT_EQ(l.Text(drv::MainEnglishRadio), L"English");
    EXPECT_EQ(l.Text(drv::MainEspanolRadio), L"Espa\u00f1ol");
    EXPECT_EQ(l.Text(drv::MainFrancaisRadio), L"Fran\u00e7ais");
    EXPECT_EQ(l.Text(drv::MainItalianoRadio), L"Italiano");
    EXPECT_EQ(l.Text(drv::MainNederlandsRadio), L"Nederlands");
    for (int id : Radios)
        EXPECT_EQ(l.Check(id), id == marked ? BST_CHECKED : BST_UNCHECKED) << "radio " << id;
}

namespace {

struct LabelCase {
    const char* name;
    const char* edition;
    long stored; // LANGUAGE before the start, -1 for none
    const Labels* shown;
    int marked;  // radio button, 0 in the editions without them
    DWORD saved; // LANGUAGE after the next save
};

} // namespace

const LabelCase LabelCases[] = {
    {"GermanFresh", "german", -1, &Deutsch, 0, 1},
    {"GermanStoredFrench", "german", 3, &Deutsch, 0, 1},
    {"EnglishStoredFrench", "english", 3, &English, 0, 0},
    {"EnglishStoredDeutsch", "english", 1, &English, 0, 0},
    {"MultiFresh", "multilingual", -1, &English, drv::MainEnglishRadio, 0},
    {"MultiStoredDeutsch", "multilingual", 1, &English, drv::MainEnglishRadio, 0},
    {"MultiStoredItaliano", "multilingual", 4, &Italiano, drv::MainItalianoRadio, 4},
    {"MultiStoredOutOfRange", "multilingual", 6, &English, drv::MainEnglishRadio, 0},
};

namespace {

class EditionLabels : public DriverTest, public testing::WithParamInterface<LabelCase> {};

} // namespace

TEST_P(EditionLabels, ShownAtStartAndLanguageSavedMapped)
{
    const LabelCase& c = GetParam();
    if (c.stored >= 0)
        drv::WriteDword(HKEY_CURRENT_USER, SettingsKey, "LANGUAGE", static_cast<DWORD>(c.stored));
    drv::ScratchCd cd(drv::Join(scratch, "cd"), c.edition);
    ASSERT_TRUE(launcher.Open(cd.Path("QUORIX.EXE"), cd.root));

    ExpectLabels(launcher, *c.shown);
    if (c.marked) {
        ExpectRadios(launcher, c.marked);
    } else {
        for (int id = drv::MainEnglishRadio; id <= drv::MainNederlandsRadio; ++id)
            EXPECT_EQ(launcher.Item(id), nullptr) << "control " << id;
    }

    ASSERT_TRUE(launcher.Click(drv::MainActionPan));
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, SettingsKey, "LANGUAGE").Dword(), c.saved);
}

INSTANTIATE_TEST_SUITE_P(, EditionLabels, testing::ValuesIn(LabelCases), CaseName());

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
        {drv::MainEspanolRadio, &Espanol, 2},
        {drv::MainFrancaisRadio, &Francais, 3},
        {drv::MainItalianoRadio, &Italiano, 4},
        {drv::MainNederlandsRadio, &Nederlands, 5},
        {drv::MainEnglishRadio, &English, 0},
        {drv::MainNederlandsRadio, &Nederlands, 5},
        {drv::MainNederlandsRadio, &Nederlands, 5},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(testing::Message() << "radio " << s.radio);
        // Removed before each click, so the value seen is this click's save.
        drv::DeleteKey(HKEY_CURRENT_USER, SettingsKey);
        ASSERT_TRUE(launcher.Click(s.radio));
        ExpectLabels(launcher, *s.shown);
        ExpectRadios(launcher, s.radio);
        drv::Value language = ReadValue(HKEY_CURRENT_USER, SettingsKey, "LANGUAGE");
        EXPECT_TRUE(language.present);
        EXPECT_EQ(language.Dword(), s.language);
    }
}
