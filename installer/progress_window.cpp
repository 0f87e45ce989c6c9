#include "installer/progress_window.h"

#include "launcher/app.h"
#include "launcher/centring.h"
#include "resources/ids.h"

ProgressShared Progress;
LONG LastDrawnPosition;

static HPEN FramePen;
static HPEN EmptyPen;
static HPEN FillPen;

constexpr int PercentCapacity = 8;
static char PercentText[PercentCapacity];

// The bar in client pixels: the frame's corners, and the rows inside it.
constexpr int FrameLeft = 8, FrameTop = 56, FrameRight = 388, FrameBottom = 77;
constexpr int BarLeft = 10, BarEnd = 386, FirstRow = 58, LastRow = 75;
constexpr int PercentX = 198, PercentY = 59;

static void DrawBarWith(HWND window, LONG p)
{
    // Nothing is drawn once the pens are gone (the dialog is ending).
    if (FramePen == nullptr)
        return;
    HDC dc = GetDC(window);
    HGDIOBJ previous = SelectObject(dc, FramePen);
    MoveToEx(dc, FrameLeft, FrameTop, nullptr);
    LineTo(dc, FrameRight, FrameTop);
    LineTo(dc, FrameRight, FrameBottom);
    LineTo(dc, FrameLeft, FrameBottom);
    LineTo(dc, FrameLeft, FrameTop);
    if (p > 0) {
        SelectObject(dc, FillPen);
        for (int y = FirstRow; y <= LastRow; y++) {
            MoveToEx(dc, BarLeft, y, nullptr);
            LineTo(dc, p + BarLeft, y);
        }
    }
    if (p < BarLength) {
        SelectObject(dc, EmptyPen);
        for (int y = FirstRow; y <= LastRow; y++) {
            MoveToEx(dc, p + BarLeft + 1, y, nullptr);
            LineTo(dc, BarEnd, y);
        }
    }
    int length = wsprintfA(PercentText, "%d%%", static_cast<int>(p * 100 / BarLength));
    SetTextAlign(dc, TA_CENTER | TA_TOP);
    TextOutA(dc, PercentX, PercentY, PercentText, length);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
}

void DrawProgressBar(HWND window)
{
    DrawBarWith(window, Progress.barPosition);
}

// Draws only when the bar has moved since the last drawing, on one reading
// of the position: the installing thread may change it meanwhile.
static void RedrawCheck(HWND window)
{
    LONG p = Progress.barPosition;
    if (p == LastDrawnPosition)
        return;
    LastDrawnPosition = p;
    DrawBarWith(window, p);
}

static void ReleasePens()
{
    DeleteObject(FramePen);
    DeleteObject(EmptyPen);
    DeleteObject(FillPen);
    FramePen = EmptyPen = FillPen = nullptr;
}

static void Cancel(HWND window)
{
    ReleasePens();
    Progress.cancelRequested = 1;
    EndDialog(window, 1);
}

static void Paint(HWND window)
{
    // A paint request of the installing thread comes with nothing invalid: the
    // redraw check alone. The system's own has a region to validate, and the
    // whole bar is drawn again, or the same request would come back forever.
    if (InSendMessage()) {
        RedrawCheck(window);
        return;
    }
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
    DrawProgressBar(window);
}

// The bar stands at fixed pixels, wider than the template's client area in
// small fonts: the window grows to hold it, its controls kept centred.
static void FitBarIntoWindow(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    int extra = FrameRight + 1 + FrameLeft - client.right;
    if (extra <= 0)
        return;
    RECT outer;
    GetWindowRect(window, &outer);
    SetWindowPos(
        window, nullptr, 0, 0, outer.right - outer.left + extra, outer.bottom - outer.top, SWP_NOMOVE | SWP_NOZORDER);
    const int controls[] = {IDC_PROGRESS_STATUS, IDC_PROGRESS_CANCEL};
    for (int id : controls) {
        HWND control = GetDlgItem(window, id);
        RECT place;
        GetWindowRect(control, &place);
        POINT corner = {place.left, place.top};
        ScreenToClient(window, &corner);
        SetWindowPos(control, nullptr, corner.x + extra / 2, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
}

INT_PTR CALLBACK ProgressDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        FitBarIntoWindow(window);
        CentreWindowByClientRect(window);
        Progress.progressWindow = window;
        FramePen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
        EmptyPen = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
        FillPen = CreatePen(PS_SOLID, 1, RGB(0, 0, 255));
        DrawProgressBar(window);
        return TRUE;
    case WM_PAINT:
        Paint(window);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_PROGRESS_CANCEL)
            Cancel(window);
        else
            RedrawCheck(window); // Escape and Enter do not end it
        return TRUE;
    case WM_SYSCOMMAND:
        if (wParam == SC_CLOSE) {
            Cancel(window);
            return TRUE;
        }
        return FALSE;
    case ProgressEndMessage:
        // The copy is complete: the same ending as a cancel, which the
        // installing thread no longer looks at.
        Cancel(window);
        return TRUE;
    }
    return FALSE;
}

DWORD WINAPI ProgressThreadProc(LPVOID)
{
    INT_PTR result = DialogBoxParamA(AppInstance, "ProgressDlg", nullptr, ProgressDialogProc, 0);
    Progress.cancelRequested = 1;
    Progress.progressThreadId = ProgressThreadGone;
    return static_cast<DWORD>(result);
}
