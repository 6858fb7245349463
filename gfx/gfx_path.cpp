#include "gfx/gfx_path.h"

#include "gfx/gfx_arc.h"
#include "gfx/gfx_font_family.h"
#include "gfx/gfx_native_font_family.h"
#include "gfx/gfx_native_path.h"
#include "gfx/gfx_native_pen.h"
#include "gfx/gfx_native_string_format.h"
#include "gfx/gfx_pen.h"
#include "gfx/gfx_status.h"
#include "gfx/gfx_string_format.h"
#include "gfx/gfx_text.h"
#include "gfx/gfx_text_layout.h"
#include "gfx/gfx_pen_paint.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace {
constexpr std::uint8_t kTypeStart = 0, kTypeLine = 1, kTypeBezier = 3, kTypeClose = 0x80;

QRectF ToQt(const GfxRectF& r) { return {r.X, r.Y, r.Width, r.Height}; }
}  // namespace

void GfxPath::OnSetNativeHandle(void* handle) { path_ = static_cast<GfxNativePath*>(handle); }

bool GfxPath::DeletePath() {
  if (!path_) return GfxReport(GfxInvalidParameter);
  ReleaseNativeHandle();
  return GfxReport(GfxOk);
}

bool GfxPath::CreatePath(int fillMode) {
  auto* native = new GfxNativePath;
  native->SetFillMode(fillMode);
  AdoptNativeHandle(native);
  return GfxReport(GfxOk);
}

bool GfxPath::CreatePath2(const GfxPointF* points, const std::uint8_t* types, int count, int fillMode) {
  if (!points || !types || count < 0) return GfxReport(GfxInvalidParameter);
  auto* native = new GfxNativePath;
  native->SetFillMode(fillMode);
  for (int i = 0; i < count; ++i) {
    const QPointF p(points[i].X, points[i].Y);
    const int kind = types[i] & 0x07;
    if (kind == kTypeStart || native->path.elementCount() == 0) native->path.moveTo(p);
    else if (kind == kTypeBezier && i + 2 < count) {
      native->path.cubicTo(p, QPointF(points[i + 1].X, points[i + 1].Y), QPointF(points[i + 2].X, points[i + 2].Y));
      i += 2;
    } else native->path.lineTo(p);
    native->figureOpen = !(types[i] & kTypeClose);
    if (types[i] & kTypeClose) native->path.closeSubpath();
  }
  AdoptNativeHandle(native);
  return GfxReport(GfxOk);
}

bool GfxPath::ClonePath(GfxPath& clone) const {
  if (!path_) return GfxReport(GfxInvalidParameter);
  auto* copy = new GfxNativePath;
  copy->path = path_->path;
  copy->figureOpen = path_->figureOpen;
  copy->soleEllipse = path_->soleEllipse;
  copy->ellipseTransform = path_->ellipseTransform;
  clone.AdoptNativeHandle(copy);
  return GfxReport(GfxOk);
}

bool GfxPath::ResetPath() {
  if (!path_) return GfxReport(GfxInvalidParameter);
  path_->Reset();
  path_->SetFillMode(FillModeAlternate);
  return GfxReport(GfxOk);
}

bool GfxPath::GetPathFillMode(int* fillMode) const {
  if (!path_ || !fillMode) return GfxReport(GfxInvalidParameter);
  *fillMode = path_->FillMode();
  return GfxReport(GfxOk);
}

bool GfxPath::SetPathFillMode(int fillMode) {
  if (!path_) return GfxReport(GfxInvalidParameter);
  path_->SetFillMode(fillMode);
  return GfxReport(GfxOk);
}

int GfxPath::GetPointCount() const {
  if (!path_) {
    GfxReport(GfxInvalidParameter);
    return 0;
  }
  GfxReport(GfxOk);
  return path_->path.elementCount();
}

bool GfxPath::GetPathPoints(std::vector<GfxPointF>& points) const {
  points.clear();
  if (!path_) return GfxReport(GfxInvalidParameter);
  for (int i = 0; i < path_->path.elementCount(); ++i) {
    const auto e = path_->path.elementAt(i);
    points.push_back({float(e.x), float(e.y)});
  }
  return GfxReport(GfxOk);
}

