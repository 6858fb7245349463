#include "gfx/gfx_global_memory.h"

#include "gfx/gfx_native.h"

#include <vector>

class GfxGlobalBlock : public GfxNative {
 public:
  std::vector<char> bytes;
  int locks = 0;
};

GfxGlobalHandle GfxGlobalAlloc(unsigned, std::size_t bytes) {
  auto* block = new GfxGlobalBlock;
  block->bytes.assign(bytes, 0);  // always zeroed: stale heap bytes never leak into an image
  return block;
}

GfxGlobalHandle GfxGlobalFree(GfxGlobalHandle block) {
  if (!block) return block;
  block->Release();
  return nullptr;
}

std::size_t GfxGlobalSize(GfxGlobalHandle block) { return block ? block->bytes.size() : 0; }

bool GfxGlobalReAlloc(GfxGlobalHandle block, std::size_t bytes) {
  if (!block) return false;
  block->bytes.resize(bytes, 0);
  return true;
}

char* GfxGlobalLock(GfxGlobalHandle block) {
  if (!block) return nullptr;
  ++block->locks;
  return block->bytes.data();
}

bool GfxGlobalUnlock(GfxGlobalHandle block) {
  if (!block || block->locks == 0) return false;
  return --block->locks > 0;
}

void GfxGlobalRetain(GfxGlobalHandle block) {
  if (block) block->Retain();
}

void GfxGlobalRelease(GfxGlobalHandle block) {
  if (block) block->Release();
}
