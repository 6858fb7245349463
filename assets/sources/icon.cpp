// The program icon: a rounded square in a teal-to-blue gradient with misty hills along
// its foot and a white play triangle.

#include "generated_assets.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QImage MakeIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size;

    const QRectF body(s * 0.04, s * 0.04, s * 0.92, s * 0.92);
    QPainterPath square;
    square.addRoundedRect(body, s * 0.2, s * 0.2);
    QLinearGradient fill(body.topLeft(), body.bottomRight());
    fill.setColorAt(0.0, QColor(0x2a, 0xc4, 0xb4));
    fill.setColorAt(1.0, QColor(0x24, 0x5f, 0xc9));
    painter.fillPath(square, fill);

    painter.setClipPath(square);
    if (size >= 24) {
        // Two ranges of hills, the nearer one lighter: the mist the name speaks of.
        QPainterPath far;
        far.moveTo(body.left(), s * 0.78);
        far.cubicTo(s * 0.3, s * 0.62, s * 0.45, s * 0.7, s * 0.62, s * 0.66);
        far.cubicTo(s * 0.78, s * 0.62, s * 0.9, s * 0.7, body.right(), s * 0.68);
        far.lineTo(body.right(), body.bottom());
        far.lineTo(body.left(), body.bottom());
        painter.fillPath(far, QColor(255, 255, 255, 46));
        QPainterPath near;
        near.moveTo(body.left(), s * 0.86);
        near.cubicTo(s * 0.35, s * 0.76, s * 0.6, s * 0.9, body.right(), s * 0.8);
        near.lineTo(body.right(), body.bottom());
        near.lineTo(body.left(), body.bottom());
        painter.fillPath(near, QColor(255, 255, 255, 70));
    }
    // A soft gloss on the upper half.
    QLinearGradient gloss(0, body.top(), 0, s * 0.55);
    gloss.setColorAt(0.0, QColor(255, 255, 255, 70));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillRect(QRectF(body.left(), body.top(), body.width(), s * 0.5), gloss);
    painter.setClipping(false);

    QPainterPath play;
    const double cx = s * 0.53, cy = s * 0.44, r = s * 0.22;
    play.moveTo(cx - r * 0.7, cy - r);
    play.lineTo(cx + r, cy);
    play.lineTo(cx - r * 0.7, cy + r);
    play.closeSubpath();
    if (size >= 32)
        painter.fillPath(play.translated(0, s * 0.015), QColor(0, 40, 80, 70));
    painter.fillPath(play, Qt::white);

    QPen edge(QColor(0x10, 0x3c, 0x7a, 150), std::max(1.0, s / 64.0));
    painter.setPen(edge);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(square);
    return image;
}
