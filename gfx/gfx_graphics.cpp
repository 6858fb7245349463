#include "gfx/gfx_graphics.h"

#include "gfx/gfx_arc.h"
#include "gfx/gfx_brush.h"
#include "gfx/gfx_brush_paint.h"
#include "gfx/gfx_color.h"
#include "gfx/gfx_font.h"
#include "gfx/gfx_image.h"
#include "gfx/gfx_matrix_ops.h"
#include "gfx/gfx_native_brush.h"
#include "gfx/gfx_native_font.h"
#include "gfx/gfx_native_graphics.h"
#include "gfx/gfx_native_image.h"
#include "gfx/gfx_native_path.h"
#include "gfx/gfx_native_pen.h"
#include "gfx/gfx_native_region.h"
#include "gfx/gfx_native_string_format.h"
#include "gfx/gfx_path.h"
#include "gfx/gfx_pen.h"
#include "gfx/gfx_pen_paint.h"
#include "gfx/gfx_region.h"
#include "gfx/gfx_status.h"
#include "gfx/gfx_string_format.h"
#include "gfx/gfx_text.h"
#include "gfx/gfx_text_layout.h"

#include <QPaintDevice>

namespace {
QRectF ToQt(const GfxRectF& r) { return {r.X, r.Y, r.Width, r.Height}; }
GfxRectF FromQt(const QRectF& r) { return {float(r.x()), float(r.y()), float(r.width()), float(r.height())}; }
}  // namespace

void GfxGraphics::OnSetNativeHandle(void* handle) { graphics_ = static_cast<GfxNativeGraphics*>(handle); }

bool GfxGraphics::DeleteGraphics() {
  if (!graphics_) return GfxReport(GfxInvalidParameter);
  ReleaseNativeHandle();
  saved_.clear();
  return GfxReport(GfxOk);
}

bool GfxGraphics::Flush() { return GfxReport(graphics_ ? GfxOk : GfxInvalidParameter); }

bool GfxGraphics::CreateFromHDC(QPaintDevice* target) {
  if (!target) return GfxReport(GfxOutOfMemory);
  auto* native = new GfxNativeGraphics;
  native->device = target;
  if (!native->painter.begin(target)) {
    delete native;
    return GfxReport(GfxGenericError);
  }
  native->ApplyHints();
  native->ApplyTransform();
  AdoptNativeHandle(native);
  return GfxReport(GfxOk);
}

bool GfxGraphics::GetImageGraphicsContext(const GfxImage& image) {
  GfxNativeImage* target = image.Native();
  if (!target) return GfxReport(GfxInvalidParameter);
  if (target->image.format() == QImage::Format_Indexed8 || target->image.format() == QImage::Format_Mono)
    return GfxReport(GfxOutOfMemory);  // no drawing into indexed images, as the flat API has it
  if (!CreateFromHDC(&target->image)) return false;
  graphics_->image = target;
  target->Retain();
  ++target->graphicsOpen;
  return GfxReport(GfxOk);
}

namespace {
template <class F>
bool Change(GfxNativeGraphics* g, F change) {
  if (!g) return GfxReport(GfxInvalidParameter);
  change(*g);
  return GfxReport(GfxOk);
}
template <class T, class F>
T Read(const GfxNativeGraphics* g, F read) {
  if (!g) {
    GfxReport(GfxInvalidParameter);
    return T{};
  }
  GfxReport(GfxOk);
  return read(*g);
}
}  // namespace

