#include "icon_check.h"

#include "icon_group.h"

namespace {

struct ExpectedIcon {
    std::uint16_t group;
    std::uint16_t image;
    int size; // width and height in pixels
    std::uint32_t bytes;
};

} // namespace

// A 4-bit image: header, 16-entry palette, colour rows and mask rows, each
// row padded to 4 bytes.
const ExpectedIcon Icons[] = {
    {501, 1, 32, 744},
    {502, 2, 16, 296},
};

static void Field(std::vector<std::string>& out, const std::string& where, const char* name, long long expected,
                  long long found)
{
    if (expected != found)
        out.push_back(where + ": " + name + " " + std::to_string(expected) + " expected, " + std::to_string(found) +
                      " found");
}

static const ResourceEntry* Single(std::vector<std::string>& out, const std::vector<ResourceEntry>& resources,
                                   std::uint16_t type, std::uint16_t id, const std::string& where)
{
    std::vector<const ResourceEntry*> found = FindResources(resources, ResourceId(type), ResourceId(id));
    if (found.size() != 1) {
        out.push_back(where + ": stored " + std::to_string(found.size()) + " times, once expected");
        return nullptr;
    }
    return found[0];
}

std::vector<std::string> CheckIcons(const std::vector<ResourceEntry>& resources)
{
    std::vector<std::string> out;
    for (const ExpectedIcon& icon : Icons) {
        std::string where = "icon group " + std::to_string(icon.group);
        const ResourceEntry* group = Single(out, resources, RtGroupIcon, icon.group, where);
        if (group == nullptr)
            continue;
        std::vector<IconGroupEntry> entries;
        std::string error;
        if (!ParseIconGroup(group->data, entries, error)) {
            out.push_back(where + ": " + error);
            continue;
        }
        Field(out, where, "images", 1, static_cast<long long>(entries.size()));
        if (entries.size() != 1)
            continue;
        const IconGroupEntry& e = entries[0];
        Field(out, where, "width", icon.size, e.width);
        Field(out, where, "height", icon.size, e.height);
        Field(out, where, "colours", 16, e.colourCount);
        // The entry may leave planes and bits to the image itself (0).
        if (e.planes != 0)
            Field(out, where, "planes", 1, e.planes);
        if (e.bitCount != 0)
            Field(out, where, "bits per pixel", 4, e.bitCount);
        Field(out, where, "bytes of the image", icon.bytes, e.bytesInResource);
        Field(out, where, "image resource", icon.image, e.iconId);

        std::string imageWhere = "icon image " + std::to_string(icon.image);
        const ResourceEntry* image = Single(out, resources, RtIcon, icon.image, imageWhere);
        if (image == nullptr)
            continue;
        const Bytes& d = image->data;
        Field(out, imageWhere, "size in bytes", icon.bytes, static_cast<long long>(d.size()));
        if (!InRange(d, 0, 40)) {
            out.push_back(imageWhere + ": shorter than a BITMAPINFOHEADER");
            continue;
        }
        Field(out, imageWhere, "header size", 40, ReadU32(d, 0));
        Field(out, imageWhere, "width", icon.size, static_cast<std::int32_t>(ReadU32(d, 4)));
        Field(out, imageWhere, "height (colour and mask)", 2 * icon.size, static_cast<std::int32_t>(ReadU32(d, 8)));
        Field(out, imageWhere, "planes", 1, ReadU16(d, 12));
        Field(out, imageWhere, "bits per pixel", 4, ReadU16(d, 14));
        Field(out, imageWhere, "compression", 0, ReadU32(d, 16));
    }
    // No other icons: the shell would show whichever group comes first.
    for (const ResourceEntry* g : FindResources(resources, ResourceId(RtGroupIcon)))
        if (g->name.isName || (g->name.id != 501 && g->name.id != 502))
            out.push_back("icon group " + Describe(g->name) + ": not expected");
    for (const ResourceEntry* i : FindResources(resources, ResourceId(RtIcon)))
        if (i->name.isName || (i->name.id != 1 && i->name.id != 2))
            out.push_back("icon image " + Describe(i->name) + ": not expected");
    return out;
}
