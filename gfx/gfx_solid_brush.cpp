#include "gfx/gfx_solid_brush.h"

#include "gfx/gfx_native_brush.h"
#include "gfx/gfx_status.h"

bool GfxSolidBrush::CreateSolidFill(GfxArgb color) {
  auto* native = new GfxNativeBrush;
  native->type = BrushTypeSolidColor;
  native->color = color;
  return Adopt(native);
}

bool GfxSolidBrush::SetSolidFillColor(GfxArgb color) {
  GfxNativeBrush* brush = Kind(BrushTypeSolidColor);
  if (!brush) return false;
  brush->color = color;
  brush->Changed();
  return GfxReport(GfxOk);
}

GfxArgb GfxSolidBrush::GetSolidFillColor() const {
  GfxNativeBrush* brush = Kind(BrushTypeSolidColor);
  if (!brush) return 0;
  GfxReport(GfxOk);
  return brush->color;
}
