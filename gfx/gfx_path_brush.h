#pragma once
#include "gfx/gfx_brush.h"

#include <QTransform>
#include <vector>

class GfxPath;

// A path gradient brush: from a centre colour at the centre point to the surround colours on the
// boundary; nothing outside the boundary.
class GfxPathBrush : public GfxBrush {
 public:
  bool CreatePathGradient(const GfxPointF* points, int count, int wrapMode = WrapModeClamp);
  bool CreatePathGradientFromPath(const GfxPath& path);
  bool SetPathGradientCenterColor(GfxArgb color);
  GfxArgb GetPathGradientCenterColor() const;
  int GetPathGradientPointCount() const;
  int GetPathGradientSurroundColorCount() const;
  // count is in and out: the colours taken (at most the point count).
  bool SetPathGradientSurroundColorsWithCount(const GfxArgb* colors, int* count);
  bool GetPathGradientSurroundColorsWithCount(GfxArgb* colors, int* count) const;
  bool SetPathGradientCenterPoint(const GfxPointF& point);
  bool GetPathGradientCenterPoint(GfxPointF* point) const;
  bool GetPathGradientRect(GfxRectF* rect) const;
  bool SetPathGradientWrapMode(int wrapMode);
  int GetPathGradientWrapMode() const;
  bool SetPathGradientTransform(const QTransform& matrix);
  bool GetPathGradientTransform(QTransform* matrix) const;
  bool ResetPathGradientTransform();
  bool MultiplyPathGradientTransform(const QTransform& matrix, int order = MatrixOrderPrepend);
  bool TranslatePathGradientTransform(float dx, float dy, int order = MatrixOrderPrepend);
  bool ScalePathGradientTransform(float sx, float sy, int order = MatrixOrderPrepend);
  bool RotatePathGradientTransform(float angle, int order = MatrixOrderPrepend);
  bool ScaleAt(float sx, float sy, float cx, float cy, int order);
  bool RotateAt(float angle, float cx, float cy, int order);
};
