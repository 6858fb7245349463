#pragma once
// A real MainWindow over a recording player host and a real logo control, shown on the
// test display.

#include "app/main_window.h"
#include "player/flash_control.h"
#include "recording_host.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

struct MainWindowFixture {
    RecordingHost host;
    FlashControl logo;
    std::unique_ptr<MainWindow> window;

    MainWindowFixture()
    {
        window = std::make_unique<MainWindow>(host, logo);
        window->show();
    }
    ~MainWindowFixture()
    {
        window.reset();
    }
};

// Runs action on the first visible widget of type T that appears, polled from the event
// loop (so also from inside a modal box's own loop).
template <typename T>
void OnNextTopLevel(std::function<void(T &)> action)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *found = qobject_cast<T *>(widget);
            if (found && found->isVisible()) {
                poll->stop();
                poll->deleteLater();
                action(*found);
                return;
            }
        }
    });
    poll->start(10);
}

// Presses the button of the next message box whose caption is caption.
inline void AnswerNextBox(const QString &caption)
{
    OnNextTopLevel<QMessageBox>([caption](QMessageBox &box) {
        for (QAbstractButton *button : box.buttons())
            if (button->text() == caption) {
                button->click();
                return;
            }
    });
}
