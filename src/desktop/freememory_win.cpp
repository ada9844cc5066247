#include "freememory.h"

#include <malloc.h>

void returnFreeMemory()
{
    _heapmin();
}
