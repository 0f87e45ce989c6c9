// The string table every edition must carry: fourteen rows of six languages.
#pragma once

#include <map>
#include <string>
#include <vector>

struct ExpectedStringRow {
    int base; // ids base + 0 (English) to base + 5 (Nederlands)
    std::u16string texts[6];
};

const std::vector<ExpectedStringRow>& ExpectedStrings();

// One line per missing, different or unexpected string, naming the row.
std::vector<std::string> CompareStrings(const std::map<int, std::u16string>& actual,
                                        const std::vector<ExpectedStringRow>& expected);
