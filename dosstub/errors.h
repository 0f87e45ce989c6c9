// The C library's usual texts for the errors the stub can meet.
#pragma once

// Error numbers as the C library numbers them.
enum ErrorNumber {
    kNoSuchFile = 2,       // ENOENT
    kArgListTooBig = 7,    // E2BIG
    kExecFormat = 8,       // ENOEXEC
    kNoMemory = 12,        // ENOMEM
    kPermission = 13,      // EACCES
    kInvalidArgument = 22, // EINVAL
    kTooManyFiles = 24,    // EMFILE
};

// The error number for the DOS error code of a file call.
int ErrorFromDos(int dosError);
const char* ErrorText(int error);
