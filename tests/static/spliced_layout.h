// The layout the stub splicer (tools/splice) makes, as its tests and the
// checks of the built executables see it.
#pragma once

#include <string>

#include "pe_image.h"

// True when `file` begins with the DOS program `stub` (all but its e_lfanew),
// e_lfanew is the next multiple of 8 after it, the gap is zero, and the PE
// headers end below the first section and the section data. False, with the
// reason, otherwise.
bool CheckSplicedLayout(const Bytes& file, const Bytes& stub, std::string& why);
