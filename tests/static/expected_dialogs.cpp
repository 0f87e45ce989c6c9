#include "expected_dialogs.h"

const TemplateField Button = OrdinalField(0x0080);
const TemplateField Static = OrdinalField(0x0082);

// Window and control styles as the templates combine them.
const std::uint32_t MainDialogStyle = 0x30C80040;  // WS_MINIMIZE|WS_VISIBLE|WS_CAPTION|WS_SYSMENU|DS_SETFONT
const std::uint32_t PopupDialogStyle = 0x90C80042; // WS_POPUP|WS_VISIBLE|WS_CAPTION|WS_SYSMENU|DS_SETFONT|DS_SYSMODAL
const std::uint32_t CheckBox = 0x50010003;         // BS_AUTOCHECKBOX|WS_CHILD|WS_VISIBLE|WS_TABSTOP
const std::uint32_t PushButton = 0x50010000;       // BS_PUSHBUTTON|WS_CHILD|WS_VISIBLE|WS_TABSTOP
const std::uint32_t DefaultButton = 0x50010001;    // BS_DEFPUSHBUTTON|WS_CHILD|WS_VISIBLE|WS_TABSTOP
const std::uint32_t RadioButton = 0x50000004;      // BS_RADIOBUTTON|WS_CHILD|WS_VISIBLE
const std::uint32_t LeftText = 0x50020000;         // SS_LEFT|WS_GROUP|WS_CHILD|WS_VISIBLE
const std::uint32_t CentredText = 0x50020001;      // SS_CENTER|WS_GROUP|WS_CHILD|WS_VISIBLE

const std::u16string Font = u"MS Sans Serif";

// Template texts, not the texts shown: the radio buttons carry the English
// names, and "Cinematices" is how the template spells it.
const ExpectedControl LanguageButtons[] = {
    // id   style         class    text        x    y   cx  cy
    {300, RadioButton, Button, u"English", 166, 30, 94, 10},
    {302, RadioButton, Button, u"Spanish", 166, 40, 94, 10},
    {303, RadioButton, Button, u"French", 166, 50, 94, 10},
    {304, RadioButton, Button, u"Italian", 166, 60, 94, 10},
    {305, RadioButton, Button, u"Dutch", 166, 70, 94, 10},
};

const ExpectedControl MainControls[] = {
    {200, CheckBox, Button, u"Sound", 166, 98, 94, 10},
    {201, CheckBox, Button, u"Speech", 166, 108, 94, 10},
    {202, CheckBox, Button, u"Cinematices", 166, 118, 94, 10},
    {203, CheckBox, Button, u"Action pan", 166, 128, 94, 10},
    {204, CheckBox, Button, u"Full screen", 166, 138, 94, 10},
    {100, PushButton, Button, u"Setup DirectX", 164, 156, 124, 13},
    {205, PushButton, Button, u"Install Files", 164, 171, 124, 13},
    {102, DefaultButton, Button, u"!! Quorix !!", 164, 186, 124, 16},
};

const ExpectedControl InstallControls[] = {
    {1002, LeftText, Static, u"Free space:", 20, 22, 160, 12},
    {1003, PushButton, Button, u"Minimum Install", 84, 36, 160, 12},
    {1004, PushButton, Button, u"Standard Install", 84, 50, 160, 12},
    {1005, PushButton, Button, u"Maximum Install", 84, 64, 160, 12},
    {1006, PushButton, Button, u"Cancel", 84, 82, 160, 12},
};

const ExpectedControl ProgressControls[] = {
    {1200, CentredText, Static, u"Current file:", 8, 8, 212, 24},
    {1201, PushButton, Button, u"Cancel", 82, 78, 64, 12},
};

ExpectedDialog ExpectedMainDialog(bool multilingual)
{
    ExpectedDialog d{u"MAINDLG", MainDialogStyle, 0, 0, 0, 313, 228, u"Quorix for Windows 95", 8, Font, {}};
    if (multilingual)
        d.controls.assign(std::begin(LanguageButtons), std::end(LanguageButtons));
    d.controls.insert(d.controls.end(), std::begin(MainControls), std::end(MainControls));
    return d;
}

ExpectedDialog ExpectedInstallDialog()
{
    ExpectedDialog d{u"INSTALLDLG", PopupDialogStyle, 0, 0, 0, 328, 100, u"Quorix for Windows 95 Install", 8, Font, {}};
    // One button per drive C to Z, side by side, ids 1010 to 1033.
    for (int k = 0; k < 24; k++) {
        std::u16string letter(1, static_cast<char16_t>(u'C' + k));
        d.controls.push_back({static_cast<std::uint16_t>(1010 + k),
                              PushButton,
                              Button,
                              letter,
                              static_cast<std::int16_t>(20 + 12 * k),
                              8,
                              12,
                              12});
    }
    d.controls.insert(d.controls.end(), std::begin(InstallControls), std::end(InstallControls));
    return d;
}

ExpectedDialog ExpectedProgressDialog()
{
    ExpectedDialog d{
        u"PROGRESSDLG", PopupDialogStyle, 0, 0, 0, 228, 100, u"Quorix for Windows 95 Install Progress", 8, Font, {}};
    d.controls.assign(std::begin(ProgressControls), std::end(ProgressControls));
    return d;
}