bool GfxGraphics::SetRenderingOrigin(int x, int y) { return Change(graphics_, [&](auto& g) { g.renderingOrigin = {x, y}; }); }
bool GfxGraphics::GetRenderingOrigin(int* x, int* y) const {
  if (!graphics_ || !x || !y) return GfxReport(GfxInvalidParameter);
  *x = graphics_->renderingOrigin.x();
  *y = graphics_->renderingOrigin.y();
  return GfxReport(GfxOk);
}
bool GfxGraphics::SetCompositingMode(int mode) {
  if (mode != CompositingModeSourceOver && mode != CompositingModeSourceCopy) return GfxReport(GfxInvalidParameter);
  return Change(graphics_, [&](auto& g) { g.compositingMode = mode; g.ApplyHints(); });
}
int GfxGraphics::GetCompositingMode() const { return Read<int>(graphics_, [](auto& g) { return g.compositingMode; }); }
bool GfxGraphics::SetCompositingQuality(int quality) {
  if (quality < CompositingQualityDefault || quality > CompositingQualityAssumeLinear) return GfxReport(GfxInvalidParameter);
  return Change(graphics_, [&](auto& g) { g.compositingQuality = quality; });
}
int GfxGraphics::GetCompositingQuality() const { return Read<int>(graphics_, [](auto& g) { return g.compositingQuality; }); }
bool GfxGraphics::SetTextRenderingHint(int hint) {
  if (hint < TextRenderingHintSystemDefault || hint > TextRenderingHintClearTypeGridFit) return GfxReport(GfxInvalidParameter);
  return Change(graphics_, [&](auto& g) { g.textHint = hint; g.ApplyHints(); });
}
int GfxGraphics::GetTextRenderingHint() const { return Read<int>(graphics_, [](auto& g) { return g.textHint; }); }
bool GfxGraphics::SetTextContrast(unsigned contrast) {
  if (contrast > 12) return GfxReport(GfxInvalidParameter);
  return Change(graphics_, [&](auto& g) { g.textContrast = int(contrast); });
}
bool GfxGraphics::SetInterpolationMode(int mode) {
  if (mode < InterpolationModeDefault || mode > InterpolationModeHighQualityBicubic) return GfxReport(GfxInvalidParameter);
  return Change(graphics_, [&](auto& g) { g.interpolation = mode; g.ApplyHints(); });
}
int GfxGraphics::GetInterpolationMode() const { return Read<int>(graphics_, [](auto& g) { return g.interpolation; }); }
bool GfxGraphics::SetSmoothingMode(int mode) {
  if (mode < SmoothingModeDefault || mode > SmoothingModeAntiAlias8x8) return GfxReport(GfxInvalidParameter);
  return Change(graphics_, [&](auto& g) { g.smoothing = mode; g.ApplyHints(); });
}
int GfxGraphics::GetSmoothingMode() const { return Read<int>(graphics_, [](auto& g) { return g.smoothing; }); }
bool GfxGraphics::SetPixelOffsetMode(int mode) {
  if (mode < PixelOffsetModeDefault || mode > PixelOffsetModeHalf) return GfxReport(GfxInvalidParameter);
  return Change(graphics_, [&](auto& g) { g.pixelOffset = mode; g.ApplyTransform(); });
}
int GfxGraphics::GetPixelOffsetMode() const { return Read<int>(graphics_, [](auto& g) { return g.pixelOffset; }); }

