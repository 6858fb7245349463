#include "gfx/gfx_linear_brush.h"

#include "gfx/gfx_color.h"
#include "gfx/gfx_matrix_ops.h"
#include "gfx/gfx_native_brush.h"
#include "gfx/gfx_status.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

GfxNativeBrush* NewLinear(QPointF start, QPointF end, const QRectF& rect, GfxArgb c1, GfxArgb c2, int wrapMode) {
  auto* native = new GfxNativeBrush;
  native->type = BrushTypeLinearGradient;
  native->start = start;
  native->end = end;
  native->rect = rect;
  native->colors[0] = c1;
  native->colors[1] = c2;
  native->wrapMode = wrapMode;
  return native;
}

// The gradient line along direction d over rect: from the corner it meets first to where the
// band through the last corner crosses the line.
std::pair<QPointF, QPointF> LineAcross(const QRectF& rect, QPointF d) {
  const QPointF corners[4] = {rect.topLeft(), rect.topRight(), rect.bottomRight(), rect.bottomLeft()};
  double low = 1e300, high = -1e300;
  QPointF from;
  for (const QPointF& c : corners) {
    const double projection = QPointF::dotProduct(c, d);
    if (projection < low) {
      low = projection;
      from = c;
    }
    high = std::max(high, projection);
  }
  const double length2 = QPointF::dotProduct(d, d);
  return {from, from + d * ((high - low) / length2)};
}

bool ValidBlend(const float* positions, int count) {
  return positions && count >= 2 && positions[0] == 0.0f && positions[count - 1] == 1.0f;
}

}  // namespace

bool GfxLinearBrush::CreateLineBrush(const GfxPointF& point1, const GfxPointF& point2, GfxArgb color1, GfxArgb color2,
                                     int wrapMode) {
  const QPointF a(point1.X, point1.Y), b(point2.X, point2.Y);
  if (a == b || wrapMode == WrapModeClamp) return GfxReport(a == b ? GfxOutOfMemory : GfxInvalidParameter);
  return Adopt(NewLinear(a, b, QRectF(a, b).normalized(), color1, color2, wrapMode));
}

bool GfxLinearBrush::CreateLineBrushI(const GfxPoint& point1, const GfxPoint& point2, GfxArgb color1, GfxArgb color2,
                                      int wrapMode) {
  return CreateLineBrush({float(point1.X), float(point1.Y)}, {float(point2.X), float(point2.Y)}, color1, color2, wrapMode);
}

bool GfxLinearBrush::CreateLineBrushFromRect(const GfxRectF& r, GfxArgb color1, GfxArgb color2, int mode, int wrapMode) {
  const QRectF rect(r.X, r.Y, r.Width, r.Height);
  if (r.Width <= 0 || r.Height <= 0 || wrapMode == WrapModeClamp || mode < 0 || mode > 3)
    return GfxReport(r.Width <= 0 || r.Height <= 0 ? GfxOutOfMemory : GfxInvalidParameter);
  const double w = rect.width(), h = rect.height();
  std::pair<QPointF, QPointF> line;
  switch (mode) {
    case LinearGradientModeHorizontal: line = {rect.topLeft(), rect.topRight()}; break;
    case LinearGradientModeVertical: line = {rect.topLeft(), rect.bottomLeft()}; break;
    // Diagonals: the middle band passes through the other two corners.
    case LinearGradientModeForwardDiagonal:
      line = {rect.topLeft(), rect.topLeft() + QPointF(h, w) * (2 * w * h / (w * w + h * h))};
      break;
    default: line = {rect.topRight(), rect.topRight() + QPointF(-h, w) * (2 * w * h / (w * w + h * h))}; break;
  }
  return Adopt(NewLinear(line.first, line.second, rect, color1, color2, wrapMode));
}

bool GfxLinearBrush::CreateLineBrushFromRectI(const GfxRect& r, GfxArgb color1, GfxArgb color2, int mode, int wrapMode) {
  return CreateLineBrushFromRect({float(r.X), float(r.Y), float(r.Width), float(r.Height)}, color1, color2, mode, wrapMode);
}

