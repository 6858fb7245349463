#include "windows/window_background.h"

#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QWidget>

void FillWithColorKey(QWidget &window)
{
    // Explicit palettes on the children first, so the key colour does not reach them.
    for (QWidget *child : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->setPalette(QApplication::palette(child));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(ColorKeyRgb));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}
