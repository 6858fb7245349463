#include "skin/crystal/list_view_skin_proc.h"

#include "skin/crystal/skin_drawing.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QTableView>
#include <QTreeView>

ListViewSkinProc::ListViewSkinProc(QObject *parent) : QObject(parent) {}

QHeaderView *ListViewHeader(const QAbstractItemView *view)
{
    if (auto *tree = qobject_cast<const QTreeView *>(view))
        return tree->header();
    if (auto *table = qobject_cast<const QTableView *>(view))
        return table->horizontalHeader();
    return nullptr;
}

void PrepareListViewFrame(QAbstractItemView *view)
{
    if (view->frameWidth() >= 2)
        return;
    view->setFrameStyle(QFrame::Box | QFrame::Plain);
    view->setLineWidth(2);
}

void FrameListView(QAbstractItemView *view)
{
    const SkinPalette &c = GetSkinPalette(view);
    const int w = view->width();
    const int h = view->height();
    QPainter p(view);
    FrameRectangle(p, 0, 0, w, h, c.frame);
    FrameRectangle(p, 1, 1, w - 1, h - 1, c.track[0]);
}

bool ListViewSkinProc::eventFilter(QObject *watched, QEvent *event)
{
    auto *view = qobject_cast<QAbstractItemView *>(watched);
    if (!view || event->type() != QEvent::Paint)
        return false;
    // The view's own border first, then the frame over it.
    const bool handled = ForwardEvent(watched, event);
    FrameListView(view);
    return handled;
}
