// The system functions the program may import: each DLL it may link against
// and the functions of it that the first release of Windows 95 exports.
#pragma once

#include <string>
#include <vector>

#include "pe_imports.h"

struct SystemDll {
    const char* name; // upper case; import names are compared without case
    std::vector<std::string> functions;
};

const std::vector<SystemDll>& Windows95Functions();

// One line per DLL that is not one of the system's four, per function that
// its DLL did not export on Windows 95, per import by ordinal, and per system
// DLL not named exactly once.
std::vector<std::string> CheckImports(const std::vector<ImportedDll>& imports, const std::vector<SystemDll>& allowed);
