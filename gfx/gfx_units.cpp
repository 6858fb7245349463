#include "gfx/gfx_units.h"

#include "gfx/gfx_values.h"

double GfxPixelsPerUnit(int unit, double dpi) {
  switch (unit) {
    case UnitWorld:
    case UnitDisplay:
    case UnitPixel: return 1.0;
    case UnitPoint: return dpi / 72.0;
    case UnitInch: return dpi;
    case UnitDocument: return dpi / 300.0;
    case UnitMillimeter: return dpi / 25.4;
    default: return 0.0;
  }
}

bool GfxIsValidUnit(int unit) { return unit >= UnitWorld && unit <= UnitMillimeter; }
