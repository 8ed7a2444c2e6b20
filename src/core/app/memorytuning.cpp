#include "memorytuning.h"

#include <cstdlib> // defines __GLIBC__ where it applies

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void TuneMemoryAllocator()
{
#if defined(__GLIBC__)
    mallopt(M_MXFAST, 0);
#endif
}
