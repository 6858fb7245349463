// The animated logo over the video area: the emblem and the name "青岚播放器" on the
// screen's near-black, a light sweeping slowly across the name and the emblem's ring
// breathing with it.

#include "generated_assets.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

constexpr int Width = 681;  // the video area of the normal layout
constexpr int Height = 426;
constexpr int FrameCount = 40;
constexpr int DelayMs = 70;
const QColor Background(0x06, 0x07, 0x09);

QFont NameFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Noto Sans CJK SC")});
    font.setPixelSize(46);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    return font;
}

QImage MakeFrame(int index)
{
    const double phase = double(index) / FrameCount;  // 0..1, one loop
    const double breath = 0.5 - 0.5 * std::cos(phase * 2 * M_PI);

    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // Emblem: a glowing ring around a play triangle.
    const QPointF centre(Width / 2.0, 150);
    QRadialGradient glow(centre, 90);
    glow.setColorAt(0.0, QColor(0x2a, 0xa8, 0xc8, int(40 + 40 * breath)));
    glow.setColorAt(1.0, QColor(0x2a, 0xa8, 0xc8, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, 90, 90);

    QLinearGradient ring(centre.x() - 52, centre.y() - 52, centre.x() + 52, centre.y() + 52);
    ring.setColorAt(0.0, QColor(0x3c, 0xd4, 0xc0));
    ring.setColorAt(1.0, QColor(0x2e, 0x6c, 0xd8));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QBrush(ring), 5 + 1.5 * breath));
    painter.drawEllipse(centre, 52, 52);

    QPainterPath play;
    play.moveTo(centre.x() - 15, centre.y() - 24);
    play.lineTo(centre.x() + 25, centre.y());
    play.lineTo(centre.x() - 15, centre.y() + 24);
    play.closeSubpath();
    painter.fillPath(play, QColor(0xe8, 0xf4, 0xf8));

    // The name, with a band of light passing over it.
    const QFont font = NameFont();
    QPainterPath name;
    const QString text = QStringLiteral("青岚播放器");
    const double textWidth = QFontMetricsF(font).horizontalAdvance(text);
    name.addText((Width - textWidth) / 2.0, 285, font, text);
    const QRectF bounds = name.boundingRect();
    QLinearGradient shade(bounds.topLeft(), bounds.bottomLeft());
    shade.setColorAt(0.0, QColor(0xd6, 0xf0, 0xf4));
    shade.setColorAt(1.0, QColor(0x7c, 0xc4, 0xd8));
    painter.fillPath(name, shade);

    const double sweep = bounds.left() - 80 + (bounds.width() + 160) * phase;
    QLinearGradient light(sweep - 50, 0, sweep + 50, 0);
    light.setColorAt(0.0, QColor(255, 255, 255, 0));
    light.setColorAt(0.5, QColor(255, 255, 255, 170));
    light.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillPath(name, light);

    QFont small;
    small.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Zen Hei")});
    small.setPixelSize(14);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 5);
    painter.setFont(small);
    painter.setPen(QColor(0x5c, 0x70, 0x7c));
    painter.drawText(QRectF(0, 306, Width, 24), Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("QINGLAN PLAYER"));
    return image;
}

}  // namespace

QList<QImage> MakeLogoFrames(int &delayMs)
{
    delayMs = DelayMs;
    QList<QImage> frames;
    for (int i = 0; i < FrameCount; ++i)
        frames.append(MakeFrame(i));
    return frames;
}
