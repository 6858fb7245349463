#include "gfx/gfx_path_gradient_render.h"

#include "gfx/gfx_color.h"
#include "gfx/gfx_native_brush.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <cmath>
#include <vector>

namespace {

struct Vertex {
  QPointF point;
  QColor colour;
};

QColor Mix(const QColor& a, const QColor& b, double t) {
  auto lerp = [t](float x, float y) { return x + (y - x) * t; };
  return QColor::fromRgbF(lerp(a.redF(), b.redF()), lerp(a.greenF(), b.greenF()), lerp(a.blueF(), b.blueF()),
                          lerp(a.alphaF(), b.alphaF()));
}

// Flattens each figure, giving every vertex the surround colour of the path point it stems from
// (curve points take colours between their end points).
std::vector<std::vector<Vertex>> Figures(const GfxNativeBrush& brush) {
  const QPainterPath& path = brush.boundary;
  auto colourAt = [&](int index) {
    const auto& colours = brush.surroundColors;
    return GfxQColor(colours[std::min<std::size_t>(index, colours.size() - 1)]);
  };
  std::vector<std::vector<Vertex>> figures;
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    if (e.isMoveTo() || figures.empty()) figures.emplace_back();
    auto& figure = figures.back();
    if (e.type == QPainterPath::CurveToElement && i + 2 < path.elementCount() && !figure.empty()) {
      const QPointF p0 = figure.back().point, c1 = e, c2 = path.elementAt(i + 1), p3 = path.elementAt(i + 2);
      const QColor from = figure.back().colour, to = colourAt(i + 2);
      constexpr int kSteps = 12;
      for (int s = 1; s <= kSteps; ++s) {
        const double t = double(s) / kSteps, u = 1 - t;
        const QPointF p = u * u * u * p0 + 3 * u * u * t * c1 + 3 * u * t * t * c2 + t * t * t * p3;
        figure.push_back({p, Mix(from, to, t)});
      }
      i += 2;
    } else {
      figure.push_back({QPointF(e), colourAt(i)});
    }
  }
  return figures;
}

void FillTriangle(QPainter& painter, const QPointF& c, const QColor& centre, const QPointF& a, const QPointF& b,
                  const QColor& edge, double grow) {
  const QPointF ab = b - a;
  const double len2 = QPointF::dotProduct(ab, ab);
  if (len2 <= 0) return;
  const double t = QPointF::dotProduct(c - a, ab) / len2;
  const QPointF foot = a + t * ab;
  const QPointF normal = foot - c;
  const double dist = std::hypot(normal.x(), normal.y());
  if (dist < 1e-9) return;
  // Grown outwards a little so that the edge of the final antialiased fill samples edge colour.
  const double k = 1 + grow / dist;
  const QPointF ga = c + (a - c) * k, gb = c + (b - c) * k;
  QLinearGradient gradient(c, foot);
  gradient.setColorAt(0, centre);
  gradient.setColorAt(1, edge);
  gradient.setSpread(QGradient::PadSpread);
  const QPointF triangle[3] = {c, ga, gb};
  painter.setBrush(gradient);
  painter.drawPolygon(triangle, 3);
}

}  // namespace

QPointF GfxPathCentroid(const QPainterPath& path) {
  double area = 0, cx = 0, cy = 0;
  QPointF mean;
  int count = 0;
  for (const QPolygonF& polygon : path.toSubpathPolygons()) {
    for (int i = 0; i < polygon.size(); ++i) {
      const QPointF p = polygon[i], q = polygon[(i + 1) % polygon.size()];
      const double cross = p.x() * q.y() - q.x() * p.y();
      area += cross;
      cx += (p.x() + q.x()) * cross;
      cy += (p.y() + q.y()) * cross;
      mean += p;
      ++count;
    }
  }
  if (std::abs(area) > 1e-9) return {cx / (3 * area), cy / (3 * area)};
  return count ? mean / count : QPointF();
}

QBrush GfxRenderPathGradient(const GfxNativeBrush& brush, double deviceScale) {
  const QRectF bounds = brush.boundary.boundingRect();
  const double scale = std::clamp(deviceScale, 0.05, 16.0);
  constexpr int kMargin = 2;
  const QSize size(std::max(1, int(std::ceil(bounds.width() * scale)) + 2 * kMargin),
                   std::max(1, int(std::ceil(bounds.height() * scale)) + 2 * kMargin));
  if (qint64(size.width()) * size.height() > 64LL * 1024 * 1024) return QBrush(GfxQColor(brush.centerColor));
  QImage texture(size, QImage::Format_ARGB32_Premultiplied);
  texture.fill(Qt::transparent);
  const QTransform toTexture(scale, 0, 0, scale, kMargin - bounds.x() * scale, kMargin - bounds.y() * scale);
  {
    QPainter painter(&texture);
    painter.setPen(Qt::NoPen);
    painter.setTransform(toTexture);
    const QColor centre = GfxQColor(brush.centerColor);
    const double grow = kMargin / scale;
    for (const auto& figure : Figures(brush)) {
      for (std::size_t i = 0; i < figure.size(); ++i) {
        const Vertex& a = figure[i];
        const Vertex& b = figure[(i + 1) % figure.size()];
        if (a.colour == b.colour) {
          FillTriangle(painter, brush.centerPoint, centre, a.point, b.point, a.colour, grow);
          continue;
        }
        // Colour changes along the edge: short pieces, each with its middle colour.
        const double length = std::hypot(b.point.x() - a.point.x(), b.point.y() - a.point.y()) * scale;
        const int pieces = std::clamp(int(length / 2), 1, 128);
        for (int p = 0; p < pieces; ++p) {
          const double t0 = double(p) / pieces, t1 = double(p + 1) / pieces;
          FillTriangle(painter, brush.centerPoint, centre, a.point + (b.point - a.point) * t0,
                       a.point + (b.point - a.point) * t1, Mix(a.colour, b.colour, (t0 + t1) / 2), grow);
        }
      }
    }
  }
  QBrush result(texture);
  result.setTransform(toTexture.inverted() * brush.transform);
  return result;
}
