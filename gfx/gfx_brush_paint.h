#pragma once
#include <QBrush>
#include <QPainterPath>

class QPainter;
class GfxNativeBrush;

// The Qt brush that paints as the flat API's brush does; deviceScale sizes rendered gradients.
QBrush GfxQtBrush(const GfxNativeBrush& brush, double deviceScale);
// Fills path with the brush; a path gradient paints nothing outside its own boundary.
void GfxFillPathWith(QPainter& painter, const QPainterPath& path, const GfxNativeBrush& brush, double deviceScale);
