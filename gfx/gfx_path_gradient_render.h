#pragma once
#include <QBrush>

class GfxNativeBrush;

// A texture brush holding the path gradient rendered at deviceScale pixels per brush unit: the
// boundary is cut into triangles from the centre point to each edge, and each triangle runs from
// the centre colour to its edge's surround colour along the centre's perpendicular to the edge.
// Outside the boundary the texture is transparent.
QBrush GfxRenderPathGradient(const GfxNativeBrush& brush, double deviceScale);

// The centroid of the area a path encloses (the mean of its points when it encloses none).
QPointF GfxPathCentroid(const class QPainterPath& path);
