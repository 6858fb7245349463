#pragma once
#include "gfx/gfx_object.h"
#include "gfx/gfx_values.h"

#include <QPainterPath>

class GfxNativeRegion;
class GfxPath;

// An area for clipping and hit tests.
class GfxRegion : public GfxObject {
 public:
  GfxNativeRegion* Native() const { return region_; }

  bool DeleteRegion();
  bool CreateRegion();  // infinite
  bool CreateRegionRect(const GfxRectF& rect);
  bool CreateRegionRectI(const GfxRect& rect);
  bool CreateRegionPath(const GfxPath& path);
  bool CreateRegionArea(const QPainterPath& area);
  bool CloneRegion(GfxRegion& clone) const;
  bool SetInfinite();
  bool SetEmpty();
  bool CombineRegionRect(const GfxRectF& rect, int mode);
  bool CombineRegionPath(const GfxPath& path, int mode);
  bool CombineRegionRegion(const GfxRegion& other, int mode);
  bool TranslateRegion(float dx, float dy);
  bool TransformRegion(const QTransform& matrix);
  bool GetRegionBounds(GfxRectF* bounds) const;
  bool IsEmptyRegion(bool* result) const;
  bool IsInfiniteRegion(bool* result) const;
  bool IsVisibleRegionPoint(float x, float y, bool* result) const;

 protected:
  void OnSetNativeHandle(void* handle) override;

 private:
  bool Combine(const QPainterPath& area, bool infinite, int mode);
  GfxNativeRegion* region_ = nullptr;
};
