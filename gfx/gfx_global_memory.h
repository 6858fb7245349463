#pragma once
#include <cstddef>

// Movable memory blocks in the manner of the platform's global heap: allocated, sized, locked for
// access and freed by handle. A block lives while its allocation or a stream over it holds it.
class GfxGlobalBlock;
using GfxGlobalHandle = GfxGlobalBlock*;

constexpr unsigned GfxGmemMoveable = 0x2;
constexpr unsigned GfxGmemZeroInit = 0x40;

GfxGlobalHandle GfxGlobalAlloc(unsigned flags, std::size_t bytes);
// Frees the allocation; answers null on success, the handle itself when it was null.
GfxGlobalHandle GfxGlobalFree(GfxGlobalHandle block);
std::size_t GfxGlobalSize(GfxGlobalHandle block);
bool GfxGlobalReAlloc(GfxGlobalHandle block, std::size_t bytes);
// The block's address while locked; null for a null block.
char* GfxGlobalLock(GfxGlobalHandle block);
bool GfxGlobalUnlock(GfxGlobalHandle block);
// Holders other than the allocation (streams) keep the block alive with these.
void GfxGlobalRetain(GfxGlobalHandle block);
void GfxGlobalRelease(GfxGlobalHandle block);
