#pragma once
#include <QObject>

class QPainter;
class QWidget;

// The skin of a tooltip window: a light body, an outline and the tip's text.
class TooltipSkinProc : public QObject {
    Q_OBJECT
public:
    explicit TooltipSkinProc(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// The tip's text as plain text (a rich-text tip loses its markup).
QString TooltipText(const QWidget *tooltip);

void PaintTooltip(QWidget *tooltip, QPainter &p, int width, int height);
