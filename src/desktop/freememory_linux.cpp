#include "freememory.h"

#include <malloc.h>

void returnFreeMemory()
{
    // Unlike a free(), this also releases whole free pages below the top of the heap.
    malloc_trim(0);
}
