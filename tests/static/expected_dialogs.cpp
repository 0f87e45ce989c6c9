#include "expected_dialogs.h"

namespace {

const TemplateField kButton = OrdinalField(0x0080);
const TemplateField kStatic = OrdinalField(0x0082);

// Window and control styles as the templates combine them.
const std::uint32_t kMainDialogStyle = 0x30C80040;   // WS_MINIMIZE|WS_VISIBLE|WS_CAPTION|WS_SYSMENU|DS_SETFONT
const std::uint32_t kPopupDialogStyle = 0x90C80042;  // WS_POPUP|WS_VISIBLE|WS_CAPTION|WS_SYSMENU|DS_SETFONT|DS_SYSMODAL
const std::uint32_t kCheckBox = 0x50010003;          // BS_AUTOCHECKBOX|WS_CHILD|WS_VISIBLE|WS_TABSTOP
const std::uint32_t kPushButton = 0x50010000;        // BS_PUSHBUTTON|WS_CHILD|WS_VISIBLE|WS_TABSTOP
const std::uint32_t kDefaultButton = 0x50010001;     // BS_DEFPUSHBUTTON|WS_CHILD|WS_VISIBLE|WS_TABSTOP
const std::uint32_t kRadioButton = 0x50000004;       // BS_RADIOBUTTON|WS_CHILD|WS_VISIBLE
const std::uint32_t kLeftText = 0x50020000;          // SS_LEFT|WS_GROUP|WS_CHILD|WS_VISIBLE
const std::uint32_t kCentredText = 0x50020001;       // SS_CENTER|WS_GROUP|WS_CHILD|WS_VISIBLE

const std::u16string kFont = u"MS Sans Serif";

// Template texts, not the texts shown: the radio buttons carry the English
// names, and "Cinematices" is how the template spells it.
const ExpectedControl kLanguageButtons[] = {
    // id   style         class    text        x    y   cx  cy
    {300, kRadioButton, kButton, u"English", 166, 30, 94, 10},
    {302, kRadioButton, kButton, u"Spanish", 166, 40, 94, 10},
    {303, kRadioButton, kButton, u"French", 166, 50, 94, 10},
    {304, kRadioButton, kButton, u"Italian", 166, 60, 94, 10},
    {305, kRadioButton, kButton, u"Dutch", 166, 70, 94, 10},
};

const ExpectedControl kMainControls[] = {
    {200, kCheckBox, kButton, u"Sound", 166, 98, 94, 10},
    {201, kCheckBox, kButton, u"Speech", 166, 108, 94, 10},
    {202, kCheckBox, kButton, u"Cinematices", 166, 118, 94, 10},
    {203, kCheckBox, kButton, u"Action pan", 166, 128, 94, 10},
    {204, kCheckBox, kButton, u"Full screen", 166, 138, 94, 10},
    {100, kPushButton, kButton, u"Setup DirectX", 164, 156, 124, 13},
    {205, kPushButton, kButton, u"Install Files", 164, 171, 124, 13},
    {102, kDefaultButton, kButton, u"!! Quorix !!", 164, 186, 124, 16},
};

const ExpectedControl kInstallControls[] = {
    {1002, kLeftText, kStatic, u"Free space:", 20, 22, 160, 12},
    {1003, kPushButton, kButton, u"Minimum Install", 84, 36, 160, 12},
    {1004, kPushButton, kButton, u"Standard Install", 84, 50, 160, 12},
    {1005, kPushButton, kButton, u"Maximum Install", 84, 64, 160, 12},
    {1006, kPushButton, kButton, u"Cancel", 84, 82, 160, 12},
};

const ExpectedControl kProgressControls[] = {
    {1200, kCentredText, kStatic, u"Current file:", 8, 8, 212, 24},
    {1201, kPushButton, kButton, u"Cancel", 82, 78, 64, 12},
};

}  // namespace

ExpectedDialog ExpectedMainDialog(bool multilingual)
{
    ExpectedDialog d{u"MAINDLG", kMainDialogStyle, 0, 0, 0, 313, 228, u"Quorix for Windows 95", 8, kFont, {}};
    if (multilingual)
        d.controls.assign(std::begin(kLanguageButtons), std::end(kLanguageButtons));
    d.controls.insert(d.controls.end(), std::begin(kMainControls), std::end(kMainControls));
    return d;
}

ExpectedDialog ExpectedInstallDialog()
{
    ExpectedDialog d{u"INSTALLDLG", kPopupDialogStyle, 0, 0, 0, 328, 100, u"Quorix for Windows 95 Install", 8, kFont, {}};
    // One button per drive C to Z, side by side, ids 1010 to 1033.
    for (int k = 0; k < 24; k++) {
        std::u16string letter(1, static_cast<char16_t>(u'C' + k));
        d.controls.push_back({static_cast<std::uint16_t>(1010 + k), kPushButton, kButton, letter,
                              static_cast<std::int16_t>(20 + 12 * k), 8, 12, 12});
    }
    d.controls.insert(d.controls.end(), std::begin(kInstallControls), std::end(kInstallControls));
    return d;
}

ExpectedDialog ExpectedProgressDialog()
{
    ExpectedDialog d{u"PROGRESSDLG", kPopupDialogStyle, 0, 0, 0, 228, 100, u"Quorix for Windows 95 Install Progress", 8,
                     kFont, {}};
    d.controls.assign(std::begin(kProgressControls), std::end(kProgressControls));
    return d;
}
