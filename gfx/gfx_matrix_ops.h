#pragma once
#include "gfx/gfx_values.h"

#include <QTransform>

// Combines step with matrix in the flat API's order: prepend applies step first.
inline void GfxCombine(QTransform& matrix, const QTransform& step, int order) {
  matrix = order == MatrixOrderAppend ? matrix * step : step * matrix;
}
inline QTransform GfxRotation(float angle) { return QTransform().rotate(angle); }

// ScaleAt and RotateAt through a class's own translate and scale/rotate operations: append order
// translates by the negated centre, transforms, translates back; prepend the other way round.
template <class Translate, class Step>
bool GfxTransformAt(float cx, float cy, int order, Translate translate, Step step) {
  if (order != MatrixOrderPrepend) {
    translate(-cx, -cy, order);
    step(order);
    return translate(cx, cy, order);
  }
  translate(cx, cy, order);
  step(order);
  return translate(-cx, -cy, order);
}
