#include "skin/crystal/header_skin_proc.h"

#include "skin/crystal/skin_drawing.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>

HeaderSkinProc::HeaderSkinProc(QObject *parent) : QObject(parent) {}

void PaintHeader(QHeaderView *header, QPainter &p, int w, int h)
{
    const SkinPalette &c = GetSkinPalette(header->parentWidget());
    GradientBand(p, 0, 0, w, h / 2, c.fill[0], c.fill[1], false);
    GradientBand(p, 0, h / 2, w, h, c.fill[2], c.fill[3], false);
    const QAbstractItemModel *model = header->model();
    const bool horizontal = header->orientation() == Qt::Horizontal;
    for (int i = 0; i < header->count(); ++i) {
        if (header->isSectionHidden(i))
            continue;
        const int start = header->sectionViewportPosition(i);
        const int end = start + header->sectionSize(i);
        const QRect item = horizontal ? SkinRect(start, 0, end, h) : SkinRect(0, start, w, end);
        const QString caption = model ? model->headerData(i, header->orientation(), Qt::DisplayRole).toString() : QString();
        DrawSkinText(p, SkinRect(item.left() + 5, item.top() + 2, item.right() + 1, item.bottom() + 1),
                     Qt::AlignLeft | Qt::AlignTop, caption, c.text);
        const int right = item.right() + 1;
        p.fillRect(right - 1, 0, 1, item.bottom() + 1, ToQColor(c.frame));
        p.fillRect(right, 0, 1, item.bottom() + 1, ToQColor(c.fill[0]));
    }
    p.fillRect(0, h - 1, w, 1, ToQColor(c.frame));
}

bool HeaderSkinProc::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Paint)
        return false;
    auto *viewport = qobject_cast<QWidget *>(watched);
    auto *header = viewport ? qobject_cast<QHeaderView *>(viewport->parentWidget()) : nullptr;
    if (!header)
        return false;
    PaintOffscreen(viewport, [header](QPainter &p, int w, int h) { PaintHeader(header, p, w, h); });
    return true;
}
