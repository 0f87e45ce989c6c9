// Registry helpers of the tests: raw values in and out, keys removed whole.
// The unit tests, which link the program's code, and the black-box driver,
// which reads from outside what the real program stored, share them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testreg {

struct Value {
    bool present = false;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    DWORD Dword() const;        // the first four bytes, whatever the type
    std::string String() const; // data up to the first NUL
};

// In this program's registry view, or with view KEY_WOW64_32KEY or
// KEY_WOW64_64KEY in that one.
Value ReadValue(HKEY root, const char* key, const char* name, REGSAM view = 0);
bool KeyExists(HKEY root, const char* key);
// Creates the key when it is missing.
void WriteValue(HKEY root, const char* key, const char* name, DWORD type, const void* data, DWORD size);
void WriteString(HKEY root, const char* key, const char* name, const std::string& text);
void WriteDword(HKEY root, const char* key, const char* name, DWORD value);
// The key and everything below it.
void DeleteKey(HKEY root, const char* key);
// Everything the program stores: the maker's key under both roots and the
// uninstall entry under HKEY_LOCAL_MACHINE.
void DeleteProductKeys(const char* makerKey, const char* uninstallEntry);

} // namespace testreg
