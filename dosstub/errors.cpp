#include "errors.h"

// Pairs of a DOS error code and the error number it becomes; the last pair
// has code 0, and its number is what unlisted codes get.
const char DosErrors[] = {2,
                          NoSuchFile,
                          3,
                          NoSuchFile,
                          15,
                          NoSuchFile,
                          4,
                          TooManyFiles,
                          5,
                          Permission,
                          12,
                          Permission,
                          8,
                          NoMemory,
                          11,
                          ExecFormat,
                          0,
                          InvalidArgument};

// Each entry an error number as one byte, then its text and NUL; the last
// entry has number 0, and its text is what unlisted numbers get.
const char Texts[] = "\x02No such file or directory\0"
                     "\x07"
                     "Argument list too big\0"
                     "\x08"
                     "Exec format error\0"
                     "\x0C"
                     "Not enough memory\0"
                     "\x0D"
                     "Permission denied\0"
                     "\x16"
                     "Invalid argument\0"
                     "\x18"
                     "Too many open files\0"
                     "\x00"
                     "Unknown error";

int ErrorFromDos(int dosError)
{
    const char* p = DosErrors;
    while (p[0] && p[0] != dosError)
        p += 2;
    return p[1];
}

const char* ErrorText(int error)
{
    const char* p = Texts;
    while (*p && *p != error) {
        while (*p++) {
        }
    }
    return p + 1;
}
