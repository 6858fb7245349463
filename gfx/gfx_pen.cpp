#include "gfx/gfx_pen.h"

#include "gfx/gfx_brush.h"
#include "gfx/gfx_matrix_ops.h"
#include "gfx/gfx_native_pen.h"
#include "gfx/gfx_status.h"
#include "gfx/gfx_units.h"

void GfxPen::OnSetNativeHandle(void* handle) { pen_ = static_cast<GfxNativePen*>(handle); }

namespace {
// Getters answer the value and leave the status; an empty pen answers 0.
template <class T, class F>
T Get(const GfxNativePen* pen, F read) {
  if (!pen) {
    GfxReport(GfxInvalidParameter);
    return T{};
  }
  GfxReport(GfxOk);
  return read(*pen);
}
template <class F>
bool Set(GfxNativePen* pen, F write) {
  if (!pen) return GfxReport(GfxInvalidParameter);
  write(*pen);
  pen->Changed();
  return GfxReport(GfxOk);
}
}  // namespace

bool GfxPen::DeletePen() {
  if (!pen_) return GfxReport(GfxInvalidParameter);
  ReleaseNativeHandle();
  return GfxReport(GfxOk);
}

bool GfxPen::CreatePen1(GfxArgb color, float width, int unit) {
  if (!GfxIsValidUnit(unit) || unit == UnitDisplay) return GfxReport(GfxInvalidParameter);
  auto* native = new GfxNativePen;
  native->color = color;
  native->width = width;
  native->unit = unit;
  AdoptNativeHandle(native);
  return GfxReport(GfxOk);
}

bool GfxPen::CreatePen2(const GfxBrush& brush, float width, int unit) {
  if (!brush.Native() || !GfxIsValidUnit(unit) || unit == UnitDisplay) return GfxReport(GfxInvalidParameter);
  auto* native = new GfxNativePen;
  GfxNativeBrush* copy = brush.Native()->Clone();  // the pen keeps the brush as it is now
  native->SetBrush(copy);
  copy->Release();
  if (copy->type == BrushTypeSolidColor) native->color = copy->color;
  native->width = width;
  native->unit = unit;
  AdoptNativeHandle(native);
  return GfxReport(GfxOk);
}

bool GfxPen::ClonePen(GfxPen& clone) const {
  if (!pen_) return GfxReport(GfxInvalidParameter);
  auto* copy = new GfxNativePen;
  copy->color = pen_->color;
  if (pen_->brush) {
    GfxNativeBrush* brush = pen_->brush->Clone();
    copy->SetBrush(brush);
    brush->Release();
  }
  copy->width = pen_->width; copy->unit = pen_->unit; copy->alignment = pen_->alignment;
  copy->startCap = pen_->startCap; copy->endCap = pen_->endCap; copy->dashCap = pen_->dashCap;
  copy->lineJoin = pen_->lineJoin; copy->miterLimit = pen_->miterLimit; copy->dashStyle = pen_->dashStyle;
  copy->dashOffset = pen_->dashOffset; copy->dashes = pen_->dashes; copy->compound = pen_->compound;
  copy->transform = pen_->transform;
  clone.AdoptNativeHandle(copy);
  return GfxReport(GfxOk);
}

float GfxPen::GetPenWidth() const { return Get<float>(pen_, [](auto& p) { return p.width; }); }
bool GfxPen::SetPenWidth(float width) { return Set(pen_, [&](auto& p) { p.width = width; }); }
int GfxPen::GetPenUnit() const { return Get<int>(pen_, [](auto& p) { return p.unit; }); }
bool GfxPen::SetPenUnit(int unit) {
  if (!GfxIsValidUnit(unit) || unit == UnitDisplay) return GfxReport(GfxInvalidParameter);
  return Set(pen_, [&](auto& p) { p.unit = unit; });
}
bool GfxPen::SetPenLineCap197819(int startCap, int endCap, int dashCap) {
  return Set(pen_, [&](auto& p) { p.startCap = startCap; p.endCap = endCap; p.dashCap = dashCap; });
}
bool GfxPen::SetPenStartCap(int cap) { return Set(pen_, [&](auto& p) { p.startCap = cap; }); }
bool GfxPen::SetPenEndCap(int cap) { return Set(pen_, [&](auto& p) { p.endCap = cap; }); }
int GfxPen::GetPenStartCap() const { return Get<int>(pen_, [](auto& p) { return p.startCap; }); }
int GfxPen::GetPenEndCap() const { return Get<int>(pen_, [](auto& p) { return p.endCap; }); }
bool GfxPen::SetPenLineJoin(int join) { return Set(pen_, [&](auto& p) { p.lineJoin = join; }); }
int GfxPen::GetPenLineJoin() const { return Get<int>(pen_, [](auto& p) { return p.lineJoin; }); }
bool GfxPen::SetPenMiterLimit(float limit) { return Set(pen_, [&](auto& p) { p.miterLimit = std::max(1.0f, limit); }); }
float GfxPen::GetPenMiterLimit() const { return Get<float>(pen_, [](auto& p) { return p.miterLimit; }); }
bool GfxPen::SetPenMode(int alignment) {
  if (alignment != PenAlignmentCenter && alignment != PenAlignmentInset) return GfxReport(GfxInvalidParameter);
  return Set(pen_, [&](auto& p) { p.alignment = alignment; });
}
int GfxPen::GetPenMode() const { return Get<int>(pen_, [](auto& p) { return p.alignment; }); }

