#include "pe_imports.h"

bool ReadImports(const PeImage& image, std::vector<ImportedDll>& dlls, std::string& error)
{
    dlls.clear();
    if (image.directories.size() <= ImportDirectory || image.directories[ImportDirectory].rva == 0)
        return true;
    std::uint32_t rva = image.directories[ImportDirectory].rva;
    const std::uint32_t thunkSize = image.IsPe32Plus() ? 8 : 4;
    for (;; rva += 20) {
        Bytes d = ReadAtRva(image, rva, 20);
        if (d.empty()) {
            error = "import descriptor outside the file";
            return false;
        }
        std::uint32_t lookup = ReadU32(d, 0);
        std::uint32_t nameRva = ReadU32(d, 12);
        std::uint32_t address = ReadU32(d, 16);
        if (lookup == 0 && nameRva == 0 && address == 0)
            return true;
        ImportedDll dll;
        if (!ReadAsciiAtRva(image, nameRva, dll.name)) {
            error = "import DLL name outside the file";
            return false;
        }
        // The lookup table when there is one, else the address table, which
        // holds the same entries in a file not yet bound.
        std::uint32_t thunk = lookup != 0 ? lookup : address;
        for (;; thunk += thunkSize) {
            Bytes t = ReadAtRva(image, thunk, thunkSize);
            if (t.empty()) {
                error = "import thunk of " + dll.name + " outside the file";
                return false;
            }
            std::uint64_t entry = thunkSize == 8 ? ReadU64(t, 0) : ReadU32(t, 0);
            if (entry == 0)
                break;
            std::uint64_t ordinalFlag = thunkSize == 8 ? (1ull << 63) : (1ull << 31);
            if (entry & ordinalFlag) {
                dll.ordinals.push_back(static_cast<std::uint16_t>(entry & 0xFFFF));
                continue;
            }
            std::string function;
            // Hint word first, then the name.
            if (!ReadAsciiAtRva(image, static_cast<std::uint32_t>(entry & 0x7FFFFFFF) + 2, function)) {
                error = "import name of " + dll.name + " outside the file";
                return false;
            }
            dll.functions.push_back(function);
        }
        dlls.push_back(dll);
    }
}
