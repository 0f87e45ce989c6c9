// The progress window on its own thread, as the installing thread sees it:
// the bar's pixels read back from the window, drawings detected by a mark the
// test paints into the bar, and the ways the dialog ends.
#include <gtest/gtest.h>

#include <string>

#include "installer/progress_thread.h"
#include "installer/progress_window.h"
#include "launcher/app.h"
#include "resources/ids.h"

const COLORREF Black = RGB(0, 0, 0), White = RGB(255, 255, 255), Blue = RGB(0, 0, 255);
const COLORREF Mark = RGB(0, 255, 0);

static COLORREF Pixel(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

static void PutMark(HWND window) // in the empty part of any bar shorter than 280
{
    HDC dc = GetDC(window);
    SetPixel(dc, 300, 60, Mark);
    ReleaseDC(window, dc);
}

static bool MarkGone(HWND window)
{
    return Pixel(window, 300, 60) != Mark;
}

namespace {

class ProgressWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        AppInstance = GetModuleHandleA(nullptr);
        Start();
    }
    void TearDown() override
    {
        Stop();
    }

    void Start()
    {
        // Started and awaited as the install does.
        StartProgressThread();
        ASSERT_TRUE(WaitForProgressWindow());
        window = Progress.progressWindow;
        ASSERT_NE(window, nullptr);
        for (int i = 0; i < 100 && !IsWindowVisible(window); i++)
            Sleep(10);
        Sleep(100); // its first paint by the system
    }
    void Stop()
    {
        if (Progress.progressThread == nullptr)
            return;
        if (IsWindow(window))
            SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_EQ(WaitForSingleObject(Progress.progressThread, 5000), WAIT_OBJECT_0);
        CloseHandle(Progress.progressThread);
        Progress.progressThread = nullptr;
    }
    void Request(LONG position)
    {
        Progress.barPosition = position;
        SendMessageA(window, WM_PAINT, 0, 0);
    }

    HWND window = nullptr;
};

} // namespace

TEST_F(ProgressWindow, BarPixelsWhereTheyBelong)
{
    RECT client;
    GetClientRect(window, &client);
    ASSERT_GE(client.right, 389) << "the bar does not fit the window";
    COLORREF face = Pixel(window, 387, 60); // never drawn: the dialog's own colour
    EXPECT_NE(face, Black);
    for (LONG p : {0L, 120L, 375L}) {
        SCOPED_TRACE(p);
        LastDrawnPosition = -1;
        Request(p);
        for (POINT corner : {POINT{8, 56},
                             POINT{388, 56},
                             POINT{388, 77},
                             POINT{8, 77},
                             POINT{200, 56},
                             POINT{8, 66},
                             POINT{388, 66},
                             POINT{200, 77}})
            EXPECT_EQ(Pixel(window, corner.x, corner.y), Black) << corner.x << "," << corner.y;
        for (POINT never : {POINT{9, 60}, POINT{386, 60}, POINT{387, 70}, POINT{50, 57}, POINT{50, 76}})
            EXPECT_EQ(Pixel(window, never.x, never.y), face) << never.x << "," << never.y;
        for (int y : {58, 66, 75}) {
            if (p > 0) {
                EXPECT_EQ(Pixel(window, 10, y), Blue);
                EXPECT_EQ(Pixel(window, p + 9, y), Blue);
            }
            if (p < 375) {
                EXPECT_EQ(Pixel(window, p + 11, y), White);
                EXPECT_EQ(Pixel(window, 385, y), White);
            } else {
                // The full bar ends at 384; 385 keeps what the last drawing left.
                EXPECT_EQ(Pixel(window, 384, y), Blue);
                EXPECT_EQ(Pixel(window, 385, y), White);
            }
        }
    }
}

// The percentage is compared with the same text drawn by the test on a bar of
// the same position, with the same default font and alignment.
TEST_F(ProgressWindow, PercentageTruncates)
{
    const struct {
        LONG position;
        const char* text;
    } cases[] = {{3, "0%"}, {4, "1%"}, {187, "49%"}, {374, "99%"}, {375, "100%"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        LastDrawnPosition = -1;
        Request(c.position);
        HDC screen = GetDC(window);
        HDC reference = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 400, 100);
        HGDIOBJ old = SelectObject(reference, bitmap);
        RECT filled = {10, 58, c.position + 10, 76}, empty = {c.position + 11, 58, 386, 76};
        HBRUSH blue = CreateSolidBrush(Blue), white = CreateSolidBrush(White);
        FillRect(reference, &filled, blue);
        FillRect(reference, &empty, white);
        SetTextAlign(reference, TA_CENTER | TA_TOP);
        TextOutA(reference, 198, 59, c.text, static_cast<int>(std::string(c.text).size()));
        int differing = 0;
        for (int y = 58; y <= 75; y++)
            for (int x = 150; x <= 250; x++)
                if (x != c.position + 10 && GetPixel(screen, x, y) != GetPixel(reference, x, y))
                    differing++;
        EXPECT_EQ(differing, 0);
        SelectObject(reference, old);
        DeleteObject(bitmap);
        DeleteObject(blue);
        DeleteObject(white);
        DeleteDC(reference);
        ReleaseDC(window, screen);
    }
}

TEST_F(ProgressWindow, DrawsOnlyWhenTheBarHasMoved)
{
    LastDrawnPosition = -1;
    Request(50);
    int drawings = 0;
    for (LONG position : {50L, 50L, 51L, 51L, 51L, 60L, 60L}) {
        PutMark(window);
        Request(position);
        drawings += MarkGone(window);
    }
    EXPECT_EQ(drawings, 2);
    EXPECT_EQ(LastDrawnPosition, 60);

    // Other commands run the same check: Escape neither ends nor redraws.
    PutMark(window);
    SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
    SendMessageA(window, WM_COMMAND, IDOK, 0);
    PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
    Sleep(100);
    EXPECT_FALSE(MarkGone(window));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(Progress.cancelRequested, 0);

    // A paint of the system's own redraws the whole bar and validates it.
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    Sleep(50);
    EXPECT_TRUE(MarkGone(window));
    EXPECT_EQ(Pixel(window, 69, 60), Blue);
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
}

TEST_F(ProgressWindow, CancelAndCloseBoxEndItAtOnce)
{
    for (int way = 0; way < 3; way++) {
        SCOPED_TRACE(way);
        if (way > 0) {
            Stop();
            Start();
        }
        if (way == 0)
            SendMessageA(GetDlgItem(window, IDC_PROGRESS_CANCEL), BM_CLICK, 0, 0);
        else if (way == 1)
            SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        else
            SendMessageA(window, ProgressEndMessage, 0, 0); // the complete copy's ending
        EXPECT_FALSE(IsWindowVisible(window));
        EXPECT_EQ(Progress.cancelRequested, 1);
        ASSERT_EQ(WaitForSingleObject(Progress.progressThread, 5000), WAIT_OBJECT_0);
        EXPECT_EQ(Progress.progressThreadId, ProgressThreadGone);
        EXPECT_FALSE(IsWindow(window));
        // Requests after the end fail quietly.
        Request(200);
    }
}

TEST_F(ProgressWindow, LastDrawnPositionCarriesIntoTheNextInstall)
{
    LastDrawnPosition = 0;
    Request(375);
    EXPECT_EQ(LastDrawnPosition, 375);
    Stop();
    Start();
    EXPECT_EQ(LastDrawnPosition, 375);
    // The bar is back at 0: the first request draws at once.
    PutMark(window);
    Request(0);
    EXPECT_TRUE(MarkGone(window));
    EXPECT_EQ(LastDrawnPosition, 0);
}
