#include "app/memory_policy.h"

#include <cstddef>  // defines __GLIBC__ on the GNU C library

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void KeepFreedMemory()
{
#if defined(__GLIBC__)
    // The heap's top is trimmed only past 256 MB and grows 16 MB at a time; blocks below 32 MB
    // (a page's buffers, zlib's state) come from the heap rather than from fresh mappings.
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
    mallopt(M_TOP_PAD, 16 * 1024 * 1024);
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
#endif
}
