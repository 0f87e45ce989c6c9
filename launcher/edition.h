// The edition this build makes. The one place that reads QUORIX_EDITION: the
// rest of the code asks ThisEdition, and the build picks the edition's resources.
#pragma once

enum class Edition { German = 1, English = 2, Multilingual = 3 };

#if !defined(QUORIX_EDITION) || QUORIX_EDITION < 1 || QUORIX_EDITION > 3
#error "QUORIX_EDITION must be 1 (German), 2 (English) or 3 (Multilingual)"
#endif

constexpr Edition ThisEdition = static_cast<Edition>(QUORIX_EDITION);

// The edition value that the game reads from MISC.
constexpr int EditionMiscValue = ThisEdition == Edition::English ? 1 : 0;
