#pragma once
// Colour arithmetic of the skin, worked out independently of its code, and image helpers.
#include <QImage>
#include <QRect>
#include <QWidget>
#include <cstdint>

namespace SkinTest {

using ColorRef = std::uint32_t;

// A 0x00BBGGRR colour as an opaque QRgb.
inline QRgb Rgb(ColorRef c)
{
    return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// Step i of n of a two-vertex gradient from c1 to c2 (16-bit channels, truncating).
inline ColorRef Blend(ColorRef c1, ColorRef c2, int i, int n)
{
    ColorRef out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const long long a = static_cast<long long>((c1 >> shift) & 0xFF) * 256;
        const long long b = static_cast<long long>((c2 >> shift) & 0xFF) * 256;
        out |= static_cast<ColorRef>((a + (b - a) * i / n) / 256) << shift;
    }
    return out;
}

// The colour of row y of a face split at h / 2: c[0]->c[1] above, c[2]->c[3] below.
inline QRgb FaceRow(const ColorRef c[4], int h, int y)
{
    const int top = h / 2;
    return y < top ? Rgb(Blend(c[0], c[1], y, top)) : Rgb(Blend(c[2], c[3], y - top, h - top));
}

struct Style {
    ColorRef track[4];
    ColorRef fill[4];
    ColorRef frame;
    ColorRef text;
};

// The seven colour styles, as the look is defined.
inline const Style &StyleColors(int style)
{
    static const Style styles[7] = {
        {{0xFFFAFB, 0xFFF8EA, 0xEDE4C9, 0xFFF2E4}, {0xFAF2D4, 0xFCD652, 0xED6D3C, 0xF3BF3D}, 0xD68A1A, 0x660000},
        {{0xEFEFF7, 0xD6D6EB, 0xB6B6E2, 0xCACAEA}, {0xCDCDF9, 0x8E8EF0, 0x3939CB, 0x9494E3}, 0x3E3ECC, 0x0403FB},
        {{0xF5EFF7, 0xE9D6EB, 0xDFB9E3, 0xE8CDEB}, {0xF7D6FA, 0xE88EF0, 0xBE39CB, 0xDC94E3}, 0xC03ECC, 0xFF0066},
        {{0xEDF5EC, 0xD8EBD6, 0xBAE2B6, 0xD0EBCD}, {0xD9FAD6, 0x96F08E, 0x46CB39, 0x9BE394}, 0x4ACC3E, 0x006600},
        {{0xEFF4F7, 0xD6E5EB, 0xB6D7E2, 0xCDE4EB}, {0xD6F1FA, 0x8ED8F0, 0x39A6CB, 0x94CFE3}, 0x3EA8CC, 0x0066FF},
        {{0xF4F4F4, 0xE2E2E2, 0xD0D0D0, 0xDFDFDF}, {0xDFDFDF, 0xC8C8C8, 0x8F8F8F, 0xC3C3C3}, 0x919191, 0x000000},
        {{0xF4F4F4, 0xE2E2E2, 0xD0D0D0, 0xDFDFDF}, {0x666666, 0x393939, 0x000000, 0x5E5E5E}, 0x000000, 0x000000},
    };
    return styles[(style >= 1 && style <= 7 ? style : 1) - 1];
}

// The widget as it paints itself, at one image pixel per widget pixel.
inline QImage Drawn(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren | QWidget::IgnoreMask);
    return image;
}

inline QRgb At(const QImage &image, int x, int y)
{
    return image.pixel(x, y) | 0xFF000000u;
}

// The bounding box of the pixels inside `area` that differ from the face rows.
inline QRect InkBounds(const QImage &image, const ColorRef face[4], const QRect &area)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (At(image, x, y) != FaceRow(face, image.height(), y))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

}  // namespace SkinTest
