// The import table of a PE file: each DLL named and what is taken from it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pe_image.h"

struct ImportedDll {
    std::string name;
    std::vector<std::string> functions;  // imports by name
    std::vector<std::uint16_t> ordinals; // imports by ordinal
};

// False with a reason when the table cannot be walked to its end.
bool ReadImports(const PeImage& image, std::vector<ImportedDll>& dlls, std::string& error);