bool GfxLinearBrush::CreateLineBrushFromRectWithAngle(const GfxRectF& r, GfxArgb color1, GfxArgb color2, float angle,
                                                      bool isAngleScalable, int wrapMode) {
  const QRectF rect(r.X, r.Y, r.Width, r.Height);
  if (r.Width <= 0 || r.Height <= 0 || wrapMode == WrapModeClamp)
    return GfxReport(r.Width <= 0 || r.Height <= 0 ? GfxOutOfMemory : GfxInvalidParameter);
  const double radians = angle * kPi / 180.0;
  QPointF d(std::cos(radians), std::sin(radians));
  if (isAngleScalable) d = QPointF(d.x() * rect.width(), d.y() * rect.height());
  const auto line = LineAcross(rect, d);
  return Adopt(NewLinear(line.first, line.second, rect, color1, color2, wrapMode));
}

bool GfxLinearBrush::SetLineColors(GfxArgb color1, GfxArgb color2) {
  GfxNativeBrush* b = Kind(BrushTypeLinearGradient);
  if (!b) return false;
  b->colors[0] = color1;
  b->colors[1] = color2;
  b->Changed();
  return GfxReport(GfxOk);
}

bool GfxLinearBrush::GetLineColors(GfxArgb* colors) const {
  GfxNativeBrush* b = Kind(BrushTypeLinearGradient);
  if (!b || !colors) return GfxReport(GfxInvalidParameter);
  colors[0] = b->colors[0];
  colors[1] = b->colors[1];
  return GfxReport(GfxOk);
}

bool GfxLinearBrush::GetLineRect(GfxRectF* rect) const {
  GfxNativeBrush* b = Kind(BrushTypeLinearGradient);
  if (!b || !rect) return GfxReport(GfxInvalidParameter);
  *rect = {float(b->rect.x()), float(b->rect.y()), float(b->rect.width()), float(b->rect.height())};
  return GfxReport(GfxOk);
}

bool GfxLinearBrush::SetLineGammaCorrection(bool useGamma) {
  GfxNativeBrush* b = Kind(BrushTypeLinearGradient);
  if (!b) return false;
  b->gammaCorrection = useGamma;
  return GfxReport(GfxOk);
}

bool GfxLinearBrush::GetLineGammaCorrection(bool* useGamma) const {
  GfxNativeBrush* b = Kind(BrushTypeLinearGradient);
  if (!b || !useGamma) return GfxReport(GfxInvalidParameter);
  *useGamma = b->gammaCorrection;
  return GfxReport(GfxOk);
}

bool GfxLinearBrush::SetLineBlend(const float* factors, const float* positions, int count) {
  GfxNativeBrush* b = Kind(BrushTypeLinearGradient);
  if (!b) return false;
  if (!factors || !ValidBlend(positions, count)) return GfxReport(GfxInvalidParameter);
  b->blendFactors.assign(factors, factors + count);
  b->blendPositions.assign(positions, positions + count);
  b->presetStops.clear();
  b->Changed();
  return GfxReport(GfxOk);
}

int GfxLinearBrush::GetLineBlendCount() const {
  GfxNativeBrush* b = Kind(BrushTypeLinearGradient);
  if (!b) return 0;
  GfxReport(GfxOk);
  return b->blendFactors.empty() ? 1 : int(b->blendFactors.size());
}

bool GfxLinearBrush::SetLinePresetBlend(const GfxArgb* colors, const float* positions, int count) {
  GfxNativeBrush* b = Kind(BrushTypeLinearGradient);
  if (!b) return false;
  if (!colors || !ValidBlend(positions, count)) return GfxReport(GfxInvalidParameter);
  QGradientStops stops;
  for (int i = 0; i < count; ++i) stops << QGradientStop(positions[i], GfxQColor(colors[i]));
  b->presetStops = stops;
  b->blendFactors.clear();
  b->blendPositions.clear();
  b->Changed();
  return GfxReport(GfxOk);
}

int GfxLinearBrush::GetLinePresetBlendCount() const {
  GfxNativeBrush* b = Kind(BrushTypeLinearGradient);
  if (!b) return 0;
  GfxReport(GfxOk);
  return int(b->presetStops.size());
}

