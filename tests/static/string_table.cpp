#include "string_table.h"

bool ReadStringTable(const std::vector<ResourceEntry>& entries, std::map<int, std::u16string>& strings,
                     std::string& error)
{
    strings.clear();
    for (const ResourceEntry* block : FindResources(entries, ResourceId(RtString))) {
        if (block->name.isName || block->name.id == 0) {
            error = "string block " + Describe(block->name) + " is not numbered";
            return false;
        }
        const Bytes& d = block->data;
        std::size_t at = 0;
        for (int i = 0; i < 16; i++) {
            if (!InRange(d, at, 2)) {
                error = "string block " + Describe(block->name) + " truncated";
                return false;
            }
            std::size_t length = ReadU16(d, at);
            at += 2;
            if (!InRange(d, at, 2 * length)) {
                error = "string block " + Describe(block->name) + " truncated";
                return false;
            }
            int id = 16 * (block->name.id - 1) + i;
            if (length > 0) {
                std::u16string text;
                for (std::size_t k = 0; k < length; k++)
                    text += static_cast<char16_t>(ReadU16(d, at + 2 * k));
                if (!strings.emplace(id, text).second) {
                    error = "string " + std::to_string(id) + " stored more than once";
                    return false;
                }
            }
            at += 2 * length;
        }
    }
    return true;
}
