// Registry helpers of the unit tests: those the tests share
// (common/registry.h), with the bytes of a value as a string, and the
// program's own key paths.
#pragma once

#include "common/registry.h"

#include <string>

struct StoredValue {
    bool present;
    DWORD type;
    std::string bytes;
};

StoredValue ReadValue(HKEY root, const char* path, const char* name);
using testreg::KeyExists;
using testreg::WriteDword;
using testreg::WriteValue;

// A DWORD value as it was stored, or -1 when absent or of another shape.
long long ReadDword(HKEY root, const char* path, const char* name);

// Removes every key the program writes, under both roots.
void ForgetEverything();
