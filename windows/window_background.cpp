#include "windows/window_background.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QLabel>
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
    // Text smoothed against the key colour keeps magenta fringes once the key pixels are cut
    // away; labels drawn straight onto the window get crisp glyphs instead.
    for (QLabel *label : window.findChildren<QLabel *>()) {
        if (label->autoFillBackground())
            continue;
        QFont font = label->font();
        font.setStyleStrategy(QFont::NoAntialias);
        label->setFont(font);
    }
}
