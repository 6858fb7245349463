#pragma once
#include "gfx/gfx_values.h"

#include <QColor>

inline QColor GfxQColor(GfxArgb argb) { return QColor::fromRgba(argb); }
inline GfxArgb GfxArgbOf(const QColor& color) { return color.rgba(); }
