#pragma once
#include <cstddef>

// Common base of the graphics wrappers: one native handle, shared (not cloned) by copies.
class GfxObject {
 public:
  GfxObject() = default;
  GfxObject(const GfxObject& other);
  GfxObject& operator=(const GfxObject& other);
  virtual ~GfxObject();

  void* GetNativeHandle() const { return handle_; }
  // Stores the handle (taking a reference to it) and runs the class's hook.
  void SetNativeHandle(void* handle);

  static void* GfxAlloc(std::size_t size);
  static void GfxFree(void* memory);

 protected:
  // Lets a class keep a typed copy of the handle.
  virtual void OnSetNativeHandle(void* handle);
  // Takes over a handle that arrives with its own reference (fresh from a create call).
  void AdoptNativeHandle(void* handle);
  // Drops this wrapper's reference and empties it.
  void ReleaseNativeHandle();

 private:
  void* handle_ = nullptr;
};
