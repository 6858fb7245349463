#include "gfx/gfx_brush_paint.h"

#include "gfx/gfx_color.h"
#include "gfx/gfx_native_brush.h"
#include "gfx/gfx_path_gradient_render.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace {

QGradient::Spread SpreadOf(int wrapMode) {
  switch (wrapMode) {
    case WrapModeTile: return QGradient::RepeatSpread;
    case WrapModeClamp: return QGradient::PadSpread;
    default: return QGradient::ReflectSpread;
  }
}

QColor Mix(GfxArgb a, GfxArgb b, double t) {
  const QColor ca = GfxQColor(a), cb = GfxQColor(b);
  auto lerp = [t](int x, int y) { return qBound(0, qRound(x + (y - x) * t), 255); };
  return QColor(lerp(ca.red(), cb.red()), lerp(ca.green(), cb.green()), lerp(ca.blue(), cb.blue()), lerp(ca.alpha(), cb.alpha()));
}

QGradientStops LinearStops(const GfxNativeBrush& brush) {
  if (!brush.presetStops.isEmpty()) return brush.presetStops;
  QGradientStops stops;
  if (brush.blendFactors.empty()) {
    stops << QGradientStop(0, GfxQColor(brush.colors[0])) << QGradientStop(1, GfxQColor(brush.colors[1]));
    return stops;
  }
  for (std::size_t i = 0; i < brush.blendFactors.size(); ++i)
    stops << QGradientStop(brush.blendPositions[i], Mix(brush.colors[0], brush.colors[1], brush.blendFactors[i]));
  return stops;
}

bool SingleSurroundColour(const GfxNativeBrush& brush) {
  for (GfxArgb colour : brush.surroundColors)
    if (colour != brush.surroundColors.front()) return false;
  return true;
}

QBrush BuildBrush(const GfxNativeBrush& brush, double deviceScale) {
  switch (brush.type) {
    case BrushTypeSolidColor: return QBrush(GfxQColor(brush.color));
    case BrushTypeLinearGradient: {
      QLinearGradient gradient(brush.start, brush.end);
      gradient.setStops(LinearStops(brush));
      gradient.setSpread(SpreadOf(brush.wrapMode));
      QBrush result(gradient);
      result.setTransform(brush.transform);
      return result;
    }
    case BrushTypePathGradient: {
      if (brush.ellipse && SingleSurroundColour(brush)) {
        // Exact for ellipses: a focal radial gradient in the ellipse's unit circle.
        const QRectF box = *brush.ellipse;
        const QTransform unitToBox(box.width() / 2, 0, 0, box.height() / 2, box.center().x(), box.center().y());
        const QTransform toBrush = unitToBox * brush.ellipseTransform;
        const QPointF focal = toBrush.inverted().map(brush.centerPoint);
        QRadialGradient gradient(QPointF(0, 0), 1.0, focal);
        gradient.setColorAt(0, GfxQColor(brush.centerColor));
        gradient.setColorAt(1, GfxQColor(brush.surroundColors.front()));
        gradient.setSpread(QGradient::PadSpread);
        QBrush result(gradient);
        result.setTransform(toBrush * brush.transform);
        return result;
      }
      return GfxRenderPathGradient(brush, deviceScale);
    }
    default: return QBrush(GfxQColor(brush.color));
  }
}

}  // namespace

QBrush GfxQtBrush(const GfxNativeBrush& brush, double deviceScale) {
  // Rendered path gradients depend on the scale; the analytic kinds do not.
  const bool rendered = brush.type == BrushTypePathGradient && brush.cached.style() == Qt::TexturePattern;
  if (brush.dirty || (rendered && std::abs(brush.cachedScale - deviceScale) > 0.01 * deviceScale)) {
    brush.cached = BuildBrush(brush, deviceScale);
    brush.cachedScale = deviceScale;
    brush.dirty = false;
  }
  return brush.cached;
}

void GfxFillPathWith(QPainter& painter, const QPainterPath& path, const GfxNativeBrush& brush, double deviceScale) {
  const QBrush qtBrush = GfxQtBrush(brush, deviceScale);
  if (brush.type == BrushTypePathGradient) {
    const QPainterPath boundary = brush.transform.map(brush.boundary);
    if (!(path == boundary)) {
      painter.fillPath(path.intersected(boundary), qtBrush);
      return;
    }
  }
  painter.fillPath(path, qtBrush);
}
