#include "installer/copy_failure.h"

#include "installer/copy_engine.h"
#include "runtime/text.h"

// Longest source and destination path, the longest reason and the fixed
// words fit with room to spare.
constexpr int FailureTextCapacity = 1024;
constexpr int ReasonCapacity = 256;

static char FailureText[FailureTextCapacity];
static char Reason[ReasonCapacity];

static const char Opening[] = "The install stopped because a file could not be copied.\n\nFile: ";
static const char ToLabel[] = "\nTo: ";
static const char ReasonLabel[] = "\nReason: ";
static const char Closing[] = "\n\nThe files copied before it were kept.";

// The longest paths and reason with every fixed word: nothing is ever cut.
static_assert(sizeof Opening + sizeof ToLabel + sizeof ReasonLabel + sizeof Closing + 2 * PathCapacity +
                      ReasonCapacity <=
                  FailureTextCapacity,
              "the copy-failure text can outgrow its buffer");

// The system's one-line text for error, without its line end; the number when
// the system has none that fits.
static void DescribeError(DWORD error)
{
    DWORD length = FormatMessageA(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, Reason, ReasonCapacity, nullptr);
    if (length == 0) {
        wsprintfA(Reason, "Error %lu.", error);
        return;
    }
    while (length > 0 && (Reason[length - 1] == '\r' || Reason[length - 1] == '\n' || Reason[length - 1] == ' '))
        Reason[--length] = '\0';
}

// The whole text for the failed copy of source (relative to the CD) to
// destination, with the system's text for error.
static void BuildCopyFailureText(const char* source, const char* destination, DWORD error)
{
    DescribeError(error);
    CopyText(FailureText, FailureTextCapacity, Opening);
    AppendText(FailureText, FailureTextCapacity, source);
    AppendText(FailureText, FailureTextCapacity, ToLabel);
    AppendText(FailureText, FailureTextCapacity, destination);
    AppendText(FailureText, FailureTextCapacity, ReasonLabel);
    AppendText(FailureText, FailureTextCapacity, Reason);
    AppendText(FailureText, FailureTextCapacity, Closing);
}

void ShowCopyFailure(HWND owner)
{
    BuildCopyFailureText(SourcePath, DestinationPath, CopyError);
    MessageBoxA(owner, FailureText, "Quorix for Windows 95 Install Stopped", MB_OK | MB_ICONSTOP);
}
