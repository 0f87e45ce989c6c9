// Registry helpers of the tests: raw values in, raw values out, clean keys.
#pragma once
#include <windows.h>

#include <string>

struct StoredValue {
    bool present;
    DWORD type;
    std::string bytes;
};

StoredValue ReadValue(HKEY root, const char* path, const char* name);
void WriteValue(HKEY root, const char* path, const char* name, DWORD type, const void* data, DWORD size);
void WriteDword(HKEY root, const char* path, const char* name, DWORD value);
bool KeyExists(HKEY root, const char* path);
void DeleteTree(HKEY root, const char* path);

// A DWORD value as it was stored, or -1 when absent or of another shape.
long long ReadDword(HKEY root, const char* path, const char* name);

// Removes every key the program writes, under both roots.
void ForgetEverything();
