#pragma once
#include <QColor>
#include <cstdint>

class QWidget;

// A colour as 0x00BBGGRR (red in the low byte).
using ColorRef = std::uint32_t;

inline QColor ToQColor(ColorRef c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// The ten colours of one colour style.
struct SkinPalette {
    ColorRef track[4];  // light: bar background, hot/pressed button face, combo and tooltip body
    ColorRef fill[4];   // saturated: bar fill, resting button face, drop button, header
    ColorRef frame;
    ColorRef text;
};

inline constexpr int kColorStyleCount = 7;

// Style 1..7; anything else gives style 1.
const SkinPalette &SkinPaletteForStyle(int colorStyle);

// The palette of the style stored on `widget` (style 1 when none or out of range).
const SkinPalette &GetSkinPalette(const QWidget *widget);