bool GfxPath::GetPathTypes(std::vector<std::uint8_t>& types) const {
  types.clear();
  if (!path_) return GfxReport(GfxInvalidParameter);
  const QPainterPath& p = path_->path;
  for (int i = 0; i < p.elementCount(); ++i) {
    const auto e = p.elementAt(i);
    std::uint8_t type = e.isMoveTo() ? kTypeStart : e.isLineTo() ? kTypeLine : kTypeBezier;
    // A figure ends closed when its last point returns to its start.
    const bool lastOfFigure = i + 1 == p.elementCount() || p.elementAt(i + 1).isMoveTo();
    if (lastOfFigure && !e.isMoveTo()) {
      int start = i;
      while (start > 0 && !p.elementAt(start).isMoveTo()) --start;
      const bool open = path_->figureOpen && i + 1 == p.elementCount();
      if (!open && QPointF(p.elementAt(start)) == QPointF(e)) type |= kTypeClose;
    }
    types.push_back(type);
  }
  return GfxReport(GfxOk);
}

bool GfxPath::GetPathLastPoint(GfxPointF* point) const {
  if (!path_ || !point) return GfxReport(GfxInvalidParameter);
  const QPointF last = path_->path.currentPosition();
  *point = {float(last.x()), float(last.y())};
  return GfxReport(GfxOk);
}

bool GfxPath::StartPathFigure() {
  if (!path_) return GfxReport(GfxInvalidParameter);
  path_->figureOpen = false;
  return GfxReport(GfxOk);
}

bool GfxPath::ClosePathFigure() {
  if (!path_) return GfxReport(GfxInvalidParameter);
  if (path_->path.elementCount() > 0) path_->path.closeSubpath();
  path_->figureOpen = false;
  return GfxReport(GfxOk);
}

bool GfxPath::ClosePathFigures() {
  if (!path_) return GfxReport(GfxInvalidParameter);
  // Every figure ends back at its start.
  QPainterPath closed;
  closed.setFillRule(path_->path.fillRule());
  const QPainterPath& p = path_->path;
  for (int i = 0; i < p.elementCount(); ++i) {
    const auto e = p.elementAt(i);
    if (e.isMoveTo()) {
      if (i > 0) closed.closeSubpath();
      closed.moveTo(e);
    } else if (e.isLineTo()) {
      closed.lineTo(e);
    } else if (e.isCurveTo()) {
      closed.cubicTo(e, p.elementAt(i + 1), p.elementAt(i + 2));
      i += 2;
    }
  }
  if (p.elementCount() > 0) closed.closeSubpath();
  path_->path = closed;
  path_->figureOpen = false;
  return GfxReport(GfxOk);
}

bool GfxPath::ReversePath() {
  if (!path_) return GfxReport(GfxInvalidParameter);
  path_->path = path_->path.toReversed();
  return GfxReport(GfxOk);
}

bool GfxPath::AddPathLine(float x1, float y1, float x2, float y2) {
  if (!path_) return GfxReport(GfxInvalidParameter);
  path_->soleEllipse.reset();
  path_->LineOrMoveTo(QPointF(x1, y1));
  path_->path.lineTo(x2, y2);
  return GfxReport(GfxOk);
}

bool GfxPath::AddPathLineI(int x1, int y1, int x2, int y2) { return AddPathLine(x1, y1, x2, y2); }

bool GfxPath::AddPathLine2(const GfxPointF* points, int count) {
  if (!path_ || !points || count < 1) return GfxReport(GfxInvalidParameter);
  path_->soleEllipse.reset();
  path_->LineOrMoveTo(QPointF(points[0].X, points[0].Y));
  for (int i = 1; i < count; ++i) path_->path.lineTo(points[i].X, points[i].Y);
  return GfxReport(GfxOk);
}

bool GfxPath::AddPathArc(float x, float y, float width, float height, float startAngle, float sweepAngle) {
  if (!path_) return GfxReport(GfxInvalidParameter);
  path_->soleEllipse.reset();
  GfxAppendArc(path_->path, QRectF(x, y, width, height), startAngle, sweepAngle, path_->figureOpen);
  path_->figureOpen = true;
  return GfxReport(GfxOk);
}

