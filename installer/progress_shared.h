// What the installing thread and the progress thread share during a copy.
// Each field is one machine word, read and written whole, without a lock;
// volatile so that every access really goes to memory.
#pragma once
#include <windows.h>

struct ProgressShared {
    volatile LONG cancelRequested;   // set by the progress thread: the user cancelled or it ended
    volatile LONG barPosition;       // 0 to BarLength, set by the installing thread after each chunk
    HWND volatile progressWindow;    // published by the progress dialog while it initialises
    volatile DWORD progressThreadId; // ProgressThreadGone once the dialog has ended
    HANDLE progressThread;
    LONG totalBytes; // the installing thread's own arithmetic
    LONG copiedBytes;
};

extern ProgressShared Progress;

// The full bar in pixels, and the divisor of its percentage.
constexpr LONG BarLength = 375;

constexpr DWORD ProgressThreadGone = static_cast<DWORD>(-1);
