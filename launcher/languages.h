// The languages of the string table and the edition's choice among them.
#pragma once
#include <windows.h>

// A text's string id is its row's base id plus one of these.
enum LanguageIndex {
    LanguageEnglish = 0,
    LanguageDeutsch = 1,
    LanguageEspanol = 2,
    LanguageFrancais = 3,
    LanguageItaliano = 4,
    LanguageNederlands = 5,
};

// Every string-table text fits this, terminator included.
constexpr int TextCapacity = 80;

// The language of every text outside the main dialog; the main dialog sets it.
extern int CurrentLanguage;

// Loads one text into the one shared buffer and returns that buffer: the next
// call overwrites it, so copy a text before loading another.
const char* LoadText(int id);

// Labels the main dialog's controls in the language.
void ApplyLanguageLabels(HWND window, int language);

// The edition's restriction of a language: German always Deutsch, English
// always English, Multilingual anything but Deutsch (which becomes English).
int MapLanguage(int index);
