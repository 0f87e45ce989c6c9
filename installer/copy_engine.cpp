#include "installer/copy_engine.h"

#include "installer/file_sets.h"
#include "installer/progress_shared.h"
#include "launcher/languages.h"
#include "resources/ids.h"
#include "runtime/file_stream.h"
#include "runtime/text.h"

char InstallRoot[InstallRootCapacity];
char StatusText[StatusCapacity];
bool CopyFailed;
DWORD CopyError;
char SourcePath[PathCapacity];
char DestinationPath[PathCapacity];

static char SearchPattern[PathCapacity];
static char CopyBuffer[CopyChunkBytes];

void CreatePathDirectories(const char* path)
{
    char partial[PathCapacity];
    if (!CopyText(partial, PathCapacity, path) || TextLength(partial) < 3)
        return;
    // From index 3: the drive, its colon and the root's backslash are there.
    for (int i = 3; partial[i] != '\0'; i++) {
        if (partial[i] != '\\')
            continue;
        partial[i] = '\0';
        CreateDirectoryA(partial, nullptr);
        partial[i] = '\\';
    }
}

static bool StopRequested()
{
    return Progress.cancelRequested != 0 || CopyFailed;
}

// Source, destination and status text of one file. A name that does not fit
// them is left out of both passes, so the bar still reaches its end.
static bool BuildPaths(const char* directory, const char* name)
{
    if (!CopyText(SourcePath, PathCapacity, directory) || !AppendText(SourcePath, PathCapacity, name))
        return false;
    if (!CopyText(DestinationPath, PathCapacity, InstallRoot) ||
        !AppendText(DestinationPath, PathCapacity, directory) || !AppendText(DestinationPath, PathCapacity, name))
        return false;
    // LoadText has one buffer: each text goes into StatusText before the next.
    return CopyText(StatusText, StatusCapacity, LoadText(IDS_COPYING + CurrentLanguage)) &&
           AppendText(StatusText, StatusCapacity, " ") && AppendText(StatusText, StatusCapacity, SourcePath) &&
           AppendText(StatusText, StatusCapacity, "\n ") &&
           AppendText(StatusText, StatusCapacity, LoadText(IDS_COPYING_TO + CurrentLanguage)) &&
           AppendText(StatusText, StatusCapacity, " ") && AppendText(StatusText, StatusCapacity, DestinationPath);
}

static bool IsFile(const WIN32_FIND_DATAA& found)
{
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The first match of directory + pattern, which SearchPattern then holds.
static HANDLE BeginSearch(const char* directory, const char* pattern, WIN32_FIND_DATAA* found)
{
    if (!CopyText(SearchPattern, PathCapacity, directory) || !AppendText(SearchPattern, PathCapacity, pattern))
        return INVALID_HANDLE_VALUE;
    return FindFirstFileA(SearchPattern, found);
}

void AddPairSizes(const char* directory, const char* pattern)
{
    WIN32_FIND_DATAA found;
    HANDLE search = BeginSearch(directory, pattern, &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (IsFile(found) && BuildPaths(directory, found.cFileName))
            Progress.totalBytes += static_cast<LONG>(found.nFileSizeLow);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

static void MoveBar()
{
    LONG wholeKib = Progress.totalBytes / 1024;
    // A level under 1 KiB has nothing to divide by: any chunk read completes it.
    LONG position = wholeKib == 0 ? BarLength : (Progress.copiedBytes / 1024) * BarLength / wholeKib;
    // A file that grew since the size pass must not push the bar past its end.
    if (position > BarLength)
        position = BarLength;
    if (position < 0)
        position = 0;
    Progress.barPosition = position;
}

// Right after the failed call, while its error code is still there.
static void Fail()
{
    CopyError = GetLastError();
    CopyFailed = true;
}

static void CopyOneFile()
{
    SetWindowTextA(GetDlgItem(Progress.progressWindow, IDC_PROGRESS_STATUS), StatusText);
    FileStream source, destination;
    if (!OpenStreamForReading(&source, SourcePath)) {
        Fail();
        return;
    }
    if (!CreateStreamForWriting(&destination, DestinationPath)) {
        Fail();
        CloseStream(&source);
        return;
    }
    while (!source.endOfFile && !StopRequested()) {
        bool readFailed;
        DWORD n = ReadStream(&source, CopyBuffer, CopyChunkBytes, &readFailed);
        if (readFailed) {
            // The same chunk again, until it reads or the user cancels.
            Sleep(ReadRetryDelayMs);
            continue;
        }
        // A short write (a full disk) must not leave a truncated copy behind.
        if (!WriteStream(&destination, CopyBuffer, n)) {
            Fail();
            break;
        }
        Progress.copiedBytes += static_cast<LONG>(n);
        MoveBar();
        SendMessageA(Progress.progressWindow, WM_PAINT, 0, 0);
    }
    CloseStream(&destination);
    // Ended by a cancel or a failure: the half-copied file goes.
    if (!source.endOfFile || CopyFailed)
        DeleteFileA(DestinationPath);
    CloseStream(&source);
}

void CopyPair(const char* directory, const char* pattern)
{
    // Every pair makes its directories, even after a cancel.
    char target[PathCapacity];
    if (CopyText(target, PathCapacity, InstallRoot) && AppendText(target, PathCapacity, directory))
        CreatePathDirectories(target);
    WIN32_FIND_DATAA found;
    HANDLE search = BeginSearch(directory, pattern, &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    bool more = true;
    while (more && !StopRequested()) {
        if (IsFile(found) && BuildPaths(directory, found.cFileName))
            CopyOneFile();
        more = FindNextFileA(search, &found) != FALSE;
    }
    FindClose(search);
}

void RunFileSet(int level)
{
    int count;
    const FilePair* pairs = FileSetOf(level, &count);
    for (int i = 0; i < count; i++)
        AddPairSizes(pairs[i].directory, pairs[i].pattern);
    for (int i = 0; i < count; i++)
        CopyPair(pairs[i].directory, pairs[i].pattern);
}
