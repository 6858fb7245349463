#include "skin/crystal/skin_drawing.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QRegion>
#include <QVariant>
#include <QWidget>

namespace {

QFont *skinFont = nullptr;
QColor *faceColor = nullptr;

QFont MakeSkinFont()
{
    // The Song face when installed; otherwise the CJK face the system set-up provides.
    static const QString songFace = QString::fromUtf8("宋体");
    QFont font(QFontDatabase::hasFamily(songFace) ? songFace : QStringLiteral("WenQuanYi Zen Hei"));
    font.setPixelSize(12);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

}  // namespace

void CreateSkinResources()
{
    if (!skinFont)
        skinFont = new QFont(MakeSkinFont());
    if (!faceColor)
        faceColor = new QColor(QApplication::palette().color(QPalette::Active, QPalette::Button));
}

const QFont &SkinFont()
{
    CreateSkinResources();
    return *skinFont;
}

QColor FaceColor()
{
    CreateSkinResources();
    return *faceColor;
}

ColorRef GradientColorAt(ColorRef c1, ColorRef c2, int i, int steps)
{
    if (steps <= 0)
        return c1;
    ColorRef out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const long long v1 = static_cast<long long>((c1 >> shift) & 0xFF) << 8;
        const long long v2 = static_cast<long long>((c2 >> shift) & 0xFF) << 8;
        const long long v = v1 + (v2 - v1) * i / steps;
        out |= static_cast<ColorRef>((v >> 8) & 0xFF) << shift;
    }
    return out;
}

void GradientBand(QPainter &p, int x1, int y1, int x2, int y2, ColorRef c1, ColorRef c2, bool horizontal)
{
    if (x2 <= x1 || y2 <= y1)
        return;
    const int steps = horizontal ? x2 - x1 : y2 - y1;
    for (int i = 0; i < steps; ++i) {
        const QColor color = ToQColor(GradientColorAt(c1, c2, i, steps));
        if (horizontal)
            p.fillRect(x1 + i, y1, 1, y2 - y1, color);
        else
            p.fillRect(x1, y1 + i, x2 - x1, 1, color);
    }
}

void FrameRectangle(QPainter &p, int left, int top, int right, int bottom, ColorRef color)
{
    if (right <= left || bottom <= top)
        return;
    const QColor c = ToQColor(color);
    p.fillRect(left, top, right - left, 1, c);
    p.fillRect(left, bottom - 1, right - left, 1, c);
    p.fillRect(left, top, 1, bottom - top, c);
    p.fillRect(right - 1, top, 1, bottom - top, c);
}

void RoundOffCorners(QPainter &p, int w, int h, ColorRef frame)
{
    const QColor face = FaceColor();
    const QColor edge = ToQColor(frame);
    auto corner = [&](int x, int y, int dx, int dy) {
        p.fillRect(x, y, 1, 1, face);
        p.fillRect(x + dx, y, 1, 1, face);
        p.fillRect(x, y + dy, 1, 1, face);
        p.fillRect(x + dx, y + dy, 1, 1, edge);
    };
    corner(0, 0, 1, 1);
    corner(0, h - 1, 1, -1);
    corner(w - 1, 0, -1, 1);
    corner(w - 1, h - 1, -1, -1);
}

void DrawSkinText(QPainter &p, const QRect &rect, int flags, const QString &text, ColorRef color)
{
    if (text.isEmpty() || rect.isEmpty())
        return;
    p.save();
    p.setFont(SkinFont());
    p.setPen(ToQColor(color));
    p.setClipRect(rect, Qt::IntersectClip);
    p.drawText(rect, flags, text);
    p.restore();
}

void DrawEmbossedText(QPainter &p, int w, int h, const QString &text, const SkinPalette &palette, int shift,
                      bool mnemonic)
{
    if (text.isEmpty())
        return;
    const int mnemonicFlag = mnemonic ? Qt::TextShowMnemonic : 0;
    const int flags = Qt::AlignCenter | Qt::TextSingleLine | mnemonicFlag;
    const QRect light = SkinRect(3, 3, w - 1, h - 1).translated(shift, shift);
    const QRect dark = light.translated(-1, -1);
    const QString shown = QFontMetrics(SkinFont()).elidedText(text, Qt::ElideRight, light.width(), mnemonicFlag);
    DrawSkinText(p, light, flags, shown, palette.track[0]);
    DrawSkinText(p, dark, flags, shown, palette.text);
}

QRegion RoundRegion(int w, int h)
{
    if (w <= 0 || h <= 0)
        return QRegion();
    QRegion region(0, 0, w, h);
    auto cut = [&](int x, int y, int dx, int dy) {
        region -= QRegion(x, y, 1, 1);
        region -= QRegion(x + dx, y, 1, 1);
        region -= QRegion(x, y + dy, 1, 1);
    };
    cut(0, 0, 1, 1);
    cut(0, h - 1, 1, -1);
    cut(w - 1, 0, -1, 1);
    cut(w - 1, h - 1, -1, -1);
    return region;
}

void SetRoundRegion(QWidget *widget)
{
    if (!widget)
        return;
    const QRegion region = RoundRegion(widget->width(), widget->height());
    if (region.isEmpty())
        widget->clearMask();
    else
        widget->setMask(region);
}

void PaintOffscreen(QWidget *widget, const std::function<void(QPainter &, int, int)> &draw)
{
    const int w = widget->width();
    const int h = widget->height();
    if (w <= 0 || h <= 0)
        return;
    const qreal ratio = widget->devicePixelRatioF();
    QPixmap buffer(QSize(w, h) * ratio);
    buffer.setDevicePixelRatio(ratio);
    buffer.fill(FaceColor());
    {
        QPainter memory(&buffer);
        draw(memory, w, h);
    }
    QPainter target(widget);
    target.drawPixmap(0, 0, buffer);
}

bool ForwardEvent(QObject *watched, QEvent *event)
{
    return watched->event(event);
}

QString WindowText(const QWidget *widget)
{
    if (!widget)
        return QString();
    const QVariant text = widget->property("text");
    if (text.metaType().id() == QMetaType::QString)
        return text.toString();
    return widget->windowTitle();
}
