#pragma once
#include "gfx/gfx_global_memory.h"

#include <QByteArray>

class GfxNativeStream;

// Bytes in a movable memory block with a stream over it; the stream does not free the block,
// Release frees both.
class GfxMemStream {
 public:
  GfxMemStream() = default;
  GfxMemStream(const GfxMemStream& other);
  GfxMemStream& operator=(const GfxMemStream& other);
  ~GfxMemStream();

  // Replaces any earlier content; without lengthGiven the length is the byte count. Null on a bad length.
  GfxNativeStream* CreateFromBytes(const QByteArray& bytes, qsizetype length = 0, bool lengthGiven = false);
  void Release();
  std::size_t GetSize() const;
  GfxNativeStream* GetStream() const { return stream_; }
  GfxGlobalHandle GetMemory() const { return block_; }
  // Takes over the block of an existing stream.
  bool AttachFromStream(GfxNativeStream* stream);
  QByteArray ReadAllBytes() const;

 private:
  GfxNativeStream* stream_ = nullptr;
  GfxGlobalHandle block_ = nullptr;
};