bool GfxGraphics::SetWorldTransform(const QTransform& matrix) {
  if (!matrix.isInvertible()) return GfxReport(GfxInvalidParameter);
  return Change(graphics_, [&](auto& g) { g.world = matrix; g.ApplyTransform(); });
}
bool GfxGraphics::GetWorldTransform(QTransform* matrix) const {
  if (!graphics_ || !matrix) return GfxReport(GfxInvalidParameter);
  *matrix = graphics_->world;
  return GfxReport(GfxOk);
}
bool GfxGraphics::ResetWorldTransform() { return Change(graphics_, [](auto& g) { g.world.reset(); g.ApplyTransform(); }); }
bool GfxGraphics::MultiplyWorldTransform(const QTransform& matrix, int order) {
  return Change(graphics_, [&](auto& g) { GfxCombine(g.world, matrix, order); g.ApplyTransform(); });
}
bool GfxGraphics::TranslateWorldTransform(float dx, float dy, int order) {
  return MultiplyWorldTransform(QTransform::fromTranslate(dx, dy), order);
}
bool GfxGraphics::ScaleWorldTransform(float sx, float sy, int order) { return MultiplyWorldTransform(QTransform::fromScale(sx, sy), order); }
bool GfxGraphics::RotateWorldTransform(float angle, int order) { return MultiplyWorldTransform(GfxRotation(angle), order); }
bool GfxGraphics::ScaleAt(float sx, float sy, float cx, float cy, int order) {
  return GfxTransformAt(cx, cy, order, [this](float x, float y, int o) { return TranslateWorldTransform(x, y, o); },
                        [&](int o) { return ScaleWorldTransform(sx, sy, o); });
}
bool GfxGraphics::RotateAt(float angle, float cx, float cy, int order) {
  return GfxTransformAt(cx, cy, order, [this](float x, float y, int o) { return TranslateWorldTransform(x, y, o); },
                        [&](int o) { return RotateWorldTransform(angle, o); });
}
bool GfxGraphics::SetPageUnit(int unit) {
  if (!GfxIsValidUnit(unit) || unit == UnitWorld) return GfxReport(GfxInvalidParameter);
  return Change(graphics_, [&](auto& g) { g.pageUnit = unit; g.ApplyTransform(); });
}
int GfxGraphics::GetPageUnit() const { return Read<int>(graphics_, [](auto& g) { return g.pageUnit; }); }
bool GfxGraphics::SetPageScale(float scale) {
  if (scale <= 0) return GfxReport(GfxInvalidParameter);
  return Change(graphics_, [&](auto& g) { g.pageScale = scale; g.ApplyTransform(); });
}
float GfxGraphics::GetPageScale() const { return Read<float>(graphics_, [](auto& g) { return g.pageScale; }); }
float GfxGraphics::GetDpiX() const { return Read<float>(graphics_, [](auto& g) { return float(g.DpiX()); }); }
float GfxGraphics::GetDpiY() const { return Read<float>(graphics_, [](auto& g) { return float(g.Dpi()); }); }

bool GfxGraphics::Stroke(const GfxPen& pen, const QPainterPath& path) {
  if (!graphics_ || !pen.Native()) return GfxReport(GfxInvalidParameter);
  GfxNativeGraphics& g = *graphics_;
  GfxStrokePathWith(g.painter, path, *pen.Native(), GfxPenWidthUnits(*pen.Native(), g.Dpi(), g.PagePixels()), g.DeviceScale());
  return GfxReport(GfxOk);
}

bool GfxGraphics::Fill(const GfxBrush& brush, const QPainterPath& path) {
  if (!graphics_ || !brush.Native()) return GfxReport(GfxInvalidParameter);
  GfxFillPathWith(graphics_->painter, path, *brush.Native(), graphics_->DeviceScale());
  return GfxReport(GfxOk);
}

bool GfxGraphics::DrawLine(const GfxPen& pen, float x1, float y1, float x2, float y2) {
  QPainterPath line(QPointF(x1, y1));
  line.lineTo(x2, y2);
  return Stroke(pen, line);
}
bool GfxGraphics::DrawLineI(const GfxPen& pen, int x1, int y1, int x2, int y2) { return DrawLine(pen, x1, y1, x2, y2); }
bool GfxGraphics::DrawLines(const GfxPen& pen, const GfxPointF* points, int count) {
  if (!points || count < 2) return GfxReport(GfxInvalidParameter);
  QPainterPath lines(QPointF(points[0].X, points[0].Y));
  for (int i = 1; i < count; ++i) lines.lineTo(points[i].X, points[i].Y);
  return Stroke(pen, lines);
}
bool GfxGraphics::DrawArc(const GfxPen& pen, float x, float y, float width, float height, float startAngle, float sweepAngle) {
  QPainterPath arc;
  GfxAppendArc(arc, QRectF(x, y, width, height), startAngle, sweepAngle, false);
  return Stroke(pen, arc);
}
bool GfxGraphics::DrawArcI(const GfxPen& pen, int x, int y, int width, int height, float startAngle, float sweepAngle) {
  return DrawArc(pen, x, y, width, height, startAngle, sweepAngle);
}
bool GfxGraphics::DrawBezier(const GfxPen& pen, float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4) {
  QPainterPath curve(QPointF(x1, y1));
  curve.cubicTo(x2, y2, x3, y3, x4, y4);
  return Stroke(pen, curve);
}
bool GfxGraphics::DrawRectangle(const GfxPen& pen, float x, float y, float width, float height) {
  QPainterPath box;
  box.addRect(x, y, width, height);
  return Stroke(pen, box);
}
bool GfxGraphics::DrawRectangleI(const GfxPen& pen, int x, int y, int width, int height) { return DrawRectangle(pen, x, y, width, height); }
bool GfxGraphics::DrawEllipse(const GfxPen& pen, float x, float y, float width, float height) {
  QPainterPath ellipse;
  GfxAppendArc(ellipse, QRectF(x, y, width, height), 0, 360, false);
  ellipse.closeSubpath();
  return Stroke(pen, ellipse);
}
bool GfxGraphics::DrawPie(const GfxPen& pen, float x, float y, float width, float height, float startAngle, float sweepAngle) {
  QPainterPath pie(QRectF(x, y, width, height).center());
  GfxAppendArc(pie, QRectF(x, y, width, height), startAngle, sweepAngle, true);
  pie.closeSubpath();
  return Stroke(pen, pie);
}
bool GfxGraphics::DrawPolygon(const GfxPen& pen, const GfxPointF* points, int count) {
  if (!points || count < 2) return GfxReport(GfxInvalidParameter);
  QPainterPath polygon(QPointF(points[0].X, points[0].Y));
  for (int i = 1; i < count; ++i) polygon.lineTo(points[i].X, points[i].Y);
  polygon.closeSubpath();
  return Stroke(pen, polygon);
}
bool GfxGraphics::DrawPath(const GfxPen& pen, const GfxPath& path) {
  if (!path.Native()) return GfxReport(GfxInvalidParameter);
  return Stroke(pen, path.Native()->path);
}

