#include "launcher/main_dialog.h"

#include "installer/install.h"
#include "launcher/app.h"
#include "launcher/centring.h"
#include "launcher/languages.h"
#include "launcher/launch.h"
#include "resources/ids.h"

LauncherSettings Settings;
short ClientWidth = -1;
short ClientHeight = -1;

static void EnableSpeechBySound(HWND window)
{
    EnableWindow(GetDlgItem(window, IDC_SPEECH), Settings.sound != 0);
}

static void InitialiseDialog(HWND window)
{
    LoadSettings(&Settings);
    ApplyLanguageLabels(window, Settings.language);
    CurrentLanguage = Settings.language;
    CheckDlgButton(window, IDC_SOUND, Settings.sound);
    CheckDlgButton(window, IDC_SPEECH, Settings.speech);
    CheckDlgButton(window, IDC_CINEMATICS, Settings.cinematics);
    CheckDlgButton(window, IDC_ACTION_PAN, Settings.actionPan);
    CheckDlgButton(window, IDC_FULL_SCREEN, Settings.fullScreen);
    EnableSpeechBySound(window);
    CheckRadioButton(window, IDC_LANGUAGE_FIRST, IDC_LANGUAGE_LAST, IDC_LANGUAGE_FIRST + Settings.language);
    CentreWindowByClientRect(window);
}

static void PaintBackground(HWND window)
{
    PAINTSTRUCT paint;
    HDC target = BeginPaint(window, &paint);
    HDC picture = CreateCompatibleDC(target);
    SelectObject(picture, BackgroundBitmap);
    // Pixel for pixel from the picture's corner, over the recorded client size.
    BitBlt(target, 0, 0, ClientWidth, ClientHeight, picture, 0, 0, SRCCOPY);
    DeleteDC(picture);
    EndPaint(window, &paint);
}

// The check boxes are automatic: the mark turns over by itself and the stored
// option follows it.
static void FlipOption(int* option)
{
    *option ^= 1;
    SaveSettings(&Settings);
}

static void HandleCommand(HWND window, int command)
{
    switch (command) {
    case IDC_SETUP_DIRECTX:
        SaveSettings(&Settings);
        RunDirectXSetup();
        break;
    case IDC_PLAY:
        SaveSettings(&Settings);
        LaunchGame();
        break;
    case IDM_SAVE_AND_QUIT:
        SaveSettings(&Settings);
        EndDialog(window, 1);
        break;
    case IDC_SOUND:
        FlipOption(&Settings.sound);
        EnableSpeechBySound(window);
        break;
    case IDC_SPEECH:
        FlipOption(&Settings.speech);
        break;
    case IDC_CINEMATICS:
        FlipOption(&Settings.cinematics);
        break;
    case IDC_ACTION_PAN:
        FlipOption(&Settings.actionPan);
        break;
    case IDC_FULL_SCREEN:
        FlipOption(&Settings.fullScreen);
        break;
    case IDC_INSTALL:
        RunInstall(window);
        SaveSettings(&Settings);
        break;
    default:
        if (command >= IDC_LANGUAGE_FIRST && command <= IDC_LANGUAGE_LAST) {
            CheckRadioButton(window, IDC_LANGUAGE_FIRST, IDC_LANGUAGE_LAST, command);
            Settings.language = MapLanguage(command - IDC_LANGUAGE_FIRST);
            ApplyLanguageLabels(window, Settings.language);
            CurrentLanguage = Settings.language;
            SaveSettings(&Settings);
        }
        // Everything else, IDOK and IDCANCEL (Enter, Escape) among them, does nothing.
        break;
    }
}

INT_PTR CALLBACK MainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        InitialiseDialog(window);
        return TRUE;
    case WM_SIZE:
        ClientWidth = static_cast<short>(LOWORD(lParam));
        ClientHeight = static_cast<short>(HIWORD(lParam));
        CentreWindow(window, LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case WM_PAINT:
        if (ClientWidth == -1)
            return FALSE;
        PaintBackground(window);
        return TRUE;
    case WM_COMMAND:
        HandleCommand(window, LOWORD(wParam));
        return FALSE;
    case WM_SYSCOMMAND:
        if (wParam == SC_CLOSE) {
            EndDialog(window, 1);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}
