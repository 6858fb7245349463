#pragma once
#include "gfx/gfx_object.h"
#include "gfx/gfx_values.h"

class GfxNativeBrush;

// Operations every brush kind shares; each kind keeps a typed copy of its handle here.
class GfxBrush : public GfxObject {
 public:
  GfxBrush() = default;
  GfxBrush(const GfxBrush&) = default;
  GfxBrush& operator=(const GfxBrush&) = default;
  ~GfxBrush() override = default;

  GfxNativeBrush* Native() const { return brush_; }

  bool DeleteBrush();
  // A real copy of the brush into clone (a wrapper of the same kind).
  bool CloneBrush(GfxBrush& clone) const;
  int GetBrushType() const;

 protected:
  void OnSetNativeHandle(void* handle) override;
  // Lets a kind keep its own copy too.
  virtual void OnSetBrushHandle(GfxNativeBrush*) {}
  // An operation of the kind on a brush of that kind; false with InvalidParameter otherwise.
  GfxNativeBrush* Kind(int type) const;
  bool Adopt(GfxNativeBrush* native);

 private:
  GfxNativeBrush* brush_ = nullptr;
};