bool GfxGraphics::GraphicsClear(GfxArgb color) {
  if (!graphics_) return GfxReport(GfxInvalidParameter);
  // Device pixels, replacing what is there; only the transform and mode are touched, so they are
  // put back by hand rather than through a full painter state save.
  QPainter& p = graphics_->painter;
  const QTransform transform = p.transform();
  const QPainter::CompositionMode mode = p.compositionMode();
  if (!transform.isIdentity()) p.resetTransform();
  if (mode != QPainter::CompositionMode_Source) p.setCompositionMode(QPainter::CompositionMode_Source);
  p.fillRect(QRect(0, 0, graphics_->device->width(), graphics_->device->height()), GfxQColor(color));
  if (mode != QPainter::CompositionMode_Source) p.setCompositionMode(mode);
  if (!transform.isIdentity()) p.setTransform(transform);
  return GfxReport(GfxOk);
}

bool GfxGraphics::FillRectangle(const GfxBrush& brush, float x, float y, float width, float height) {
  if (!graphics_ || !brush.Native()) return GfxReport(GfxInvalidParameter);
  if (brush.Native()->type == BrushTypeSolidColor) {
    graphics_->painter.fillRect(QRectF(x, y, width, height), GfxQColor(brush.Native()->color));
    return GfxReport(GfxOk);
  }
  QPainterPath box;
  box.addRect(x, y, width, height);
  return Fill(brush, box);
}
bool GfxGraphics::FillRectangle(const GfxBrush& brush, const GfxRectF& r) { return FillRectangle(brush, r.X, r.Y, r.Width, r.Height); }
bool GfxGraphics::FillRectangleI(const GfxBrush& brush, int x, int y, int width, int height) { return FillRectangle(brush, x, y, width, height); }
bool GfxGraphics::FillPolygon(const GfxBrush& brush, const GfxPointF* points, int count, int fillMode) {
  if (!points || count < 3) return GfxReport(GfxInvalidParameter);
  QPainterPath polygon(QPointF(points[0].X, points[0].Y));
  for (int i = 1; i < count; ++i) polygon.lineTo(points[i].X, points[i].Y);
  polygon.closeSubpath();
  polygon.setFillRule(fillMode == FillModeWinding ? Qt::WindingFill : Qt::OddEvenFill);
  return Fill(brush, polygon);
}
bool GfxGraphics::FillEllipse(const GfxBrush& brush, float x, float y, float width, float height) {
  QPainterPath ellipse;
  GfxAppendArc(ellipse, QRectF(x, y, width, height), 0, 360, false);
  ellipse.closeSubpath();
  return Fill(brush, ellipse);
}
bool GfxGraphics::FillPie(const GfxBrush& brush, float x, float y, float width, float height, float startAngle, float sweepAngle) {
  QPainterPath pie(QRectF(x, y, width, height).center());
  GfxAppendArc(pie, QRectF(x, y, width, height), startAngle, sweepAngle, true);
  pie.closeSubpath();
  return Fill(brush, pie);
}
bool GfxGraphics::FillPath(const GfxBrush& brush, const GfxPath& path) {
  if (!path.Native()) return GfxReport(GfxInvalidParameter);
  return Fill(brush, path.Native()->path);
}
bool GfxGraphics::FillRegion(const GfxBrush& brush, const GfxRegion& region) {
  if (!region.Native()) return GfxReport(GfxInvalidParameter);
  return Fill(brush, region.Native()->Area());
}