bool GfxPath::AddPathArcI(int x, int y, int width, int height, float startAngle, float sweepAngle) {
  return AddPathArc(x, y, width, height, startAngle, sweepAngle);
}

bool GfxPath::AddPathBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4) {
  if (!path_) return GfxReport(GfxInvalidParameter);
  path_->soleEllipse.reset();
  path_->LineOrMoveTo(QPointF(x1, y1));
  path_->path.cubicTo(x2, y2, x3, y3, x4, y4);
  return GfxReport(GfxOk);
}

bool GfxPath::AddFigure(const QPainterPath& figure) {
  path_->soleEllipse.reset();
  path_->path.addPath(figure);
  path_->figureOpen = false;
  return GfxReport(GfxOk);
}

bool GfxPath::AddPathRectangle(float x, float y, float width, float height) {
  if (!path_) return GfxReport(GfxInvalidParameter);
  if (width <= 0 || height <= 0) return GfxReport(GfxOk);  // nothing to add, as the flat API has it
  QPainterPath figure;
  figure.moveTo(x, y);
  figure.lineTo(x + width, y);
  figure.lineTo(x + width, y + height);
  figure.lineTo(x, y + height);
  figure.closeSubpath();
  return AddFigure(figure);
}

bool GfxPath::AddPathRectangleI(int x, int y, int width, int height) { return AddPathRectangle(x, y, width, height); }

bool GfxPath::AddRoundRectangle(float x, float y, float width, float height, int percent) {
  percent = std::clamp(percent, 1, 100);
  const float rx = std::trunc(width * percent / 100.0f), ry = std::trunc(height * percent / 100.0f);
  AddPathArc(x + width - rx, y, rx, ry, 270, 90);
  AddPathArc(x + width - rx, y + height - ry, rx, ry, 0, 90);
  AddPathArc(x, y + height - ry, rx, ry, 90, 90);
  AddPathArc(x, y, rx, ry, 180, 90);
  return ClosePathFigure();
}

bool GfxPath::AddPathEllipse(float x, float y, float width, float height) {
  if (!path_) return GfxReport(GfxInvalidParameter);
  const bool alone = path_->path.elementCount() == 0;
  QPainterPath figure;
  GfxAppendArc(figure, QRectF(x, y, width, height), 0, 360, false);
  figure.closeSubpath();
  AddFigure(figure);
  if (alone) path_->soleEllipse = QRectF(x, y, width, height);
  return GfxReport(GfxOk);
}

bool GfxPath::AddPathEllipseI(int x, int y, int width, int height) { return AddPathEllipse(x, y, width, height); }

bool GfxPath::AddPathPie(float x, float y, float width, float height, float startAngle, float sweepAngle) {
  if (!path_) return GfxReport(GfxInvalidParameter);
  QPainterPath figure;
  figure.moveTo(QRectF(x, y, width, height).center());
  GfxAppendArc(figure, QRectF(x, y, width, height), startAngle, sweepAngle, true);
  figure.closeSubpath();
  return AddFigure(figure);
}

bool GfxPath::AddPathPolygon(const GfxPointF* points, int count) {
  if (!path_ || !points || count < 3) return GfxReport(GfxInvalidParameter);
  QPainterPath figure;
  figure.moveTo(points[0].X, points[0].Y);
  for (int i = 1; i < count; ++i) figure.lineTo(points[i].X, points[i].Y);
  figure.closeSubpath();
  return AddFigure(figure);
}

bool GfxPath::AddPathPath(const GfxPath& other, bool connect) {
  if (!path_ || !other.path_) return GfxReport(GfxInvalidParameter);
  path_->soleEllipse.reset();
  if (connect && path_->figureOpen) path_->path.connectPath(other.path_->path);
  else path_->path.addPath(other.path_->path);
  path_->figureOpen = other.path_->figureOpen;
  return GfxReport(GfxOk);
}

bool GfxPath::AddPathString(const char* text, const GfxFontFamily& family, int style, float emSize,
                            const GfxRectF& layout, const GfxStringFormat* format) {
  return AddPathString(GfxTextFromBytes(text), -1, family, style, emSize, layout, format);
}

