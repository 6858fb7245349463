#pragma once
#include <QObject>

class QAbstractItemView;
class QHeaderView;

// The skin of an item view: the view paints its own items; the skin draws a two-pixel frame
// over the view's border once the view has painted it.
class ListViewSkinProc : public QObject {
    Q_OBJECT
public:
    explicit ListViewSkinProc(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// The column header of a view in report form (tree and table views); none for list views.
QHeaderView *ListViewHeader(const QAbstractItemView *view);

// Gives the view a border of two pixels for the frame to sit on, when it has less.
void PrepareListViewFrame(QAbstractItemView *view);

void FrameListView(QAbstractItemView *view);