bool GfxPen::SetPenTransform(const QTransform& matrix) {
  if (!matrix.isInvertible()) return GfxReport(GfxInvalidParameter);
  return Set(pen_, [&](auto& p) { p.transform = matrix; });
}
bool GfxPen::GetPenTransform(QTransform* matrix) const {
  if (!pen_ || !matrix) return GfxReport(GfxInvalidParameter);
  *matrix = pen_->transform;
  return GfxReport(GfxOk);
}
bool GfxPen::ResetPenTransform() { return Set(pen_, [](auto& p) { p.transform.reset(); }); }
bool GfxPen::MultiplyPenTransform(const QTransform& matrix, int order) {
  return Set(pen_, [&](auto& p) { GfxCombine(p.transform, matrix, order); });
}
bool GfxPen::TranslatePenTransform(float dx, float dy, int order) {
  return Set(pen_, [&](auto& p) { GfxCombine(p.transform, QTransform::fromTranslate(dx, dy), order); });
}
bool GfxPen::ScalePenTransform(float sx, float sy, int order) {
  return Set(pen_, [&](auto& p) { GfxCombine(p.transform, QTransform::fromScale(sx, sy), order); });
}
bool GfxPen::RotatePenTransform(float angle, int order) {
  return Set(pen_, [&](auto& p) { GfxCombine(p.transform, GfxRotation(angle), order); });
}
bool GfxPen::ScaleAt(float sx, float sy, float cx, float cy, int order) {
  return GfxTransformAt(cx, cy, order, [this](float x, float y, int o) { return TranslatePenTransform(x, y, o); },
                        [&](int o) { return ScalePenTransform(sx, sy, o); });
}
bool GfxPen::RotateAt(float angle, float cx, float cy, int order) {
  return GfxTransformAt(cx, cy, order, [this](float x, float y, int o) { return TranslatePenTransform(x, y, o); },
                        [&](int o) { return RotatePenTransform(angle, o); });
}

GfxArgb GfxPen::GetPenColor() const { return Get<GfxArgb>(pen_, [](auto& p) { return p.color; }); }
bool GfxPen::SetPenColor(GfxArgb color) {
  return Set(pen_, [&](auto& p) {
    p.color = color;
    p.SetBrush(nullptr);
  });
}
bool GfxPen::SetPenBrushFill(const GfxBrush& brush) {
  if (!brush.Native()) return GfxReport(GfxInvalidParameter);
  return Set(pen_, [&](auto& p) {
    GfxNativeBrush* copy = brush.Native()->Clone();
    p.SetBrush(copy);
    copy->Release();
    if (copy->type == BrushTypeSolidColor) p.color = copy->color;
  });
}
int GfxPen::GetPenFillType() const {
  return Get<int>(pen_, [](auto& p) { return p.brush ? p.brush->type : int(BrushTypeSolidColor); });
}
bool GfxPen::SetPenDashStyle(int style) { return Set(pen_, [&](auto& p) { p.dashStyle = style; }); }
int GfxPen::GetPenDashStyle() const { return Get<int>(pen_, [](auto& p) { return p.dashStyle; }); }
bool GfxPen::SetPenDashOffset(float offset) { return Set(pen_, [&](auto& p) { p.dashOffset = offset; }); }
float GfxPen::GetPenDashOffset() const { return Get<float>(pen_, [](auto& p) { return p.dashOffset; }); }
bool GfxPen::SetPenDashArray(const float* dashes, int count) {
  if (!dashes || count < 1) return GfxReport(GfxInvalidParameter);
  for (int i = 0; i < count; ++i)
    if (dashes[i] <= 0) return GfxReport(GfxInvalidParameter);
  return Set(pen_, [&](auto& p) {
    p.dashes.assign(dashes, dashes + count);
    p.dashStyle = DashStyleCustom;
  });
}
bool GfxPen::GetPenDashArray(std::vector<float>& dashes) const {
  if (!pen_) return GfxReport(GfxInvalidParameter);
  dashes = pen_->dashes;
  return GfxReport(GfxOk);
}
