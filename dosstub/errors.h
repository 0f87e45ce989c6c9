// The C library's usual texts for the errors the stub can meet.
#pragma once

// Error numbers as the C library numbers them.
enum ErrorNumber {
    NoSuchFile = 2,       // ENOENT
    ArgListTooBig = 7,    // E2BIG
    ExecFormat = 8,       // ENOEXEC
    NoMemory = 12,        // ENOMEM
    Permission = 13,      // EACCES
    InvalidArgument = 22, // EINVAL
    TooManyFiles = 24,    // EMFILE
};

// The error number for the DOS error code of a file call.
int ErrorFromDos(int dosError);
const char* ErrorText(int error);
