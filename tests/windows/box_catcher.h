#pragma once
// Catches the message boxes the code under test shows (each runs its own event loop):
// records their texts and answers each with its default button.

#include <QObject>
#include <QStringList>
#include <QTimer>

class BoxCatcher : public QObject {
    Q_OBJECT
public:
    BoxCatcher();
    QStringList texts;     // the text of every box caught, in order
    QStringList captions;

private:
    void catchBoxes();
    QTimer m_poll;
};
