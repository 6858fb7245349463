#pragma once
#include <QObject>

class QHeaderView;
class QPainter;

// The skin of a view's column header, in the colours of the view it belongs to: a saturated
// background, the section captions and a two-tone line after each section. It filters the
// header's viewport, where the header paints.
class HeaderSkinProc : public QObject {
    Q_OBJECT
public:
    explicit HeaderSkinProc(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

void PaintHeader(QHeaderView *header, QPainter &p, int width, int height);
