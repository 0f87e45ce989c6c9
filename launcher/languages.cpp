#include "launcher/languages.h"

#include "launcher/app.h"
#include "launcher/edition.h"
#include "resources/ids.h"

int CurrentLanguage;

static char TextBuffer[TextCapacity];
static char LabelBuffer[TextCapacity];

const char* LoadText(int id)
{
    LoadStringA(AppInstance, id, TextBuffer, TextCapacity);
    return TextBuffer;
}

static void SetLabel(HWND window, int control, int text)
{
    LoadStringA(AppInstance, text, LabelBuffer, TextCapacity);
    SetDlgItemTextA(window, control, LabelBuffer);
}

void ApplyLanguageLabels(HWND window, int language)
{
    // The language buttons name each language in its own tongue. Controls the
    // edition's template lacks (Deutsch, or all of them) ignore the call.
    for (int i = 0; i < 6; i++)
        SetLabel(window, IDC_LANGUAGE_FIRST + i, IDS_LANGUAGE_NAMES + i);
    SetLabel(window, IDC_SETUP_DIRECTX, IDS_SETUP_DIRECTX + language);
    for (int i = 0; i < 5; i++)
        SetLabel(window, IDC_SOUND + i, IDS_SOUND + 10 * i + language);
    SetLabel(window, IDC_INSTALL, IDS_INSTALL_FILES + language);
}

int MapLanguage(int index)
{
    switch (ThisEdition) {
    case Edition::German:
        return LanguageDeutsch;
    case Edition::English:
        return LanguageEnglish;
    case Edition::Multilingual:
        break;
    }
    return index == LanguageDeutsch ? LanguageEnglish : index;
}
