#pragma once
#include "gfx/gfx_object.h"
#include "gfx/gfx_values.h"

#include <QPainterPath>
#include <QString>
#include <vector>

class GfxNativePath;
class GfxFontFamily;
class GfxStringFormat;
class GfxPen;

// A graphics path. Lines and arcs join the open figure; rectangles, ellipses and strings are
// figures of their own.
class GfxPath : public GfxObject {
 public:
  GfxPath() = default;
  GfxPath(const GfxPath&) = default;
  GfxPath& operator=(const GfxPath&) = default;
  ~GfxPath() override = default;

  GfxNativePath* Native() const { return path_; }

  bool DeletePath();
  bool CreatePath(int fillMode = FillModeAlternate);
  bool CreatePath2(const GfxPointF* points, const std::uint8_t* types, int count, int fillMode);
  bool ClonePath(GfxPath& clone) const;
  bool ResetPath();
  bool GetPathFillMode(int* fillMode) const;
  bool SetPathFillMode(int fillMode);
  int GetPointCount() const;
  bool GetPathPoints(std::vector<GfxPointF>& points) const;
  bool GetPathTypes(std::vector<std::uint8_t>& types) const;
  bool GetPathLastPoint(GfxPointF* point) const;
  bool StartPathFigure();
  bool ClosePathFigure();
  bool ClosePathFigures();
  bool ReversePath();

  bool AddPathLine(float x1, float y1, float x2, float y2);
  bool AddPathLineI(int x1, int y1, int x2, int y2);
  bool AddPathLine2(const GfxPointF* points, int count);
  bool AddPathArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
  bool AddPathArcI(int x, int y, int width, int height, float startAngle, float sweepAngle);
  bool AddPathBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
  bool AddPathRectangle(float x, float y, float width, float height);
  bool AddPathRectangleI(int x, int y, int width, int height);
  // Four quarter arcs, corner ellipses of percent (clamped to 1..100) of the width and height.
  bool AddRoundRectangle(float x, float y, float width, float height, int percent);
  bool AddPathEllipse(float x, float y, float width, float height);
  bool AddPathEllipseI(int x, int y, int width, int height);
  bool AddPathPie(float x, float y, float width, float height, float startAngle, float sweepAngle);
  bool AddPathPolygon(const GfxPointF* points, int count);
  bool AddPathPath(const GfxPath& other, bool connect);
  // Byte text (UTF-8) and UTF-16 forms; the layout rectangle places the glyph outlines.
  bool AddPathString(const char* text, const GfxFontFamily& family, int style, float emSize, const GfxRectF& layout,
                     const GfxStringFormat* format);
  bool AddPathString(const QString& text, int length, const GfxFontFamily& family, int style, float emSize,
                     const GfxRectF& layout, const GfxStringFormat* format);
  bool AddPathStringI(const char* text, const GfxFontFamily& family, int style, float emSize, const GfxRect& layout,
                      const GfxStringFormat* format);

  bool TransformPath(const QTransform& matrix);
  bool GetPathWorldBounds(GfxRectF* bounds, const QTransform* matrix = nullptr, const GfxPen* pen = nullptr) const;
  bool GetPathWorldBoundsI(GfxRect* bounds, const QTransform* matrix = nullptr, const GfxPen* pen = nullptr) const;
  bool FlattenPath(const QTransform* matrix = nullptr, float flatness = 0.25f);
  bool WidenPath(const GfxPen& pen, const QTransform* matrix = nullptr, float flatness = 0.25f);
  bool IsVisiblePathPoint(float x, float y, bool* result) const;
  bool IsOutlineVisiblePathPoint(float x, float y, const GfxPen& pen, bool* result) const;

 protected:
  void OnSetNativeHandle(void* handle) override;

 private:
  bool AddFigure(const QPainterPath& figure);
  GfxNativePath* path_ = nullptr;
};
