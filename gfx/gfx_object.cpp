#include "gfx/gfx_object.h"

#include "gfx/gfx_native.h"

#include <cstdlib>

GfxObject::GfxObject(const GfxObject& other) : handle_(other.handle_) { GfxRetain(handle_); }

GfxObject& GfxObject::operator=(const GfxObject& other) {
  if (this != &other) SetNativeHandle(other.handle_);
  return *this;
}

GfxObject::~GfxObject() { GfxRelease(handle_); }

void GfxObject::SetNativeHandle(void* handle) {
  GfxRetain(handle);
  AdoptNativeHandle(handle);
}

void GfxObject::AdoptNativeHandle(void* handle) {
  void* old = handle_;
  handle_ = handle;
  GfxRelease(old);
  OnSetNativeHandle(handle);
}

void GfxObject::ReleaseNativeHandle() { AdoptNativeHandle(nullptr); }

void GfxObject::OnSetNativeHandle(void*) {}

void* GfxObject::GfxAlloc(std::size_t size) { return std::malloc(size ? size : 1); }

void GfxObject::GfxFree(void* memory) { std::free(memory); }
