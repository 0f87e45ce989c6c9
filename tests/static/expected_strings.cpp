#include "expected_strings.h"

#include <set>

#include "printable.h"

const std::vector<ExpectedStringRow>& ExpectedStrings()
{
    // Columns: English, Deutsch, Espanol, Francais, Italiano, Nederlands. The
    // non-ASCII characters are written as escapes so that no editor or code
    // page can change them; they are what the game's texts hold, odd as some
    // look.
    static const std::vector<ExpectedStringRow> rows = {
        {600, {u"English", u"Deutsch", u"Espa\u00f1ol", u"Fran\u00e7ais", u"Italiano", u"Nederlands"}},
        {610, {u"Sound", u"Sound", u"Sonido", u"Sonore", u"Sonoro", u"Geluid"}},
        {620, {u"Speech", u"Sprache", u"Voces", u"Dialogue", u"Parlato", u"Spraak"}},
        {630,
         {u"Cinematics", u"Filmszenen", u"Escenas animadas", u"Sequences Animees", u"Sequenze Animate", u"Filmpjes"}},
        {640,
         {u"Action Pan",
          u"Action-Schwenk",
          u"Panor\u00b5mica de la Acci\u00e0n",
          u"Panorama Action",
          u"Panoramica",
          u"Actie-Panning"}},
        {650, {u"Full screen", u"Full screen", u"Full screen", u"Full screen", u"Full screen", u"Full screen"}},
        {660,
         {u"Setup DirectX",
          u"Setup DirectX",
          u"Configuraci\u00e0n DirectX",
          u"Installation DirectX",
          u"Allestimento DirectX",
          u"Setup DirectX"}},
        {670,
         {u"Install files to disk",
          u"Dateien auf disk installieren",
          u"Instalar archivos en el disco",
          u"Installer les fichiers sur le disque",
          u"Installa file sul disco",
          u"Files naar schijf installeren"}},
        // The level texts: name, blanks to 13 characters, size.
        {680,
         {u"Minimal      (45.5Mb)",
          u"GMinimal      (45.5Mb)",
          u"SMinimal      (45.5Mb)",
          u"FMinimal      (45.5Mb)",
          u"IMinimal      (45.5Mb)",
          u"DMinimal      (45.5Mb)"}},
        {690,
         {u"Standard       (71Mb)",
          u"GStandard       (71Mb)",
          u"SStandard       (71Mb)",
          u"FStandard       (71Mb)",
          u"IStandard       (71Mb)",
          u"DStandard       (71Mb)"}},
        {700,
         {u"Full          (122Mb)",
          u"GFull          (122Mb)",
          u"SFull          (122Mb)",
          u"FFull          (122Mb)",
          u"IFull          (122Mb)",
          u"DFull          (122Mb)"}},
        {710,
         {u"Free space on drive",
          u"GFree space on drive",
          u"SFree space on drive",
          u"FFree space on drive",
          u"IFree space on drive",
          u"DFree space on drive"}},
        {720, {u"Copying", u"GCopying", u"SCopying", u"FCopying", u"ICopying", u"DCopying"}},
        {730, {u"to", u"Gto", u"Sto", u"Fto", u"Ito", u"Dto"}},
    };
    return rows;
}

std::vector<std::string> CompareStrings(const std::map<int, std::u16string>& actual,
                                        const std::vector<ExpectedStringRow>& expected)
{
    static const char* const languages[6] = {"English", "Deutsch", "Espanol", "Francais", "Italiano", "Nederlands"};
    std::vector<std::string> out;
    std::set<int> known;
    for (const ExpectedStringRow& row : expected) {
        for (int i = 0; i < 6; i++) {
            int id = row.base + i;
            known.insert(id);
            std::string where =
                "string " + std::to_string(id) + " (row " + std::to_string(row.base) + ", " + languages[i] + ")";
            auto found = actual.find(id);
            if (found == actual.end())
                out.push_back(where + ": missing, \"" + Printable(row.texts[i]) + "\" expected");
            else if (found->second != row.texts[i])
                out.push_back(where + ": \"" + Printable(row.texts[i]) + "\" expected, \"" + Printable(found->second) +
                              "\" found");
        }
    }
    for (const auto& entry : actual)
        if (known.count(entry.first) == 0)
            out.push_back("string " + std::to_string(entry.first) + ": not expected, \"" + Printable(entry.second) +
                          "\" found");
    return out;
}
