#include "runtime/file_stream.h"

static void Reset(FileStream* stream, HANDLE handle)
{
    stream->handle = handle;
    stream->endOfFile = false;
}

bool OpenStreamForReading(FileStream* stream, const char* path)
{
    Reset(stream,
          CreateFileA(path,
                      GENERIC_READ,
                      FILE_SHARE_READ,
                      nullptr,
                      OPEN_EXISTING,
                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN,
                      nullptr));
    return stream->handle != INVALID_HANDLE_VALUE;
}

bool CreateStreamForWriting(FileStream* stream, const char* path)
{
    Reset(stream, CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return stream->handle != INVALID_HANDLE_VALUE;
}

DWORD ReadStream(FileStream* stream, void* buffer, DWORD size, bool* failed)
{
    DWORD done = 0;
    *failed = ReadFile(stream->handle, buffer, size, &done, nullptr) == FALSE;
    if (*failed)
        return 0;
    // A successful read that comes back short has met the end of the file.
    if (done < size)
        stream->endOfFile = true;
    return done;
}

bool WriteStream(FileStream* stream, const void* buffer, DWORD size)
{
    DWORD done = 0;
    if (!WriteFile(stream->handle, buffer, size, &done, nullptr))
        return false;
    // A write that comes back short without an error has met a full disk.
    if (done != size) {
        SetLastError(ERROR_DISK_FULL);
        return false;
    }
    return true;
}

void CloseStream(FileStream* stream)
{
    if (stream->handle != INVALID_HANDLE_VALUE)
        CloseHandle(stream->handle);
    stream->handle = INVALID_HANDLE_VALUE;
}
