#pragma once
#include "gfx/gfx_brush.h"

class GfxSolidBrush : public GfxBrush {
 public:
  bool CreateSolidFill(GfxArgb color);
  bool SetSolidFillColor(GfxArgb color);
  GfxArgb GetSolidFillColor() const;
};
