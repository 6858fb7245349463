#pragma once

// Pixels in one unit at the given resolution (UnitWorld and UnitDisplay count as pixels);
// 0 for an unknown unit.
double GfxPixelsPerUnit(int unit, double dpi);
bool GfxIsValidUnit(int unit);
