#include "errors.h"

namespace {

// Pairs of a DOS error code and the error number it becomes; the last pair
// has code 0, and its number is what unlisted codes get.
const char kDosErrors[] = {
    2, kNoSuchFile, 3, kNoSuchFile, 15, kNoSuchFile, 4, kTooManyFiles, 5, kPermission,
    12, kPermission, 8, kNoMemory, 11, kExecFormat, 0, kInvalidArgument};

// Each entry an error number as one byte, then its text and NUL; the last
// entry has number 0, and its text is what unlisted numbers get.
const char kTexts[] =
    "\x02No such file or directory\0"
    "\x07" "Argument list too big\0"
    "\x08" "Exec format error\0"
    "\x0C" "Not enough memory\0"
    "\x0D" "Permission denied\0"
    "\x16" "Invalid argument\0"
    "\x18" "Too many open files\0"
    "\x00" "Unknown error";

}  // namespace

int ErrorFromDos(int dosError) {
    const char* p = kDosErrors;
    while (p[0] && p[0] != dosError) p += 2;
    return p[1];
}

const char* ErrorText(int error) {
    const char* p = kTexts;
    while (*p && *p != error) {
        while (*p++) {
        }
    }
    return p + 1;
}
