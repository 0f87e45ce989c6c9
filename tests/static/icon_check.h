// The icons: groups 501 (32 x 32) and 502 (16 x 16), one 16-colour image
// each, icon images 1 and 2.
#pragma once

#include <string>
#include <vector>

#include "pe_resources.h"

std::vector<std::string> CheckIcons(const std::vector<ResourceEntry>& resources);
