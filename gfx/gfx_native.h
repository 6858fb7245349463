#pragma once
#include <atomic>

// Base of every native object handed out by the layer. Wrappers share a native object by
// reference: copying a wrapper takes a reference, destroying or deleting drops it, and the object
// goes when its last holder lets go, so a copied wrapper never deletes under its twin.
class GfxNative {
 public:
  GfxNative() = default;
  GfxNative(const GfxNative&) = delete;
  GfxNative& operator=(const GfxNative&) = delete;
  virtual ~GfxNative() = default;

  void Retain() { refs_.fetch_add(1, std::memory_order_relaxed); }
  void Release() {
    if (refs_.fetch_sub(1, std::memory_order_acq_rel) == 1) delete this;
  }

 private:
  std::atomic<int> refs_{1};
};

inline void GfxRetain(void* handle) {
  if (handle) static_cast<GfxNative*>(handle)->Retain();
}
inline void GfxRelease(void* handle) {
  if (handle) static_cast<GfxNative*>(handle)->Release();
}
