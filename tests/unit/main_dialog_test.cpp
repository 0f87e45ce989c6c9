// The main dialog's message handling, with the real template and picture: the
// dialog runs modally on the test's main thread and a second thread drives it.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>

#include "launcher/app.h"
#include "launcher/edition.h"
#include "launcher/languages.h"
#include "launcher/main_dialog.h"
#include "registry.h"
#include "resources/ids.h"
#include "settings/registry_layout.h"

const HKEY User = HKEY_CURRENT_USER;

namespace {

struct FindContext {
    HWND found;
};

} // namespace

static BOOL CALLBACK FindMainDialog(HWND window, LPARAM context)
{
    char caption[64];
    GetWindowTextA(window, caption, sizeof caption);
    if (std::string(caption) == "Quorix for Windows 95") {
        reinterpret_cast<FindContext*>(context)->found = window;
        return FALSE;
    }
    return TRUE;
}

// Runs the dialog until it ends; the script gets its window. A script that
// leaves the dialog open has it closed afterwards.
static INT_PTR RunMainDialog(const std::function<void(HWND)>& script)
{
    DWORD uiThread = GetCurrentThreadId();
    std::thread driver([&] {
        FindContext context{nullptr};
        for (int i = 0; i < 500 && context.found == nullptr; i++) {
            Sleep(10);
            EnumThreadWindows(uiThread, FindMainDialog, reinterpret_cast<LPARAM>(&context));
        }
        ASSERT_NE(context.found, nullptr) << "the main dialog did not appear";
        script(context.found);
        if (IsWindowVisible(context.found))
            SendMessageA(context.found, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    INT_PTR result = DialogBoxParamA(AppInstance, "MainDlg", nullptr, MainDialogProc, 0);
    driver.join();
    return result;
}

namespace {

class MainDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        AppInstance = GetModuleHandleA(nullptr);
        BackgroundBitmap = LoadBitmapA(AppInstance, MAKEINTRESOURCEA(IDB_BACKGROUND));
        ClientWidth = -1;
        ClientHeight = -1;
        InstallDrive = 'C';
        ForgetEverything();
    }
    void TearDown() override
    {
        ForgetEverything();
    }
};

} // namespace

static POINT TopLeft(HWND window)
{
    RECT outer;
    GetWindowRect(window, &outer);
    return {outer.left, outer.top};
}

static POINT CentredFor(int clientWidth, int clientHeight)
{
    return {(GetSystemMetrics(SM_CXSCREEN) - clientWidth) / 2, (GetSystemMetrics(SM_CYSCREEN) - clientHeight) / 2};
}

static std::string ControlText(HWND window, int id)
{
    char text[128];
    GetDlgItemTextA(window, id, text, sizeof text);
    return text;
}

TEST_F(MainDialog, CentredByItsClientSizeAndAgainAtEverySize)
{
    RunMainDialog([](HWND window) {
        RECT client;
        GetClientRect(window, &client);
        POINT expected = CentredFor(client.right, client.bottom);
        POINT actual = TopLeft(window);
        EXPECT_EQ(actual.x, expected.x);
        EXPECT_EQ(actual.y, expected.y);

        // A size change recentres by the size it carries, and records it.
        SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(200, 100));
        EXPECT_EQ(ClientWidth, 200);
        EXPECT_EQ(ClientHeight, 100);
        actual = TopLeft(window);
        EXPECT_EQ(actual.x, CentredFor(200, 100).x);
        EXPECT_EQ(actual.y, CentredFor(200, 100).y);

        // Minimised: 0 x 0 is recorded too, and the next size puts it back.
        SendMessageA(window, WM_SIZE, SIZE_MINIMIZED, 0);
        EXPECT_EQ(ClientWidth, 0);
        EXPECT_EQ(ClientHeight, 0);
        SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
        actual = TopLeft(window);
        EXPECT_EQ(actual.x, expected.x);
        EXPECT_EQ(actual.y, expected.y);
        EXPECT_EQ(ClientWidth, client.right);
    });
}

static COLORREF ScreenPixel(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

static COLORREF PicturePixel(int x, int y)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, BackgroundBitmap);
    COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return colour;
}

