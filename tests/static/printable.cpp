#include "printable.h"

#include <cstdio>

std::string Printable(const std::u16string& text)
{
    std::string out;
    for (char16_t c : text) {
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char hex[16];
            std::snprintf(hex, sizeof hex, "<U+%04X>", static_cast<unsigned>(c));
            out += hex;
        }
    }
    return out;
}