bool GfxPath::AddPathString(const QString& text, int length, const GfxFontFamily& family, int style, float emSize,
                            const GfxRectF& layout, const GfxStringFormat* format) {
  const auto* familyNative = family.Native();
  if (!path_ || !familyNative || (format && !format->Native())) return GfxReport(GfxInvalidParameter);
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
  QFont font(familyNative->name);
  font.setPointSizeF(std::max(0.01, emSize * 72.0 / dpi));
  font.setBold(style & FontStyleBold);
  font.setItalic(style & FontStyleItalic);
  font.setUnderline(style & FontStyleUnderline);
  font.setStrikeOut(style & FontStyleStrikeout);
  const GfxTextLayout laidOut(GfxTextFromUtf16(text, length), font, ToQt(layout), format ? format->Native() : nullptr, emSize);
  QPainterPath glyphs;
  laidOut.AddToPath(glyphs);
  return AddFigure(glyphs);
}

bool GfxPath::AddPathStringI(const char* text, const GfxFontFamily& family, int style, float emSize,
                             const GfxRect& layout, const GfxStringFormat* format) {
  return AddPathString(text, family, style, emSize,
                       GfxRectF{float(layout.X), float(layout.Y), float(layout.Width), float(layout.Height)}, format);
}

bool GfxPath::TransformPath(const QTransform& matrix) {
  if (!path_) return GfxReport(GfxInvalidParameter);
  const Qt::FillRule rule = path_->path.fillRule();
  path_->path = matrix.map(path_->path);
  path_->path.setFillRule(rule);
  path_->ellipseTransform *= matrix;
  return GfxReport(GfxOk);
}

bool GfxPath::GetPathWorldBounds(GfxRectF* bounds, const QTransform* matrix, const GfxPen* pen) const {
  if (!path_ || !bounds) return GfxReport(GfxInvalidParameter);
  QPainterPath p = matrix ? matrix->map(path_->path) : path_->path;
  QRectF box = p.controlPointRect();
  if (p.elementCount() > 0) box = p.boundingRect();
  if (pen && pen->Native()) box = GfxPenOutline(p, *pen->Native(), pen->Native()->width).boundingRect();
  *bounds = {float(box.x()), float(box.y()), float(box.width()), float(box.height())};
  return GfxReport(GfxOk);
}

bool GfxPath::GetPathWorldBoundsI(GfxRect* bounds, const QTransform* matrix, const GfxPen* pen) const {
  GfxRectF box;
  if (!bounds || !GetPathWorldBounds(&box, matrix, pen)) return GfxReport(bounds ? LastGfxStatus : GfxInvalidParameter);
  const QRect whole = QRectF(box.X, box.Y, box.Width, box.Height).toAlignedRect();
  *bounds = {whole.x(), whole.y(), whole.width(), whole.height()};
  return GfxReport(GfxOk);
}

bool GfxPath::FlattenPath(const QTransform* matrix, float) {
  if (!path_) return GfxReport(GfxInvalidParameter);
  QPainterPath flat;
  flat.setFillRule(path_->path.fillRule());
  for (const QPolygonF& polygon : (matrix ? matrix->map(path_->path) : path_->path).toSubpathPolygons())
    flat.addPolygon(polygon);
  path_->path = flat;
  path_->soleEllipse.reset();
  return GfxReport(GfxOk);
}

bool GfxPath::WidenPath(const GfxPen& pen, const QTransform* matrix, float) {
  if (!path_ || !pen.Native()) return GfxReport(GfxInvalidParameter);
  const QPainterPath source = matrix ? matrix->map(path_->path) : path_->path;
  path_->path = GfxPenOutline(source, *pen.Native(), pen.Native()->width);
  path_->soleEllipse.reset();
  path_->figureOpen = false;
  return GfxReport(GfxOk);
}

bool GfxPath::IsVisiblePathPoint(float x, float y, bool* result) const {
  if (!path_ || !result) return GfxReport(GfxInvalidParameter);
  *result = path_->path.contains(QPointF(x, y));
  return GfxReport(GfxOk);
}

bool GfxPath::IsOutlineVisiblePathPoint(float x, float y, const GfxPen& pen, bool* result) const {
  if (!path_ || !pen.Native() || !result) return GfxReport(GfxInvalidParameter);
  *result = GfxPenOutline(path_->path, *pen.Native(), pen.Native()->width).contains(QPointF(x, y));
  return GfxReport(GfxOk);
}