static void Repaint(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// The screen pixel once it shows the colour, or what it shows after a while:
// on a loaded machine the desktop may take a moment to show a repaint.
static COLORREF ScreenPixelSettlingOn(HWND window, POINT p, COLORREF expected)
{
    COLORREF colour = ScreenPixel(window, p.x, p.y);
    for (int i = 0; i < 100 && colour != expected; i++) {
        Sleep(20);
        colour = ScreenPixel(window, p.x, p.y);
    }
    return colour;
}

TEST_F(MainDialog, PictureIsPaintedOnlyOnceTheSizeIsKnown)
{
    RunMainDialog([](HWND window) {
        RECT client;
        GetClientRect(window, &client);
        // Points on the card's left half, where no control stands.
        const POINT points[] = {{0, 0}, {3, 3}, {40, 40}, {120, 200}, {250, 330}, {150, 365}};

        // As if no WM_SIZE had come yet: the platform paints its background.
        // A size change of the window's first showing may still arrive: let
        // it, then take the size away again before each repaint.
        SendMessageA(window, WM_NULL, 0, 0);
        for (const POINT& p : points) {
            COLORREF colour = 0;
            for (int i = 0; i < 10; i++) {
                ClientWidth = -1;
                EXPECT_EQ(MainDialogProc(window, WM_PAINT, 0, 0), FALSE);
                Repaint(window);
                colour = ScreenPixelSettlingOn(window, p, GetSysColor(COLOR_3DFACE));
                if (colour == GetSysColor(COLOR_3DFACE))
                    break;
            }
            EXPECT_EQ(colour, GetSysColor(COLOR_3DFACE)) << p.x << "," << p.y;
        }

        SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
        Repaint(window);
        for (const POINT& p : points)
            EXPECT_EQ(ScreenPixelSettlingOn(window, p, PicturePixel(p.x, p.y)), PicturePixel(p.x, p.y))
                << p.x << "," << p.y;

        // A recorded size of 0 x 0 copies nothing, yet the paint is handled.
        SendMessageA(window, WM_SIZE, SIZE_MINIMIZED, 0);
        EXPECT_EQ(MainDialogProc(window, WM_PAINT, 0, 0), TRUE);
    });
}

namespace {

struct OptionBox {
    int id;
    const char* value;
    int LauncherSettings::*field;
};

} // namespace

const OptionBox OptionBoxes[] = {
    {IDC_SOUND, VALUE_SOUND, &LauncherSettings::sound},
    {IDC_SPEECH, VALUE_SPEECH, &LauncherSettings::speech},
    {IDC_CINEMATICS, VALUE_CINEMATICS, &LauncherSettings::cinematics},
    {IDC_ACTION_PAN, VALUE_ACTIONPAN, &LauncherSettings::actionPan},
    {IDC_FULL_SCREEN, VALUE_FULLSCREEN, &LauncherSettings::fullScreen},
};

TEST_F(MainDialog, EachCheckBoxFlipsItsOptionAndSavesEverything)
{
    RunMainDialog([](HWND window) {
        for (const OptionBox& box : OptionBoxes) {
            int before = Settings.*box.field;
            ForgetEverything();
            SendDlgItemMessageA(window, box.id, BM_CLICK, 0, 0);
            EXPECT_EQ(Settings.*box.field, before ^ 1) << box.value;
            EXPECT_EQ(IsDlgButtonChecked(window, box.id), static_cast<UINT>(before ^ 1)) << box.value;
            // The whole record, MISC and INSTALLDRIVE, and the uninstall entry.
            for (const OptionBox& other : OptionBoxes)
                EXPECT_EQ(ReadDword(User, SETTINGS_KEY_PATH, other.value), Settings.*other.field) << box.value;
            EXPECT_EQ(ReadDword(User, SETTINGS_KEY_PATH, VALUE_LANGUAGE), Settings.language);
            EXPECT_EQ(ReadDword(User, SETTINGS_KEY_PATH, VALUE_MISC), EditionMiscValue);
            EXPECT_EQ(ReadValue(User, SETTINGS_KEY_PATH, VALUE_INSTALLDRIVE).bytes, "C");
            EXPECT_TRUE(ReadValue(HKEY_LOCAL_MACHINE, UNINSTALL_ENTRY_PATH, VALUE_UNINSTALLSTRING).present);
        }
    });
}

TEST_F(MainDialog, SpeechFollowsSoundAndKeepsItsValue)
{
    WriteDword(User, SETTINGS_KEY_PATH, VALUE_SPEECH, 0);
    RunMainDialog([](HWND window) {
        HWND speech = GetDlgItem(window, IDC_SPEECH);
        EXPECT_TRUE(IsWindowEnabled(speech));
        SendDlgItemMessageA(window, IDC_SOUND, BM_CLICK, 0, 0);
        EXPECT_FALSE(IsWindowEnabled(speech));
        EXPECT_EQ(Settings.speech, 0);
        EXPECT_EQ(ReadDword(User, SETTINGS_KEY_PATH, VALUE_SPEECH), 0);
        EXPECT_EQ(ReadDword(User, SETTINGS_KEY_PATH, VALUE_SOUND), 0);
        SendDlgItemMessageA(window, IDC_SOUND, BM_CLICK, 0, 0);
        EXPECT_TRUE(IsWindowEnabled(speech));
        EXPECT_EQ(IsDlgButtonChecked(window, IDC_SPEECH), 0u);
    });
}

TEST_F(MainDialog, StoredSoundOffStartsWithSpeechGreyed)
{
    WriteDword(User, SETTINGS_KEY_PATH, VALUE_SOUND, 0);
    RunMainDialog([](HWND window) {
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDC_SPEECH)));
        EXPECT_EQ(IsDlgButtonChecked(window, IDC_SPEECH), 1u);
        EXPECT_EQ(IsDlgButtonChecked(window, IDC_SOUND), 0u);
    });
}

