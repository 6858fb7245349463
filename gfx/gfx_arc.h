#pragma once
#include <QPainterPath>
#include <QRectF>

// Appends an arc of the ellipse inscribed in box the way the flat API measures it: angles in
// degrees clockwise from the x-axis (y grows downwards), taken as true directions from the centre,
// sweep clamped to one turn. With connect the arc joins the open figure by a line; otherwise it
// starts a new figure.
void GfxAppendArc(QPainterPath& path, const QRectF& box, double startDegrees, double sweepDegrees, bool connect);

// The point where such an arc starts or ends.
QPointF GfxArcPoint(const QRectF& box, double degrees);