namespace {
// The Qt font of a font wrapper for this surface, its em in world units.
QFont SurfaceFont(const GfxNativeGraphics& g, const GfxNativeFont& font, double* emUnits) {
  const double pixels = font.unit == UnitWorld ? font.emSize * g.PagePixels() : font.emSize * GfxPixelsPerUnit(font.unit, g.Dpi());
  *emUnits = pixels / g.PagePixels();
  return font.QtFont(*emUnits, g.Dpi());
}
}  // namespace

bool GfxGraphics::DrawString(const char* text, const GfxFont& font, const GfxRectF& layout, const GfxStringFormat* format,
                             const GfxBrush& brush) {
  return DrawString(GfxTextFromBytes(text), -1, font, layout, format, brush);
}

bool GfxGraphics::DrawString(const QString& text, int length, const GfxFont& font, const GfxRectF& layout,
                             const GfxStringFormat* format, const GfxBrush& brush) {
  if (!graphics_ || !font.Native() || !brush.Native() || (format && !format->Native())) return GfxReport(GfxInvalidParameter);
  GfxNativeGraphics& g = *graphics_;
  double em = 0;
  const QFont qtFont = SurfaceFont(g, *font.Native(), &em);
  const GfxTextLayout laidOut(GfxTextFromUtf16(text, length), qtFont, ToQt(layout), format ? format->Native() : nullptr, em, g.device);
  g.painter.setPen(QPen(GfxQtBrush(*brush.Native(), g.DeviceScale()), 0));
  laidOut.Draw(g.painter);
  return GfxReport(GfxOk);
}

bool GfxGraphics::MeasureString(const char* text, const GfxFont& font, const GfxRectF& layout, const GfxStringFormat* format,
                                GfxRectF* bounds, int* codepointsFitted, int* linesFilled) {
  return MeasureString(GfxTextFromBytes(text), -1, font, layout, format, bounds, codepointsFitted, linesFilled);
}

bool GfxGraphics::MeasureString(const QString& text, int length, const GfxFont& font, const GfxRectF& layout,
                                const GfxStringFormat* format, GfxRectF* bounds, int* codepointsFitted, int* linesFilled) {
  if (!graphics_ || !font.Native() || !bounds || (format && !format->Native())) return GfxReport(GfxInvalidParameter);
  double em = 0;
  const QFont qtFont = SurfaceFont(*graphics_, *font.Native(), &em);
  const GfxTextLayout laidOut(GfxTextFromUtf16(text, length), qtFont, ToQt(layout), format ? format->Native() : nullptr, em, graphics_->device);
  *bounds = FromQt(laidOut.Bounds());
  if (codepointsFitted) *codepointsFitted = laidOut.CodepointsFitted();
  if (linesFilled) *linesFilled = laidOut.LinesFilled();
  return GfxReport(GfxOk);
}

bool GfxGraphics::MeasureCharacterRanges(const char* text, const GfxFont& font, const GfxRectF& layout,
                                         const GfxStringFormat& format, int regionCount, std::vector<GfxRegion>& regions) {
  return MeasureCharacterRanges(GfxTextFromBytes(text), -1, font, layout, format, regionCount, regions);
}

