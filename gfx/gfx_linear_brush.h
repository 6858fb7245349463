#pragma once
#include "gfx/gfx_brush.h"

#include <QTransform>
#include <vector>

// A linear gradient brush: colours along a line, perpendicular bands, repeated by its wrap mode.
class GfxLinearBrush : public GfxBrush {
 public:
  bool CreateLineBrush(const GfxPointF& point1, const GfxPointF& point2, GfxArgb color1, GfxArgb color2,
                       int wrapMode = WrapModeTile);
  bool CreateLineBrushI(const GfxPoint& point1, const GfxPoint& point2, GfxArgb color1, GfxArgb color2,
                        int wrapMode = WrapModeTile);
  bool CreateLineBrushFromRect(const GfxRectF& rect, GfxArgb color1, GfxArgb color2, int mode, int wrapMode = WrapModeTile);
  bool CreateLineBrushFromRectI(const GfxRect& rect, GfxArgb color1, GfxArgb color2, int mode, int wrapMode = WrapModeTile);
  bool CreateLineBrushFromRectWithAngle(const GfxRectF& rect, GfxArgb color1, GfxArgb color2, float angle,
                                        bool isAngleScalable, int wrapMode = WrapModeTile);
  bool SetLineColors(GfxArgb color1, GfxArgb color2);
  bool GetLineColors(GfxArgb* colors) const;
  bool GetLineRect(GfxRectF* rect) const;
  bool SetLineGammaCorrection(bool useGamma);
  bool GetLineGammaCorrection(bool* useGamma) const;
  bool SetLineBlend(const float* factors, const float* positions, int count);
  int GetLineBlendCount() const;
  bool SetLinePresetBlend(const GfxArgb* colors, const float* positions, int count);
  int GetLinePresetBlendCount() const;
  bool GetLinePresetBlend(GfxArgb* colors, float* positions, int count) const;
  bool SetLineLinearBlend(float focus, float scale);
  bool SetLineWrapMode(int wrapMode);
  int GetLineWrapMode() const;
  bool SetLineTransform(const QTransform& matrix);
  bool GetLineTransform(QTransform* matrix) const;
  bool ResetLineTransform();
  bool MultiplyLineTransform(const QTransform& matrix, int order = MatrixOrderPrepend);
  bool TranslateLineTransform(float dx, float dy, int order = MatrixOrderPrepend);
  bool ScaleLineTransform(float sx, float sy, int order = MatrixOrderPrepend);
  bool RotateLineTransform(float angle, int order = MatrixOrderPrepend);
  bool ScaleAt(float sx, float sy, float cx, float cy, int order);
  bool RotateAt(float angle, float cx, float cy, int order);
};
