#include "icon_group.h"

bool ParseIconGroup(const Bytes& data, std::vector<IconGroupEntry>& entries, std::string& error)
{
    entries.clear();
    if (!InRange(data, 0, 6) || ReadU16(data, 0) != 0 || ReadU16(data, 2) != 1) {
        error = "no icon group header (reserved 0, type 1)";
        return false;
    }
    std::uint16_t count = ReadU16(data, 4);
    // GRPICONDIRENTRY: 14 bytes, the image's resource id in place of the
    // file offset of an .ico file's entry.
    if (!InRange(data, 6, 14u * count)) {
        error = "icon group entries truncated";
        return false;
    }
    for (std::uint16_t i = 0; i < count; i++) {
        std::size_t at = 6 + 14u * i;
        IconGroupEntry e;
        e.width = ReadU8(data, at);
        e.height = ReadU8(data, at + 1);
        e.colourCount = ReadU8(data, at + 2);
        e.planes = ReadU16(data, at + 4);
        e.bitCount = ReadU16(data, at + 6);
        e.bytesInResource = ReadU32(data, at + 8);
        e.iconId = ReadU16(data, at + 12);
        entries.push_back(e);
    }
    return true;
}
