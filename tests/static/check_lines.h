// Differences as a failure message, one per line.
#pragma once

#include <string>
#include <vector>

inline std::string Lines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += "\n  " + line;
    return text;
}
