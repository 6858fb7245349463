#pragma once
#include "gfx/gfx_native.h"
#include "gfx/gfx_native_brush.h"
#include "gfx/gfx_values.h"

#include <QPen>
#include <QTransform>
#include <vector>

// A pen: a colour or a brush, a width in its unit, caps, join, dashes, alignment and a transform
// of its shape.
class GfxNativePen : public GfxNative {
 public:
  ~GfxNativePen() override { GfxRelease(brush); }
  void SetBrush(GfxNativeBrush* newBrush) {
    GfxRetain(newBrush);
    GfxRelease(brush);
    brush = newBrush;
    Changed();
  }

  GfxArgb color = 0xFF000000;
  GfxNativeBrush* brush = nullptr;  // set: the pen paints with this brush instead of color
  float width = 1;
  int unit = UnitWorld;
  int alignment = PenAlignmentCenter;
  int startCap = LineCapFlat, endCap = LineCapFlat, dashCap = 0;
  int lineJoin = LineJoinMiter;
  float miterLimit = 10;
  int dashStyle = DashStyleSolid;
  float dashOffset = 0;
  std::vector<float> dashes;
  std::vector<float> compound;
  QTransform transform;

  mutable QPen cached;
  mutable bool dirty = true;
  void Changed() { dirty = true; }
};
