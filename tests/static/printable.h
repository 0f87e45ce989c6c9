// UTF-16 text as 7-bit text for failure messages.
#pragma once

#include <string>

// Printable ASCII as it is; every other character as <U+XXXX>.
std::string Printable(const std::u16string& text);
