#include "gfx/gfx_brush.h"

#include "gfx/gfx_native_brush.h"
#include "gfx/gfx_status.h"

void GfxBrush::OnSetNativeHandle(void* handle) {
  brush_ = static_cast<GfxNativeBrush*>(handle);
  OnSetBrushHandle(brush_);
}

bool GfxBrush::DeleteBrush() {
  if (!brush_) return GfxReport(GfxInvalidParameter);
  ReleaseNativeHandle();
  return GfxReport(GfxOk);
}

bool GfxBrush::CloneBrush(GfxBrush& clone) const {
  if (!brush_) return GfxReport(GfxInvalidParameter);
  clone.AdoptNativeHandle(brush_->Clone());
  return GfxReport(GfxOk);
}

int GfxBrush::GetBrushType() const {
  if (!brush_) {
    GfxReport(GfxInvalidParameter);
    return -1;
  }
  GfxReport(GfxOk);
  return brush_->type;
}

GfxNativeBrush* GfxBrush::Kind(int type) const {
  if (!brush_ || brush_->type != type) {
    GfxReport(GfxInvalidParameter);
    return nullptr;
  }
  return brush_;
}

bool GfxBrush::Adopt(GfxNativeBrush* native) {
  AdoptNativeHandle(native);
  return GfxReport(GfxOk);
}
