#include "pe_resources.h"

ResourceName ResourceId(std::uint16_t id)
{
    ResourceName n;
    n.id = id;
    return n;
}

ResourceName ResourceString(const std::u16string& name)
{
    ResourceName n;
    n.isName = true;
    n.name = name;
    return n;
}

bool operator==(const ResourceName& a, const ResourceName& b)
{
    return a.isName == b.isName && (a.isName ? a.name == b.name : a.id == b.id);
}

std::string Describe(const ResourceName& name)
{
    return name.isName ? "\"" + Printable(name.name) + "\"" : "#" + std::to_string(name.id);
}

namespace {

struct TreeReader {
    const PeImage& image;
    Bytes section; // the whole resource directory, offsets are relative to it
    std::vector<ResourceEntry>& entries;
    std::string& error;

    bool ReadName(std::uint32_t field, ResourceName& name)
    {
        if (!(field & 0x80000000u)) {
            name = ResourceId(static_cast<std::uint16_t>(field));
            return true;
        }
        std::size_t at = field & 0x7FFFFFFFu;
        std::uint16_t length = ReadU16(section, at);
        if (!InRange(section, at + 2, 2u * length)) {
            error = "resource name outside the resource directory";
            return false;
        }
        std::u16string text;
        for (std::uint16_t i = 0; i < length; i++)
            text += static_cast<char16_t>(ReadU16(section, at + 2 + 2u * i));
        name = ResourceString(text);
        return true;
    }

    // level 0 types, 1 names, 2 languages; the leaves hang below level 2.
    bool ReadDirectory(std::size_t at, int level, ResourceEntry path)
    {
        if (!InRange(section, at, 16)) {
            error = "resource directory outside the resource section";
            return false;
        }
        std::size_t count = static_cast<std::size_t>(ReadU16(section, at + 12)) + ReadU16(section, at + 14);
        if (!InRange(section, at + 16, 8 * count)) {
            error = "resource directory entries truncated";
            return false;
        }
        for (std::size_t i = 0; i < count; i++) {
            std::size_t e = at + 16 + 8 * i;
            std::uint32_t nameField = ReadU32(section, e);
            std::uint32_t target = ReadU32(section, e + 4);
            ResourceEntry next = path;
            if (level == 0) {
                if (!ReadName(nameField, next.type))
                    return false;
            } else if (level == 1) {
                if (!ReadName(nameField, next.name))
                    return false;
            } else {
                next.language = static_cast<std::uint16_t>(nameField);
            }
            bool isDirectory = (target & 0x80000000u) != 0;
            if (isDirectory != (level < 2)) {
                error = "resource tree is not three levels deep at " + Describe(next.type);
                return false;
            }
            if (isDirectory) {
                if (!ReadDirectory(target & 0x7FFFFFFFu, level + 1, next))
                    return false;
                continue;
            }
            if (!InRange(section, target, 16)) {
                error = "resource data entry outside the resource section";
                return false;
            }
            std::uint32_t dataRva = ReadU32(section, target);
            std::uint32_t size = ReadU32(section, target + 4);
            next.data = ReadAtRva(image, dataRva, size);
            if (next.data.size() != size) {
                error = "data of resource " + Describe(next.type) + "/" + Describe(next.name) + " outside the file";
                return false;
            }
            entries.push_back(next);
        }
        return true;
    }
};

} // namespace

bool ReadResources(const PeImage& image, std::vector<ResourceEntry>& entries, std::string& error)
{
    entries.clear();
    if (image.directories.size() <= ResourceDirectory || image.directories[ResourceDirectory].rva == 0) {
        error = "no resource directory";
        return false;
    }
    const PeDataDirectory& d = image.directories[ResourceDirectory];
    TreeReader reader{image, ReadAtRva(image, d.rva, d.size), entries, error};
    if (reader.section.empty()) {
        error = "resource directory outside the file";
        return false;
    }
    return reader.ReadDirectory(0, 0, ResourceEntry());
}

std::vector<const ResourceEntry*> FindResources(const std::vector<ResourceEntry>& entries, const ResourceName& type)
{
    std::vector<const ResourceEntry*> found;
    for (const ResourceEntry& e : entries)
        if (e.type == type)
            found.push_back(&e);
    return found;
}

std::vector<const ResourceEntry*> FindResources(const std::vector<ResourceEntry>& entries, const ResourceName& type,
                                                const ResourceName& name)
{
    std::vector<const ResourceEntry*> found;
    for (const ResourceEntry& e : entries)
        if (e.type == type && e.name == name)
            found.push_back(&e);
    return found;
}
