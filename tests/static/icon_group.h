// A group icon resource (RT_GROUP_ICON): the directory that names the icon
// images (RT_ICON) of one icon.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "byte_reader.h"

struct IconGroupEntry {
    std::uint8_t width = 0;
    std::uint8_t height = 0;
    std::uint8_t colourCount = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t bytesInResource = 0;
    std::uint16_t iconId = 0;
};

bool ParseIconGroup(const Bytes& data, std::vector<IconGroupEntry>& entries, std::string& error);
