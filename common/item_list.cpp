// Item-id lists go back to the shell's allocator.
#include "common.h"

void FreeItemList(LPITEMIDLIST List)
{
    LPMALLOC Allocator;
    if (SHGetMalloc(&Allocator) != S_OK)
        return;
    Allocator->Free(List);
    Allocator->Release();
}
