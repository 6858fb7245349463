#include "skin/crystal/skin_palette.h"

#include "skin/crystal/skin_properties.h"

#include <QVariant>
#include <QWidget>

namespace {

constexpr SkinPalette kStyles[kColorStyleCount] = {
    // 1 blue
    {{0xFFFAFB, 0xFFF8EA, 0xEDE4C9, 0xFFF2E4}, {0xFAF2D4, 0xFCD652, 0xED6D3C, 0xF3BF3D}, 0xD68A1A, 0x660000},
    // 2 red
    {{0xEFEFF7, 0xD6D6EB, 0xB6B6E2, 0xCACAEA}, {0xCDCDF9, 0x8E8EF0, 0x3939CB, 0x9494E3}, 0x3E3ECC, 0x0403FB},
    // 3 purple
    {{0xF5EFF7, 0xE9D6EB, 0xDFB9E3, 0xE8CDEB}, {0xF7D6FA, 0xE88EF0, 0xBE39CB, 0xDC94E3}, 0xC03ECC, 0xFF0066},
    // 4 green
    {{0xEDF5EC, 0xD8EBD6, 0xBAE2B6, 0xD0EBCD}, {0xD9FAD6, 0x96F08E, 0x46CB39, 0x9BE394}, 0x4ACC3E, 0x006600},
    // 5 orange
    {{0xEFF4F7, 0xD6E5EB, 0xB6D7E2, 0xCDE4EB}, {0xD6F1FA, 0x8ED8F0, 0x39A6CB, 0x94CFE3}, 0x3EA8CC, 0x0066FF},
    // 6 silver
    {{0xF4F4F4, 0xE2E2E2, 0xD0D0D0, 0xDFDFDF}, {0xDFDFDF, 0xC8C8C8, 0x8F8F8F, 0xC3C3C3}, 0x919191, 0x000000},
    // 7 black
    {{0xF4F4F4, 0xE2E2E2, 0xD0D0D0, 0xDFDFDF}, {0x666666, 0x393939, 0x000000, 0x5E5E5E}, 0x000000, 0x000000},
};

}  // namespace

const SkinPalette &SkinPaletteForStyle(int colorStyle)
{
    if (colorStyle < 1 || colorStyle > kColorStyleCount)
        colorStyle = 1;
    return kStyles[colorStyle - 1];
}

const SkinPalette &GetSkinPalette(const QWidget *widget)
{
    bool ok = false;
    const int style = widget ? widget->property(SkinProperty::ColorStyle).toInt(&ok) : 0;
    return SkinPaletteForStyle(ok ? style : 1);
}
