// The string table: RT_STRING blocks of sixteen counted UTF-16 strings,
// block n holding ids 16 * (n - 1) to 16 * (n - 1) + 15.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "pe_resources.h"

// Every non-empty string of all blocks by id. False with a reason for a block
// that does not hold its sixteen strings, or an id stored twice (two languages).
bool ReadStringTable(const std::vector<ResourceEntry>& entries, std::map<int, std::u16string>& strings,
                     std::string& error);
