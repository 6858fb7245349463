#include "gfx/gfx_path_brush.h"

#include "gfx/gfx_matrix_ops.h"
#include "gfx/gfx_native_brush.h"
#include "gfx/gfx_native_path.h"
#include "gfx/gfx_path.h"
#include "gfx/gfx_path_gradient_render.h"
#include "gfx/gfx_status.h"

namespace {
GfxNativeBrush* NewPathGradient(const QPainterPath& boundary, int wrapMode) {
  auto* native = new GfxNativeBrush;
  native->type = BrushTypePathGradient;
  native->boundary = boundary;
  native->wrapMode = wrapMode;
  native->pointCount = boundary.elementCount();
  native->centerPoint = GfxPathCentroid(boundary);
  native->centerColor = 0xFFFFFFFF;
  native->surroundColors = {0xFFFFFFFF};
  return native;
}
}  // namespace

bool GfxPathBrush::CreatePathGradient(const GfxPointF* points, int count, int wrapMode) {
  if (!points || count < 2) return GfxReport(count < 2 && points ? GfxOutOfMemory : GfxInvalidParameter);
  QPainterPath boundary;
  boundary.moveTo(points[0].X, points[0].Y);
  for (int i = 1; i < count; ++i) boundary.lineTo(points[i].X, points[i].Y);
  boundary.closeSubpath();
  return Adopt(NewPathGradient(boundary, wrapMode));
}

bool GfxPathBrush::CreatePathGradientFromPath(const GfxPath& path) {
  const GfxNativePath* source = path.Native();
  if (!source || source->path.elementCount() < 2) return GfxReport(source ? GfxOutOfMemory : GfxInvalidParameter);
  GfxNativeBrush* native = NewPathGradient(source->path, WrapModeClamp);
  if (source->soleEllipse) {
    native->ellipse = source->soleEllipse;
    native->ellipseTransform = source->ellipseTransform;
    native->centerPoint = source->ellipseTransform.map(source->soleEllipse->center());
  }
  return Adopt(native);
}

bool GfxPathBrush::SetPathGradientCenterColor(GfxArgb color) {
  GfxNativeBrush* b = Kind(BrushTypePathGradient);
  if (!b) return false;
  b->centerColor = color;
  b->Changed();
  return GfxReport(GfxOk);
}

GfxArgb GfxPathBrush::GetPathGradientCenterColor() const {
  GfxNativeBrush* b = Kind(BrushTypePathGradient);
  if (!b) return 0;
  GfxReport(GfxOk);
  return b->centerColor;
}

int GfxPathBrush::GetPathGradientPointCount() const {
  GfxNativeBrush* b = Kind(BrushTypePathGradient);
  if (!b) return 0;
  GfxReport(GfxOk);
  return b->pointCount;
}

int GfxPathBrush::GetPathGradientSurroundColorCount() const {
  GfxNativeBrush* b = Kind(BrushTypePathGradient);
  if (!b) return 0;
  GfxReport(GfxOk);
  return int(b->surroundColors.size());
}

bool GfxPathBrush::SetPathGradientSurroundColorsWithCount(const GfxArgb* colors, int* count) {
  GfxNativeBrush* b = Kind(BrushTypePathGradient);
  if (!b) return false;
  if (!colors || !count || *count < 1 || *count > b->pointCount) return GfxReport(GfxInvalidParameter);
  b->surroundColors.assign(colors, colors + *count);
  b->Changed();
  return GfxReport(GfxOk);
}

bool GfxPathBrush::GetPathGradientSurroundColorsWithCount(GfxArgb* colors, int* count) const {
  GfxNativeBrush* b = Kind(BrushTypePathGradient);
  if (!b || !colors || !count || *count < int(b->surroundColors.size())) return GfxReport(GfxInvalidParameter);
  std::copy(b->surroundColors.begin(), b->surroundColors.end(), colors);
  *count = int(b->surroundColors.size());
  return GfxReport(GfxOk);
}

