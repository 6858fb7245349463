#pragma once
#include "gfx/gfx_native.h"
#include "gfx/gfx_values.h"

#include <QBrush>
#include <QGradientStops>
#include <QPainterPath>
#include <QTransform>
#include <optional>
#include <vector>

// Any of the brush kinds; type says which fields count.
class GfxNativeBrush : public GfxNative {
 public:
  int type = BrushTypeSolidColor;
  GfxArgb color = 0xFF000000;
  int wrapMode = WrapModeTile;
  QTransform transform;

  // Linear gradient.
  QPointF start, end;
  QRectF rect;
  GfxArgb colors[2] = {0xFF000000, 0xFFFFFFFF};
  std::vector<float> blendFactors, blendPositions;  // empty: straight from one colour to the other
  QGradientStops presetStops;                       // non-empty: replaces colours and blend
  bool gammaCorrection = false;

  // Path gradient.
  QPainterPath boundary;
  std::optional<QRectF> ellipse;  // the boundary is exactly this ellipse (under ellipseTransform)
  QTransform ellipseTransform;
  QPointF centerPoint;
  GfxArgb centerColor = 0xFF000000;
  std::vector<GfxArgb> surroundColors{0xFFFFFFFF};
  int pointCount = 0;

  GfxNativeBrush* Clone() const {
    auto* copy = new GfxNativeBrush;
    copy->type = type; copy->color = color; copy->wrapMode = wrapMode; copy->transform = transform;
    copy->start = start; copy->end = end; copy->rect = rect; copy->colors[0] = colors[0]; copy->colors[1] = colors[1];
    copy->blendFactors = blendFactors; copy->blendPositions = blendPositions; copy->presetStops = presetStops;
    copy->gammaCorrection = gammaCorrection; copy->boundary = boundary; copy->ellipse = ellipse;
    copy->ellipseTransform = ellipseTransform; copy->centerPoint = centerPoint; copy->centerColor = centerColor;
    copy->surroundColors = surroundColors; copy->pointCount = pointCount;
    return copy;
  }

  // The Qt brush for this brush, rebuilt after any change.
  mutable QBrush cached;
  mutable bool dirty = true;
  mutable double cachedScale = 0;  // device scale a rendered path gradient was made for
  void Changed() { dirty = true; }
};
