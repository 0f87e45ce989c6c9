// A binary file stream over the system's file handles: the program has no C
// runtime, but the copy wants the C library's end-of-file behaviour.
#pragma once
#include <windows.h>

struct FileStream {
    HANDLE handle;
    // Set only by a read that reached the end of the file, as the C library's
    // indicator is: a read of exactly the bytes that were left does not set it.
    bool endOfFile;
};

// Opens an existing file for reading. False when it cannot be opened.
bool OpenStreamForReading(FileStream* stream, const char* path);

// Creates a file for writing, truncating one that exists. False on failure.
bool CreateStreamForWriting(FileStream* stream, const char* path);

// Reads up to `size` bytes. Sets *failed when the system call failed, in which
// case nothing was read and the end-of-file indicator is left as it was.
DWORD ReadStream(FileStream* stream, void* buffer, DWORD size, bool* failed);

// Writes all `size` bytes; false when the write failed or wrote fewer, with
// the system's error code (ERROR_DISK_FULL for a short write) to GetLastError.
bool WriteStream(FileStream* stream, const void* buffer, DWORD size);

void CloseStream(FileStream* stream);
