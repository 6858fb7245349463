#pragma once
#include "gfx/gfx_global_memory.h"
#include "gfx/gfx_native.h"

#include <QByteArray>
#include <cstring>

// A byte stream over a global memory block, in the manner of a stream on global memory: reads and
// writes at a position, growing the block on writes past its end. It keeps its block alive while it
// exists; with deleteOnRelease it also frees the allocation when released for the last time.
class GfxNativeStream : public GfxNative {
 public:
  GfxNativeStream(GfxGlobalHandle block, bool deleteOnRelease) : block_(block), deleteOnRelease_(deleteOnRelease) {
    GfxGlobalRetain(block_);
  }
  ~GfxNativeStream() override {
    if (deleteOnRelease_) GfxGlobalFree(block_);
    GfxGlobalRelease(block_);
  }
  GfxGlobalHandle Block() const { return block_; }
  QByteArray ReadAll() const {
    const char* data = GfxGlobalLock(block_);
    QByteArray bytes(data, static_cast<qsizetype>(GfxGlobalSize(block_)));
    GfxGlobalUnlock(block_);
    return bytes;
  }
  void WriteAll(const QByteArray& bytes) {
    GfxGlobalReAlloc(block_, static_cast<std::size_t>(bytes.size()));
    char* data = GfxGlobalLock(block_);
    if (data && !bytes.isEmpty()) std::memcpy(data, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    GfxGlobalUnlock(block_);
  }

 private:
  GfxGlobalHandle block_;
  bool deleteOnRelease_;
};
