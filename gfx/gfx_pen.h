#pragma once
#include "gfx/gfx_object.h"
#include "gfx/gfx_values.h"

#include <QTransform>
#include <vector>

class GfxNativePen;
class GfxBrush;

// A pen: colour or brush, width in a unit, caps, join, dashes, alignment and shape transform.
class GfxPen : public GfxObject {
 public:
  GfxPen() = default;
  GfxPen(const GfxPen&) = default;
  GfxPen& operator=(const GfxPen&) = default;
  ~GfxPen() override = default;

  GfxNativePen* Native() const { return pen_; }

  bool DeletePen();
  bool CreatePen1(GfxArgb color, float width, int unit = UnitWorld);
  bool CreatePen2(const GfxBrush& brush, float width, int unit = UnitWorld);
  bool ClonePen(GfxPen& clone) const;
  float GetPenWidth() const;
  bool SetPenWidth(float width);
  int GetPenUnit() const;
  bool SetPenUnit(int unit);
  bool SetPenLineCap197819(int startCap, int endCap, int dashCap);
  bool SetPenStartCap(int cap);
  bool SetPenEndCap(int cap);
  int GetPenStartCap() const;
  int GetPenEndCap() const;
  bool SetPenLineJoin(int join);
  int GetPenLineJoin() const;
  bool SetPenMiterLimit(float limit);
  float GetPenMiterLimit() const;
  bool SetPenMode(int alignment);
  int GetPenMode() const;
  bool SetPenTransform(const QTransform& matrix);
  bool GetPenTransform(QTransform* matrix) const;
  bool ResetPenTransform();
  bool MultiplyPenTransform(const QTransform& matrix, int order = MatrixOrderPrepend);
  bool TranslatePenTransform(float dx, float dy, int order = MatrixOrderPrepend);
  bool ScalePenTransform(float sx, float sy, int order = MatrixOrderPrepend);
  bool RotatePenTransform(float angle, int order = MatrixOrderPrepend);
  bool ScaleAt(float sx, float sy, float cx, float cy, int order);
  bool RotateAt(float angle, float cx, float cy, int order);
  GfxArgb GetPenColor() const;
  bool SetPenColor(GfxArgb color);
  bool SetPenBrushFill(const GfxBrush& brush);
  int GetPenFillType() const;
  bool SetPenDashStyle(int style);
  int GetPenDashStyle() const;
  bool SetPenDashOffset(float offset);
  float GetPenDashOffset() const;
  bool SetPenDashArray(const float* dashes, int count);
  bool GetPenDashArray(std::vector<float>& dashes) const;

 protected:
  void OnSetNativeHandle(void* handle) override;

 private:
  GfxNativePen* pen_ = nullptr;
};
