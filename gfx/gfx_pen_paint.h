#pragma once
#include <QPainterPath>
#include <QPen>

class QPainter;
class GfxNativePen;

// The Qt pen for a pen whose width is widthPixels logical units wide (null brush for brush pens
// that Qt cannot carry, the path gradients).
QPen GfxQtPen(const GfxNativePen& pen, double widthUnits);
// Logical width of the pen on a device of that resolution with that many pixels per world unit.
double GfxPenWidthUnits(const GfxNativePen& pen, double dpi, double pagePixels);
// The area the pen covers when it strokes path, including alignment and the pen's transform.
QPainterPath GfxPenOutline(const QPainterPath& path, const GfxNativePen& pen, double widthUnits);
// Strokes path with the pen on the painter.
void GfxStrokePathWith(QPainter& painter, const QPainterPath& path, const GfxNativePen& pen, double widthUnits,
                       double deviceScale);
