#pragma once
#include "gfx/gfx_native.h"
#include "gfx/gfx_values.h"

#include <QPainterPath>
#include <QTransform>
#include <optional>

// A graphics path: figures in a QPainterPath, plus whether a figure is open for the next addition
// to connect to, and (for exact path gradients) whether the path is exactly one ellipse.
class GfxNativePath : public GfxNative {
 public:
  QPainterPath path;
  bool figureOpen = false;
  std::optional<QRectF> soleEllipse;
  QTransform ellipseTransform;

  void SetFillMode(int mode) { path.setFillRule(mode == FillModeWinding ? Qt::WindingFill : Qt::OddEvenFill); }
  int FillMode() const { return path.fillRule() == Qt::WindingFill ? FillModeWinding : FillModeAlternate; }
  // Begins or continues a figure at p.
  void LineOrMoveTo(const QPointF& p) {
    if (figureOpen && path.elementCount() > 0) {
      if (path.currentPosition() != p) path.lineTo(p);
    } else {
      path.moveTo(p);
      figureOpen = true;
    }
  }
  void Reset() {
    const Qt::FillRule rule = path.fillRule();
    path = QPainterPath();
    path.setFillRule(rule);
    figureOpen = false;
    soleEllipse.reset();
    ellipseTransform = QTransform();
  }
};
