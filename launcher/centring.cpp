#include "launcher/centring.h"

void CentreWindow(HWND window, int clientWidth, int clientHeight)
{
    int x = (GetSystemMetrics(SM_CXSCREEN) - clientWidth) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - clientHeight) / 2;
    // With SWP_NOZORDER the topmost handle has no effect: the window only moves.
    SetWindowPos(window, HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void CentreWindowByClientRect(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    CentreWindow(window, client.right - client.left, client.bottom - client.top);
}
