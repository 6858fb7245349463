#include "tests/windows/box_catcher.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

BoxCatcher::BoxCatcher()
{
    m_poll.setInterval(50);
    connect(&m_poll, &QTimer::timeout, this, &BoxCatcher::catchBoxes);
    m_poll.start();
}

void BoxCatcher::catchBoxes()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (!box || !box->isVisible() || box->property("caught").toBool())
            continue;
        box->setProperty("caught", true);
        texts << box->text();
        captions << box->windowTitle();
        if (QPushButton *button = box->defaultButton())
            button->click();
        else
            box->reject();
    }
}
