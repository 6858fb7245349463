#include "gfx/gfx_arc.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

// Turns a direction angle into the ellipse's parameter, keeping whole turns.
double ParameterOf(double degrees, double rx, double ry) {
  const double angle = degrees * kPi / 180.0;
  if (rx == 0 || ry == 0 || std::fabs(std::cos(angle)) < 1e-5 || std::fabs(std::sin(angle)) < 1e-5) return angle;
  double parameter = std::atan2(std::sin(angle) / std::fabs(ry), std::cos(angle) / std::fabs(rx));
  const double turns = std::round(angle / (2 * kPi)) - std::round(parameter / (2 * kPi));
  return parameter + turns * 2 * kPi;
}

QPointF OnEllipse(const QPointF& centre, double rx, double ry, double t) {
  return {centre.x() + rx * std::cos(t), centre.y() + ry * std::sin(t)};
}

}  // namespace

QPointF GfxArcPoint(const QRectF& box, double degrees) {
  const double rx = box.width() / 2, ry = box.height() / 2;
  return OnEllipse(box.center(), rx, ry, ParameterOf(degrees, rx, ry));
}

void GfxAppendArc(QPainterPath& path, const QRectF& box, double startDegrees, double sweepDegrees, bool connect) {
  sweepDegrees = std::clamp(sweepDegrees, -360.0, 360.0);
  const double rx = box.width() / 2, ry = box.height() / 2;
  const QPointF centre = box.center();
  const double t0 = ParameterOf(startDegrees, rx, ry);
  const double t1 = std::fabs(sweepDegrees) >= 360.0 ? t0 + (sweepDegrees > 0 ? 2 * kPi : -2 * kPi)
                                                      : ParameterOf(startDegrees + sweepDegrees, rx, ry);
  const QPointF first = OnEllipse(centre, rx, ry, t0);
  if (connect && path.elementCount() > 0) {
    if (path.currentPosition() != first) path.lineTo(first);
  } else {
    path.moveTo(first);
  }
  const int pieces = std::max(1, static_cast<int>(std::ceil(std::fabs(t1 - t0) / (kPi / 2) - 1e-9)));
  const double step = (t1 - t0) / pieces;
  const double k = 4.0 / 3.0 * std::tan(step / 4);
  for (int i = 0; i < pieces; ++i) {
    const double a = t0 + step * i, b = a + step;
    const QPointF p0 = OnEllipse(centre, rx, ry, a), p1 = OnEllipse(centre, rx, ry, b);
    const QPointF c0 = p0 + k * QPointF(-rx * std::sin(a), ry * std::cos(a));
    const QPointF c1 = p1 - k * QPointF(-rx * std::sin(b), ry * std::cos(b));
    path.cubicTo(c0, c1, p1);
  }
}
