#include "gfx/gfx_region.h"

#include "gfx/gfx_native_path.h"
#include "gfx/gfx_native_region.h"
#include "gfx/gfx_path.h"
#include "gfx/gfx_status.h"

void GfxRegion::OnSetNativeHandle(void* handle) { region_ = static_cast<GfxNativeRegion*>(handle); }

bool GfxRegion::DeleteRegion() {
  if (!region_) return GfxReport(GfxInvalidParameter);
  ReleaseNativeHandle();
  return GfxReport(GfxOk);
}

bool GfxRegion::CreateRegion() {
  AdoptNativeHandle(new GfxNativeRegion);
  return GfxReport(GfxOk);
}

bool GfxRegion::CreateRegionArea(const QPainterPath& area) {
  auto* native = new GfxNativeRegion;
  native->infinite = false;
  native->area = area;
  AdoptNativeHandle(native);
  return GfxReport(GfxOk);
}

bool GfxRegion::CreateRegionRect(const GfxRectF& rect) {
  QPainterPath area;
  area.addRect(QRectF(rect.X, rect.Y, rect.Width, rect.Height).normalized());
  return CreateRegionArea(area);
}

bool GfxRegion::CreateRegionRectI(const GfxRect& r) {
  return CreateRegionRect({float(r.X), float(r.Y), float(r.Width), float(r.Height)});
}

bool GfxRegion::CreateRegionPath(const GfxPath& path) {
  if (!path.Native()) return GfxReport(GfxInvalidParameter);
  return CreateRegionArea(path.Native()->path);
}

bool GfxRegion::CloneRegion(GfxRegion& clone) const {
  if (!region_) return GfxReport(GfxInvalidParameter);
  auto* copy = new GfxNativeRegion;
  copy->area = region_->area;
  copy->infinite = region_->infinite;
  clone.AdoptNativeHandle(copy);
  return GfxReport(GfxOk);
}

bool GfxRegion::SetInfinite() {
  if (!region_) return GfxReport(GfxInvalidParameter);
  region_->infinite = true;
  region_->area = QPainterPath();
  return GfxReport(GfxOk);
}

bool GfxRegion::SetEmpty() {
  if (!region_) return GfxReport(GfxInvalidParameter);
  region_->infinite = false;
  region_->area = QPainterPath();
  return GfxReport(GfxOk);
}

bool GfxRegion::Combine(const QPainterPath& area, bool infinite, int mode) {
  if (!region_ || mode < CombineModeReplace || mode > CombineModeComplement) return GfxReport(GfxInvalidParameter);
  QPainterPath other = area;
  if (infinite) other.addRect(GfxNativeRegion::InfiniteRect());
  const QPainterPath mine = region_->Area();
  QPainterPath result;
  bool resultInfinite = false;
  switch (mode) {
    case CombineModeReplace: result = area; resultInfinite = infinite; break;
    case CombineModeIntersect:
      if (region_->infinite) { result = area; resultInfinite = infinite; }
      else result = infinite ? mine : mine.intersected(other);
      break;
    case CombineModeUnion:
      resultInfinite = region_->infinite || infinite;
      if (!resultInfinite) result = mine.united(other);
      break;
    case CombineModeXor: result = mine.united(other).subtracted(mine.intersected(other)); break;
    case CombineModeExclude: result = mine.subtracted(other); break;
    default: result = other.subtracted(mine); break;
  }
  region_->area = result;
  region_->infinite = resultInfinite;
  return GfxReport(GfxOk);
}

bool GfxRegion::CombineRegionRect(const GfxRectF& rect, int mode) {
  QPainterPath area;
  area.addRect(QRectF(rect.X, rect.Y, rect.Width, rect.Height).normalized());
  return Combine(area, false, mode);
}

bool GfxRegion::CombineRegionPath(const GfxPath& path, int mode) {
  if (!path.Native()) return GfxReport(GfxInvalidParameter);
  return Combine(path.Native()->path, false, mode);
}

bool GfxRegion::CombineRegionRegion(const GfxRegion& other, int mode) {
  if (!other.region_) return GfxReport(GfxInvalidParameter);
  return Combine(other.region_->area, other.region_->infinite, mode);
}

bool GfxRegion::TranslateRegion(float dx, float dy) {
  if (!region_) return GfxReport(GfxInvalidParameter);
  region_->area.translate(dx, dy);
  return GfxReport(GfxOk);
}

bool GfxRegion::TransformRegion(const QTransform& matrix) {
  if (!region_) return GfxReport(GfxInvalidParameter);
  if (!region_->infinite) region_->area = matrix.map(region_->area);
  return GfxReport(GfxOk);
}

bool GfxRegion::GetRegionBounds(GfxRectF* bounds) const {
  if (!region_ || !bounds) return GfxReport(GfxInvalidParameter);
  const QRectF box = region_->infinite ? GfxNativeRegion::InfiniteRect() : region_->area.boundingRect();
  *bounds = {float(box.x()), float(box.y()), float(box.width()), float(box.height())};
  return GfxReport(GfxOk);
}

bool GfxRegion::IsEmptyRegion(bool* result) const {
  if (!region_ || !result) return GfxReport(GfxInvalidParameter);
  *result = !region_->infinite && region_->area.boundingRect().isEmpty();
  return GfxReport(GfxOk);
}

bool GfxRegion::IsInfiniteRegion(bool* result) const {
  if (!region_ || !result) return GfxReport(GfxInvalidParameter);
  *result = region_->infinite;
  return GfxReport(GfxOk);
}

bool GfxRegion::IsVisibleRegionPoint(float x, float y, bool* result) const {
  if (!region_ || !result) return GfxReport(GfxInvalidParameter);
  *result = region_->infinite || region_->area.contains(QPointF(x, y));
  return GfxReport(GfxOk);
}
