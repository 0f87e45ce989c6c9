// The memory functions that the compiler may call on its own (structure copies
// and clears). Written as plain loops, and kept out of the optimiser's reach
// that would turn these loops back into calls of themselves.
#include <stddef.h>

#define PLAIN_LOOP __attribute__((optimize("no-tree-loop-distribute-patterns")))

extern "C" {

PLAIN_LOOP void* memset(void* destination, int value, size_t count)
{
    unsigned char* d = static_cast<unsigned char*>(destination);
    while (count-- > 0)
        *d++ = static_cast<unsigned char>(value);
    return destination;
}

PLAIN_LOOP void* memcpy(void* destination, const void* source, size_t count)
{
    unsigned char* d = static_cast<unsigned char*>(destination);
    const unsigned char* s = static_cast<const unsigned char*>(source);
    while (count-- > 0)
        *d++ = *s++;
    return destination;
}
}
