#pragma once
#include "gfx/gfx_object.h"
#include "gfx/gfx_region.h"
#include "gfx/gfx_values.h"

#include <QString>
#include <QTransform>
#include <vector>

class GfxNativeGraphics;
class GfxPen;
class GfxBrush;
class GfxPath;
class GfxFont;
class GfxStringFormat;
class GfxImage;
class GfxRegion;
class QPaintDevice;

// A graphics surface over a paint target (a QImage, a QPixmap, or a widget inside its paint event).
class GfxGraphics : public GfxObject {
 public:
  GfxNativeGraphics* Native() const { return graphics_; }

  bool DeleteGraphics();
  bool Flush();
  bool CreateFromHDC(QPaintDevice* target);
  bool GetImageGraphicsContext(const GfxImage& image);

  bool SetRenderingOrigin(int x, int y);
  bool GetRenderingOrigin(int* x, int* y) const;
  bool SetCompositingMode(int mode);
  int GetCompositingMode() const;
  bool SetCompositingQuality(int quality);
  int GetCompositingQuality() const;
  bool SetTextRenderingHint(int hint);
  int GetTextRenderingHint() const;
  bool SetTextContrast(unsigned contrast);
  bool SetInterpolationMode(int mode);
  int GetInterpolationMode() const;
  bool SetSmoothingMode(int mode);
  int GetSmoothingMode() const;
  bool SetPixelOffsetMode(int mode);
  int GetPixelOffsetMode() const;

  bool SetWorldTransform(const QTransform& matrix);
  bool GetWorldTransform(QTransform* matrix) const;
  bool ResetWorldTransform();
  bool MultiplyWorldTransform(const QTransform& matrix, int order = MatrixOrderPrepend);
  bool TranslateWorldTransform(float dx, float dy, int order = MatrixOrderPrepend);
  bool ScaleWorldTransform(float sx, float sy, int order = MatrixOrderPrepend);
  bool RotateWorldTransform(float angle, int order = MatrixOrderPrepend);
  bool ScaleAt(float sx, float sy, float cx, float cy, int order);
  bool RotateAt(float angle, float cx, float cy, int order);
  bool SetPageUnit(int unit);
  int GetPageUnit() const;
  bool SetPageScale(float scale);
  float GetPageScale() const;
  float GetDpiX() const;
  float GetDpiY() const;

  bool DrawLine(const GfxPen& pen, float x1, float y1, float x2, float y2);
  bool DrawLineI(const GfxPen& pen, int x1, int y1, int x2, int y2);
  bool DrawLines(const GfxPen& pen, const GfxPointF* points, int count);
  bool DrawArc(const GfxPen& pen, float x, float y, float width, float height, float startAngle, float sweepAngle);
  bool DrawArcI(const GfxPen& pen, int x, int y, int width, int height, float startAngle, float sweepAngle);
  bool DrawBezier(const GfxPen& pen, float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
  bool DrawRectangle(const GfxPen& pen, float x, float y, float width, float height);
  bool DrawRectangleI(const GfxPen& pen, int x, int y, int width, int height);
  bool DrawEllipse(const GfxPen& pen, float x, float y, float width, float height);
  bool DrawPie(const GfxPen& pen, float x, float y, float width, float height, float startAngle, float sweepAngle);
  bool DrawPolygon(const GfxPen& pen, const GfxPointF* points, int count);
  bool DrawPath(const GfxPen& pen, const GfxPath& path);
  bool GraphicsClear(GfxArgb color);
  bool FillRectangle(const GfxBrush& brush, float x, float y, float width, float height);
  bool FillRectangle(const GfxBrush& brush, const GfxRectF& rect);
  bool FillRectangleI(const GfxBrush& brush, int x, int y, int width, int height);
  bool FillPolygon(const GfxBrush& brush, const GfxPointF* points, int count, int fillMode = FillModeAlternate);
  bool FillEllipse(const GfxBrush& brush, float x, float y, float width, float height);
  bool FillPie(const GfxBrush& brush, float x, float y, float width, float height, float startAngle, float sweepAngle);
  bool FillPath(const GfxBrush& brush, const GfxPath& path);
  bool FillRegion(const GfxBrush& brush, const GfxRegion& region);

  // Byte text (UTF-8) and UTF-16 forms (length -1: the whole text).
  bool DrawString(const char* text, const GfxFont& font, const GfxRectF& layout, const GfxStringFormat* format,
                  const GfxBrush& brush);
  bool DrawString(const QString& text, int length, const GfxFont& font, const GfxRectF& layout,
                  const GfxStringFormat* format, const GfxBrush& brush);
  bool MeasureString(const char* text, const GfxFont& font, const GfxRectF& layout, const GfxStringFormat* format,
                     GfxRectF* bounds, int* codepointsFitted = nullptr, int* linesFilled = nullptr);
  bool MeasureString(const QString& text, int length, const GfxFont& font, const GfxRectF& layout,
                     const GfxStringFormat* format, GfxRectF* bounds, int* codepointsFitted = nullptr,
                     int* linesFilled = nullptr);
  // One region per measurable range of the format; fewer than one wanted is InvalidParameter.
  bool MeasureCharacterRanges(const char* text, const GfxFont& font, const GfxRectF& layout,
                              const GfxStringFormat& format, int regionCount, std::vector<GfxRegion>& regions);
  bool MeasureCharacterRanges(const QString& text, int length, const GfxFont& font, const GfxRectF& layout,
                              const GfxStringFormat& format, int regionCount, std::vector<GfxRegion>& regions);

  bool DrawImage(const GfxImage& image, float x, float y);
  bool DrawImageI(const GfxImage& image, int x, int y);
  bool DrawImageRect(const GfxImage& image, float x, float y, float width, float height);
  // The whole image into the destination rectangle (source in UnitPixel unless given).
  bool DrawImageRectRect(const GfxImage& image, float x, float y, float width, float height, int srcUnit = UnitPixel);
  bool DrawImageRectRectI(const GfxImage& image, int x, int y, int width, int height, int srcUnit = UnitPixel);
  // A source rectangle of the image into the destination rectangle.
  bool DrawImageRectRect(const GfxImage& image, const GfxRectF& dest, const GfxRectF& source, int srcUnit = UnitPixel);

  bool SetClipGraphics(const GfxGraphics& other, int mode = CombineModeReplace);
  bool SetClipPath(const GfxPath& path, int mode = CombineModeReplace);
  bool SetClipRect(float x, float y, float width, float height, int mode = CombineModeReplace);
  bool SetClipRectI(int x, int y, int width, int height, int mode = CombineModeReplace);
  bool SetClipRegion(const GfxRegion& region, int mode = CombineModeReplace);
  bool ResetClip();
  bool TranslateClip(float dx, float dy);
  bool GetClipBounds(GfxRectF* bounds) const;
  bool IsClipEmpty(bool* result) const;
  bool IsVisiblePoint(float x, float y, bool* result) const;
  unsigned SaveGraphics();
  bool RestoreGraphics(unsigned state);

 protected:
  void OnSetNativeHandle(void* handle) override;

 private:
  bool Stroke(const GfxPen& pen, const class QPainterPath& path);
  bool Fill(const GfxBrush& brush, const class QPainterPath& path);
  bool Clip(const class QPainterPath& area, int mode);
  GfxNativeGraphics* graphics_ = nullptr;
  std::vector<unsigned> saved_;
};