bool GfxGraphics::MeasureCharacterRanges(const QString& text, int length, const GfxFont& font, const GfxRectF& layout,
                                         const GfxStringFormat& format, int regionCount, std::vector<GfxRegion>& regions) {
  regions.clear();
  if (regionCount < 1) return GfxReport(GfxInvalidParameter);
  if (!graphics_ || !font.Native() || !format.Native()) return GfxReport(GfxInvalidParameter);
  const auto& ranges = format.Native()->ranges;
  if (regionCount < int(ranges.size())) return GfxReport(GfxInvalidParameter);
  double em = 0;
  const QFont qtFont = SurfaceFont(*graphics_, *font.Native(), &em);
  const QString shown = GfxTextFromUtf16(text, length);
  const GfxTextLayout laidOut(shown, qtFont, ToQt(layout), format.Native(), em, graphics_->device);
  for (const GfxCharacterRange& range : ranges) {
    if (range.First < 0 || range.Length < 0 || range.First + range.Length > shown.size()) {
      regions.clear();
      return GfxReport(GfxInvalidParameter);
    }
    GfxRegion region;
    region.CreateRegionArea(laidOut.RangeArea(range.First, range.Length));
    regions.push_back(region);
  }
  return GfxReport(GfxOk);
}

bool GfxGraphics::DrawImage(const GfxImage& image, float x, float y) {
  if (!image.Native()) return GfxReport(GfxInvalidParameter);
  // At its own resolution, as the flat API draws an image without a size.
  const GfxNativeImage& i = *image.Native();
  const float dpiX = graphics_ ? float(graphics_->DpiX()) : 96, dpiY = graphics_ ? float(graphics_->Dpi()) : 96;
  return DrawImageRect(image, x, y, i.image.width() * dpiX / i.dpiX, i.image.height() * dpiY / i.dpiY);
}
bool GfxGraphics::DrawImageI(const GfxImage& image, int x, int y) { return DrawImage(image, x, y); }
bool GfxGraphics::DrawImageRect(const GfxImage& image, float x, float y, float width, float height) {
  return DrawImageRectRect(image, x, y, width, height, UnitPixel);
}
bool GfxGraphics::DrawImageRectRect(const GfxImage& image, float x, float y, float width, float height, int srcUnit) {
  if (!image.Native()) return GfxReport(GfxInvalidParameter);
  const QImage& pixels = image.Native()->image;
  return DrawImageRectRect(image, {x, y, width, height}, {0, 0, float(pixels.width()), float(pixels.height())}, srcUnit);
}
bool GfxGraphics::DrawImageRectRectI(const GfxImage& image, int x, int y, int width, int height, int srcUnit) {
  return DrawImageRectRect(image, x, y, width, height, srcUnit);
}
bool GfxGraphics::DrawImageRectRect(const GfxImage& image, const GfxRectF& dest, const GfxRectF& source, int srcUnit) {
  if (!graphics_ || !image.Native() || srcUnit != UnitPixel) return GfxReport(srcUnit != UnitPixel ? GfxNotImplemented : GfxInvalidParameter);
  if (image.Native() == graphics_->image) return GfxReport(GfxObjectBusy);
  // Image pixels are areas, not centres: drawn without the centre offset.
  QPainter& p = graphics_->painter;
  if (!graphics_->HalfPixelOffset()) {
    const QTransform t = p.transform();
    p.setTransform(t * QTransform::fromTranslate(-0.5, -0.5));
    p.drawImage(ToQt(dest), image.Native()->image, ToQt(source));
    p.setTransform(t);
  } else {
    p.drawImage(ToQt(dest), image.Native()->image, ToQt(source));
  }
  return GfxReport(GfxOk);
}

bool GfxGraphics::Clip(const QPainterPath& area, int mode) {
  if (!graphics_ || mode < CombineModeReplace || mode > CombineModeComplement) return GfxReport(GfxInvalidParameter);
  QPainter& p = graphics_->painter;
  if (mode == CombineModeReplace || mode == CombineModeIntersect) {
    p.setClipPath(area, mode == CombineModeReplace || !p.hasClipping() ? Qt::ReplaceClip : Qt::IntersectClip);
    return GfxReport(GfxOk);
  }
  QPainterPath current;
  if (p.hasClipping()) current = p.clipPath();
  else current.addRect(GfxNativeRegion::InfiniteRect());
  QPainterPath result;
  switch (mode) {
    case CombineModeUnion: result = current.united(area); break;
    case CombineModeXor: result = current.united(area).subtracted(current.intersected(area)); break;
    case CombineModeExclude: result = current.subtracted(area); break;
    default: result = area.subtracted(current); break;
  }
  p.setClipPath(result, Qt::ReplaceClip);
  return GfxReport(GfxOk);
}

