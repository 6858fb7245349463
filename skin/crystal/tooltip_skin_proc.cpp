#include "skin/crystal/tooltip_skin_proc.h"

#include "skin/crystal/skin_drawing.h"

#include <QEvent>
#include <QPainter>
#include <QTextDocumentFragment>
#include <QWidget>

TooltipSkinProc::TooltipSkinProc(QObject *parent) : QObject(parent) {}

QString TooltipText(const QWidget *tooltip)
{
    const QString text = WindowText(tooltip);
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

void PaintTooltip(QWidget *tooltip, QPainter &p, int w, int h)
{
    const SkinPalette &c = GetSkinPalette(tooltip);
    GradientBand(p, 0, 0, w, h / 2, c.track[0], c.track[1], false);
    GradientBand(p, 0, h / 2, w, h, c.track[2], c.track[3], false);
    FrameRectangle(p, 0, 0, w, h, c.frame);
    DrawSkinText(p, SkinRect(1, 2, w - 1, h - 1), Qt::AlignHCenter | Qt::AlignTop, TooltipText(tooltip), c.text);
}

bool TooltipSkinProc::eventFilter(QObject *watched, QEvent *event)
{
    auto *tooltip = qobject_cast<QWidget *>(watched);
    if (!tooltip || event->type() != QEvent::Paint)
        return false;
    PaintOffscreen(tooltip, [tooltip](QPainter &p, int w, int h) { PaintTooltip(tooltip, p, w, h); });
    return true;
}