bool GfxLinearBrush::GetLinePresetBlend(GfxArgb* colors, float* positions, int count) const {
  GfxNativeBrush* b = Kind(BrushTypeLinearGradient);
  if (!b || !colors || !positions || count < int(b->presetStops.size()) || b->presetStops.isEmpty())
    return GfxReport(GfxInvalidParameter);
  for (int i = 0; i < b->presetStops.size(); ++i) {
    colors[i] = GfxArgbOf(b->presetStops[i].second);
    positions[i] = float(b->presetStops[i].first);
  }
  return GfxReport(GfxOk);
}

bool GfxLinearBrush::SetLineLinearBlend(float focus, float scale) {
  if (focus < 0 || focus > 1 || scale < 0 || scale > 1) return GfxReport(GfxInvalidParameter);
  // Rises from the first colour to scale at focus, then falls back.
  std::vector<float> factors, positions;
  if (focus > 0) {
    factors.push_back(0);
    positions.push_back(0);
  }
  factors.push_back(scale);
  positions.push_back(focus);
  if (focus < 1) {
    factors.push_back(0);
    positions.push_back(1);
  }
  if (factors.size() == 1) {  // cannot happen with 0..1, kept for clarity of the shape
    factors.push_back(scale);
    positions.push_back(1);
  }
  return SetLineBlend(factors.data(), positions.data(), int(factors.size()));
}

bool GfxLinearBrush::SetLineWrapMode(int wrapMode) {
  GfxNativeBrush* b = Kind(BrushTypeLinearGradient);
  if (!b) return false;
  if (wrapMode < WrapModeTile || wrapMode >= WrapModeClamp) return GfxReport(GfxInvalidParameter);
  b->wrapMode = wrapMode;
  b->Changed();
  return GfxReport(GfxOk);
}

int GfxLinearBrush::GetLineWrapMode() const {
  GfxNativeBrush* b = Kind(BrushTypeLinearGradient);
  if (!b) return 0;
  GfxReport(GfxOk);
  return b->wrapMode;
}

bool GfxLinearBrush::SetLineTransform(const QTransform& matrix) {
  GfxNativeBrush* b = Kind(BrushTypeLinearGradient);
  if (!b) return false;
  if (!matrix.isInvertible()) return GfxReport(GfxInvalidParameter);
  b->transform = matrix;
  b->Changed();
  return GfxReport(GfxOk);
}

bool GfxLinearBrush::GetLineTransform(QTransform* matrix) const {
  GfxNativeBrush* b = Kind(BrushTypeLinearGradient);
  if (!b || !matrix) return GfxReport(GfxInvalidParameter);
  *matrix = b->transform;
  return GfxReport(GfxOk);
}

bool GfxLinearBrush::ResetLineTransform() { return SetLineTransform(QTransform()); }

bool GfxLinearBrush::MultiplyLineTransform(const QTransform& matrix, int order) {
  GfxNativeBrush* b = Kind(BrushTypeLinearGradient);
  if (!b) return false;
  GfxCombine(b->transform, matrix, order);
  b->Changed();
  return GfxReport(GfxOk);
}

bool GfxLinearBrush::TranslateLineTransform(float dx, float dy, int order) {
  return MultiplyLineTransform(QTransform::fromTranslate(dx, dy), order);
}

bool GfxLinearBrush::ScaleLineTransform(float sx, float sy, int order) {
  return MultiplyLineTransform(QTransform::fromScale(sx, sy), order);
}

bool GfxLinearBrush::RotateLineTransform(float angle, int order) { return MultiplyLineTransform(GfxRotation(angle), order); }

bool GfxLinearBrush::ScaleAt(float sx, float sy, float cx, float cy, int order) {
  return GfxTransformAt(cx, cy, order, [this](float x, float y, int o) { return TranslateLineTransform(x, y, o); },
                        [&](int o) { return ScaleLineTransform(sx, sy, o); });
}

bool GfxLinearBrush::RotateAt(float angle, float cx, float cy, int order) {
  return GfxTransformAt(cx, cy, order, [this](float x, float y, int o) { return TranslateLineTransform(x, y, o); },
                        [&](int o) { return RotateLineTransform(angle, o); });
}
