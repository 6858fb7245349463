#include "skin/crystal/progress_skin_proc.h"

#include "skin/crystal/skin_drawing.h"
#include "skin/crystal/skin_properties.h"

#include <QEvent>
#include <QPainter>
#include <QProgressBar>
#include <QVariant>
#include <algorithm>
#include <cmath>

ProgressSkinProc::ProgressSkinProc(QObject *parent) : QObject(parent) {}

double ProgressFraction(int low, int high, int position)
{
    if (high == low)
        return position > 0 ? 1.0 : 0.0;
    // Measured from the low limit, so a range that does not start at 0 fills correctly.
    const double fraction = (static_cast<double>(position) - low) / (static_cast<double>(high) - low);
    return std::clamp(fraction, 0.0, 1.0);
}

QString ProgressText(int textStyle, const QString &content, int position, double fraction)
{
    const QString percent = QString::number(static_cast<int>(std::trunc(fraction * 100.0))) + QLatin1Char('%');
    switch (textStyle) {
    case 1: return content;
    case 2: return QString::number(position);
    case 3: return percent;
    case 4: return content + QString::number(position);
    case 5: return content + percent;
    default: return QString();
    }
}

void PaintProgress(QProgressBar *bar, QPainter &p, int w, int h)
{
    const double fraction = ProgressFraction(bar->minimum(), bar->maximum(), bar->value());
    const SkinPalette &c = GetSkinPalette(bar);
    if (bar->orientation() == Qt::Vertical) {
        const int filled = static_cast<int>(h * fraction);
        GradientBand(p, 0, 0, w / 2, h, c.track[0], c.track[1], true);
        GradientBand(p, w / 2, 0, w, h, c.track[2], c.track[3], true);
        GradientBand(p, 0, h - filled, w / 2, h, c.fill[0], c.fill[1], true);
        GradientBand(p, w / 2, h - filled, w, h, c.fill[2], c.fill[3], true);
    } else {
        const int filled = static_cast<int>(w * fraction);
        GradientBand(p, 0, 0, w, h / 2, c.track[0], c.track[1], false);
        GradientBand(p, 0, h / 2, w, h, c.track[2], c.track[3], false);
        GradientBand(p, 0, 0, filled, h / 2, c.fill[0], c.fill[1], false);
        GradientBand(p, 0, h / 2, filled, h, c.fill[2], c.fill[3], false);
    }
    FrameRectangle(p, 0, 0, w, h, c.frame);
    RoundOffCorners(p, w, h, c.frame);
    const int textStyle = bar->property(SkinProperty::TextStyle).toInt();
    const QString content = bar->property(SkinProperty::TextContent).toString();
    DrawEmbossedText(p, w, h, ProgressText(textStyle, content, bar->value(), fraction), c, 0, false);
}

bool ProgressSkinProc::eventFilter(QObject *watched, QEvent *event)
{
    auto *bar = qobject_cast<QProgressBar *>(watched);
    if (!bar)
        return false;
    switch (event->type()) {
    case QEvent::Paint:
        PaintOffscreen(bar, [bar](QPainter &p, int w, int h) { PaintProgress(bar, p, w, h); });
        return true;
    case QEvent::Resize:
        SetRoundRegion(bar);
        break;
    case QEvent::DynamicPropertyChange:
        // The application changed the text style or content: show it.
        bar->update();
        break;
    default:
        break;
    }
    return false;
}
