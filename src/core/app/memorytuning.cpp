#include "memorytuning.h"

#include <cstdlib> // defines __GLIBC__ where it applies

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void TuneMemoryAllocator()
{
#if defined(__GLIBC__)
    mallopt(M_MXFAST, 0);
    // A page is built on a worker thread, whose arena handed its memory back
    // to the system after every build and took it again page by page in the
    // next one: a fifth of a large page's time went on those faults. Up to
    // 64 MB of free memory stays with each arena, and blocks of up to 16 MB
    // come from it rather than from a mapping of their own.
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
    mallopt(M_MMAP_THRESHOLD, 16 * 1024 * 1024);
#endif
}