bool GfxPathBrush::SetPathGradientCenterPoint(const GfxPointF& point) {
  GfxNativeBrush* b = Kind(BrushTypePathGradient);
  if (!b) return false;
  b->centerPoint = QPointF(point.X, point.Y);
  b->Changed();
  return GfxReport(GfxOk);
}

bool GfxPathBrush::GetPathGradientCenterPoint(GfxPointF* point) const {
  GfxNativeBrush* b = Kind(BrushTypePathGradient);
  if (!b || !point) return GfxReport(GfxInvalidParameter);
  *point = {float(b->centerPoint.x()), float(b->centerPoint.y())};
  return GfxReport(GfxOk);
}

bool GfxPathBrush::GetPathGradientRect(GfxRectF* rect) const {
  GfxNativeBrush* b = Kind(BrushTypePathGradient);
  if (!b || !rect) return GfxReport(GfxInvalidParameter);
  const QRectF box = b->boundary.boundingRect();
  *rect = {float(box.x()), float(box.y()), float(box.width()), float(box.height())};
  return GfxReport(GfxOk);
}

bool GfxPathBrush::SetPathGradientWrapMode(int wrapMode) {
  GfxNativeBrush* b = Kind(BrushTypePathGradient);
  if (!b) return false;
  b->wrapMode = wrapMode;
  return GfxReport(GfxOk);
}

int GfxPathBrush::GetPathGradientWrapMode() const {
  GfxNativeBrush* b = Kind(BrushTypePathGradient);
  if (!b) return 0;
  GfxReport(GfxOk);
  return b->wrapMode;
}

bool GfxPathBrush::SetPathGradientTransform(const QTransform& matrix) {
  GfxNativeBrush* b = Kind(BrushTypePathGradient);
  if (!b) return false;
  if (!matrix.isInvertible()) return GfxReport(GfxInvalidParameter);
  b->transform = matrix;
  b->Changed();
  return GfxReport(GfxOk);
}

bool GfxPathBrush::GetPathGradientTransform(QTransform* matrix) const {
  GfxNativeBrush* b = Kind(BrushTypePathGradient);
  if (!b || !matrix) return GfxReport(GfxInvalidParameter);
  *matrix = b->transform;
  return GfxReport(GfxOk);
}

bool GfxPathBrush::ResetPathGradientTransform() { return SetPathGradientTransform(QTransform()); }

bool GfxPathBrush::MultiplyPathGradientTransform(const QTransform& matrix, int order) {
  GfxNativeBrush* b = Kind(BrushTypePathGradient);
  if (!b) return false;
  GfxCombine(b->transform, matrix, order);
  b->Changed();
  return GfxReport(GfxOk);
}

bool GfxPathBrush::TranslatePathGradientTransform(float dx, float dy, int order) {
  return MultiplyPathGradientTransform(QTransform::fromTranslate(dx, dy), order);
}

bool GfxPathBrush::ScalePathGradientTransform(float sx, float sy, int order) {
  return MultiplyPathGradientTransform(QTransform::fromScale(sx, sy), order);
}

bool GfxPathBrush::RotatePathGradientTransform(float angle, int order) {
  return MultiplyPathGradientTransform(GfxRotation(angle), order);
}

bool GfxPathBrush::ScaleAt(float sx, float sy, float cx, float cy, int order) {
  return GfxTransformAt(cx, cy, order, [this](float x, float y, int o) { return TranslatePathGradientTransform(x, y, o); },
                        [&](int o) { return ScalePathGradientTransform(sx, sy, o); });
}

bool GfxPathBrush::RotateAt(float angle, float cx, float cy, int order) {
  return GfxTransformAt(cx, cy, order, [this](float x, float y, int o) { return TranslatePathGradientTransform(x, y, o); },
                        [&](int o) { return RotatePathGradientTransform(angle, o); });
}
