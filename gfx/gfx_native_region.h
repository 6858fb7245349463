#pragma once
#include "gfx/gfx_native.h"

#include <QPainterPath>

// A region: an area as a path; the infinite region is a flag of its own.
class GfxNativeRegion : public GfxNative {
 public:
  QPainterPath area;
  bool infinite = true;

  static QRectF InfiniteRect() { return {-4194304.0, -4194304.0, 8388608.0, 8388608.0}; }
  QPainterPath Area() const {
    if (!infinite) return area;
    QPainterPath all;
    all.addRect(InfiniteRect());
    return all;
  }
};