bool GfxGraphics::SetClipGraphics(const GfxGraphics& other, int mode) {
  if (!other.graphics_) return GfxReport(GfxInvalidParameter);
  QPainterPath area;
  if (other.graphics_->painter.hasClipping()) area = other.graphics_->painter.clipPath();
  else area.addRect(GfxNativeRegion::InfiniteRect());
  return Clip(area, mode);
}
bool GfxGraphics::SetClipPath(const GfxPath& path, int mode) {
  if (!path.Native()) return GfxReport(GfxInvalidParameter);
  return Clip(path.Native()->path, mode);
}
bool GfxGraphics::SetClipRect(float x, float y, float width, float height, int mode) {
  QPainterPath box;
  box.addRect(QRectF(x, y, width, height).normalized());
  return Clip(box, mode);
}
bool GfxGraphics::SetClipRectI(int x, int y, int width, int height, int mode) { return SetClipRect(x, y, width, height, mode); }
bool GfxGraphics::SetClipRegion(const GfxRegion& region, int mode) {
  if (!region.Native()) return GfxReport(GfxInvalidParameter);
  return Clip(region.Native()->Area(), mode);
}
bool GfxGraphics::ResetClip() { return Change(graphics_, [](auto& g) { g.painter.setClipping(false); }); }
bool GfxGraphics::TranslateClip(float dx, float dy) {
  if (!graphics_) return GfxReport(GfxInvalidParameter);
  if (graphics_->painter.hasClipping()) graphics_->painter.setClipPath(graphics_->painter.clipPath().translated(dx, dy));
  return GfxReport(GfxOk);
}
bool GfxGraphics::GetClipBounds(GfxRectF* bounds) const {
  if (!graphics_ || !bounds) return GfxReport(GfxInvalidParameter);
  const QPainter& p = graphics_->painter;
  *bounds = FromQt(p.hasClipping() ? p.clipBoundingRect() : GfxNativeRegion::InfiniteRect());
  return GfxReport(GfxOk);
}
bool GfxGraphics::IsClipEmpty(bool* result) const {
  if (!graphics_ || !result) return GfxReport(GfxInvalidParameter);
  *result = graphics_->painter.hasClipping() && graphics_->painter.clipBoundingRect().isEmpty();
  return GfxReport(GfxOk);
}
bool GfxGraphics::IsVisiblePoint(float x, float y, bool* result) const {
  if (!graphics_ || !result) return GfxReport(GfxInvalidParameter);
  const QPainter& p = graphics_->painter;
  const QPointF device = p.transform().map(QPointF(x, y));
  const bool onTarget = QRectF(0, 0, graphics_->device->width(), graphics_->device->height()).contains(device);
  *result = onTarget && (!p.hasClipping() || p.clipPath().contains(QPointF(x, y)));
  return GfxReport(GfxOk);
}

unsigned GfxGraphics::SaveGraphics() {
  if (!graphics_) return GfxReport(GfxInvalidParameter), 0u;
  graphics_->painter.save();
  const unsigned state = unsigned(saved_.size()) + 1;
  saved_.push_back(state);
  GfxReport(GfxOk);
  return state;
}

bool GfxGraphics::RestoreGraphics(unsigned state) {
  if (!graphics_ || state == 0 || state > saved_.size()) return GfxReport(GfxInvalidParameter);
  while (saved_.size() >= state) {
    graphics_->painter.restore();
    saved_.pop_back();
  }
  // The painter's transform came back with it; read the world part back from it.
  const double page = graphics_->PagePixels();
  const double shift = graphics_->HalfPixelOffset() ? 0.0 : 0.5;
  graphics_->world = graphics_->painter.transform() * QTransform(page, 0, 0, page, shift, shift).inverted();
  return GfxReport(GfxOk);
}
