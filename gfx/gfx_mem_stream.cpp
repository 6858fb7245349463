#include "gfx/gfx_mem_stream.h"

#include "gfx/gfx_native_stream.h"

#include <algorithm>
#include <cstring>

// Copies share the stream and the block; each holds its own reference to both.
GfxMemStream::GfxMemStream(const GfxMemStream& other) : stream_(other.stream_), block_(other.block_) {
  GfxRetain(stream_);
  GfxGlobalRetain(block_);
}

GfxMemStream& GfxMemStream::operator=(const GfxMemStream& other) {
  if (this == &other) return *this;
  GfxRetain(other.stream_);
  GfxGlobalRetain(other.block_);
  Release();
  stream_ = other.stream_;
  block_ = other.block_;
  return *this;
}

GfxMemStream::~GfxMemStream() { Release(); }

GfxNativeStream* GfxMemStream::CreateFromBytes(const QByteArray& bytes, qsizetype length, bool lengthGiven) {
  Release();
  if (lengthGiven && length < 0) return nullptr;
  const qsizetype size = lengthGiven ? length : bytes.size();
  block_ = GfxGlobalAlloc(GfxGmemMoveable | GfxGmemZeroInit, std::size_t(size));
  stream_ = new GfxNativeStream(block_, false);
  char* data = GfxGlobalLock(block_);
  const qsizetype copied = std::min(size, bytes.size());
  if (copied > 0) std::memcpy(data, bytes.constData(), std::size_t(copied));
  GfxGlobalUnlock(block_);
  return stream_;
}

void GfxMemStream::Release() {
  GfxRelease(stream_);
  stream_ = nullptr;
  GfxGlobalFree(block_);
  block_ = nullptr;
}

std::size_t GfxMemStream::GetSize() const { return GfxGlobalSize(block_); }

bool GfxMemStream::AttachFromStream(GfxNativeStream* stream) {
  if (!stream) return false;
  stream->Retain();
  GfxGlobalRetain(stream->Block());
  Release();
  stream_ = stream;
  block_ = stream->Block();
  return true;
}

QByteArray GfxMemStream::ReadAllBytes() const { return stream_ ? stream_->ReadAll() : QByteArray(); }
