#include "gfx/gfx_pen_paint.h"

#include "gfx/gfx_brush_paint.h"
#include "gfx/gfx_color.h"
#include "gfx/gfx_native_pen.h"
#include "gfx/gfx_units.h"

#include <QPainter>
#include <QPainterPathStroker>

namespace {

Qt::PenCapStyle CapOf(int cap) {
  switch (cap) {
    case LineCapSquare: return Qt::SquareCap;
    case LineCapRound: return Qt::RoundCap;
    default: return Qt::FlatCap;
  }
}

Qt::PenJoinStyle JoinOf(int join) {
  switch (join) {
    case LineJoinBevel: return Qt::BevelJoin;
    case LineJoinRound: return Qt::RoundJoin;
    case LineJoinMiterClipped: return Qt::SvgMiterJoin;
    default: return Qt::MiterJoin;
  }
}

QList<qreal> DashesOf(const GfxNativePen& pen) {
  switch (pen.dashStyle) {
    case DashStyleDash: return {3, 1};
    case DashStyleDot: return {1, 1};
    case DashStyleDashDot: return {3, 1, 1, 1};
    case DashStyleDashDotDot: return {3, 1, 1, 1, 1, 1};
    case DashStyleCustom: {
      QList<qreal> dashes;
      for (float d : pen.dashes) dashes << d;
      return dashes;
    }
    default: return {};
  }
}

bool NeedsOutline(const GfxNativePen& pen) {
  return !pen.transform.isIdentity() || pen.alignment == PenAlignmentInset ||
         (pen.brush && pen.brush->type == BrushTypePathGradient);
}

}  // namespace

double GfxPenWidthUnits(const GfxNativePen& pen, double dpi, double pagePixels) {
  if (pen.unit == UnitWorld) return pen.width;
  return pen.width * GfxPixelsPerUnit(pen.unit, dpi) / (pagePixels > 0 ? pagePixels : 1.0);
}

QPen GfxQtPen(const GfxNativePen& pen, double widthUnits) {
  QPen qtPen(pen.brush ? GfxQtBrush(*pen.brush, 1.0) : QBrush(GfxQColor(pen.color)), widthUnits);
  qtPen.setCapStyle(CapOf(pen.startCap));
  qtPen.setJoinStyle(JoinOf(pen.lineJoin));
  qtPen.setMiterLimit(pen.miterLimit);
  const QList<qreal> dashes = DashesOf(pen);
  if (!dashes.isEmpty()) {
    qtPen.setDashPattern(dashes);
    qtPen.setDashOffset(pen.dashOffset);
  }
  return qtPen;
}

QPainterPath GfxPenOutline(const QPainterPath& path, const GfxNativePen& pen, double widthUnits) {
  const QTransform shape(pen.transform.m11(), pen.transform.m12(), pen.transform.m21(), pen.transform.m22(), 0, 0);
  const bool shaped = !shape.isIdentity() && shape.isInvertible();
  const bool inset = pen.alignment == PenAlignmentInset;
  const QPen qtPen = GfxQtPen(pen, std::max(widthUnits, 1e-3) * (inset ? 2 : 1));
  QPainterPathStroker stroker(qtPen);
  QPainterPath outline = shaped ? shape.map(stroker.createStroke(shape.inverted().map(path))) : stroker.createStroke(path);
  outline.setFillRule(Qt::WindingFill);
  if (inset) outline = outline.intersected(path);  // only the half inside the figure
  return outline;
}

void GfxStrokePathWith(QPainter& painter, const QPainterPath& path, const GfxNativePen& pen, double widthUnits,
                       double deviceScale) {
  if (!NeedsOutline(pen)) {
    if (pen.dirty || pen.cached.widthF() != widthUnits) {
      pen.cached = GfxQtPen(pen, widthUnits);
      pen.dirty = false;
    }
    painter.strokePath(path, pen.cached);
    return;
  }
  const QPainterPath outline = GfxPenOutline(path, pen, widthUnits);
  if (pen.brush) GfxFillPathWith(painter, outline, *pen.brush, deviceScale);
  else painter.fillPath(outline, GfxQColor(pen.color));
}