TEST_F(MainDialog, EnterAndEscapeCloseNothingAndSaveNothing)
{
    bool stillOpen = false;
    INT_PTR result = RunMainDialog([&](HWND window) {
        SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
        SendMessageA(window, WM_COMMAND, IDOK, 0);
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(999, BN_CLICKED), 0);
        stillOpen = IsWindowVisible(window) != FALSE;
        EXPECT_FALSE(ReadValue(User, SETTINGS_KEY_PATH, VALUE_MISC).present);
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(result, 1);
    // The close box that ended it saves nothing either.
    EXPECT_FALSE(ReadValue(User, SETTINGS_KEY_PATH, VALUE_MISC).present);
}

TEST_F(MainDialog, CommandFromOutsideSavesAndEnds)
{
    INT_PTR result = RunMainDialog([](HWND window) {
        // The notification code in the high word is not looked at.
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDM_SAVE_AND_QUIT, 7), 0);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(ReadDword(User, SETTINGS_KEY_PATH, VALUE_MISC), EditionMiscValue);
}

TEST_F(MainDialog, OtherSystemCommandsGoToThePlatform)
{
    RunMainDialog([](HWND window) {
        EXPECT_EQ(MainDialogProc(window, WM_SYSCOMMAND, SC_KEYMENU, 0), FALSE);
        EXPECT_TRUE(IsWindowVisible(window));
    });
}

TEST_F(MainDialog, LanguageCommandRelabelsAtOnceAndSaves)
{
    int expected = ThisEdition == Edition::German ? 1 : ThisEdition == Edition::English ? 0 : 2;
    RunMainDialog([&](HWND window) {
        SendMessageA(window, WM_COMMAND, 302, 0);
        EXPECT_EQ(Settings.language, expected);
        EXPECT_EQ(CurrentLanguage, expected);
        EXPECT_EQ(ReadDword(User, SETTINGS_KEY_PATH, VALUE_LANGUAGE), expected);
        char sound[TextCapacity];
        LoadStringA(AppInstance, IDS_SOUND + expected, sound, sizeof sound);
        EXPECT_EQ(ControlText(window, IDC_SOUND), sound);
        if (ThisEdition == Edition::Multilingual) {
            EXPECT_EQ(ControlText(window, IDC_SOUND), "Sonido");
            EXPECT_EQ(IsDlgButtonChecked(window, 302), 1u);
            EXPECT_EQ(IsDlgButtonChecked(window, 300), 0u);
        }
        // The same button again saves again.
        ForgetEverything();
        SendMessageA(window, WM_COMMAND, 302, 0);
        EXPECT_EQ(ReadDword(User, SETTINGS_KEY_PATH, VALUE_LANGUAGE), expected);
        EXPECT_EQ(ControlText(window, IDC_PLAY), "!! Quorix !!");
    });
}
