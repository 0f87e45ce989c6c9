// The resource tree of a PE file, flattened to one entry per
// (type, name, language) with its data.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pe_image.h"
#include "printable.h"

// A resource type or name: an ordinal, or a UTF-16 name as stored (the
// resource compiler stores names in upper case).
struct ResourceName {
    bool isName = false;
    std::uint16_t id = 0;
    std::u16string name;
};

ResourceName ResourceId(std::uint16_t id);
ResourceName ResourceString(const std::u16string& name);
bool operator==(const ResourceName& a, const ResourceName& b);
std::string Describe(const ResourceName& name);

enum ResourceType : std::uint16_t {
    RtBitmap = 2,
    RtIcon = 3,
    RtDialog = 5,
    RtString = 6,
    RtGroupIcon = 14,
};

struct ResourceEntry {
    ResourceName type;
    ResourceName name;
    std::uint16_t language = 0;
    Bytes data;
};

bool ReadResources(const PeImage& image, std::vector<ResourceEntry>& entries, std::string& error);

// The entries of one type, or of one type and name, in tree order.
std::vector<const ResourceEntry*> FindResources(const std::vector<ResourceEntry>& entries, const ResourceName& type);
std::vector<const ResourceEntry*> FindResources(const std::vector<ResourceEntry>& entries, const ResourceName& type,
                                                const ResourceName& name);
