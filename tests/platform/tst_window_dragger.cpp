#include "platform/window_dragger.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

namespace {

void SendMouse(QWidget *target, QEvent::Type type, const QPoint &local, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, target->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Presses at from in window, drags by delta and releases.
void Drag(QWidget *window, const QPoint &from, const QPoint &delta)
{
    const QPoint globalFrom = window->mapToGlobal(from);
    SendMouse(window, QEvent::MouseButtonPress, from, Qt::LeftButton);
    for (int step = 1; step <= 4; ++step) {
        const QPoint at = window->mapFromGlobal(globalFrom + delta * step / 4);
        SendMouse(window, QEvent::MouseMove, at, Qt::LeftButton);
    }
    SendMouse(window, QEvent::MouseButtonRelease, window->mapFromGlobal(globalFrom + delta), Qt::NoButton);
}

}  // namespace

class WindowDraggerTest : public QObject {
    Q_OBJECT

private slots:
    void dragAnywhereMovesTheWindow()
    {
        QWidget window(nullptr, Qt::FramelessWindowHint);
        window.setGeometry(100, 100, 300, 200);
        WindowDragger dragger(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint before = window.pos();
        Drag(&window, QPoint(50, 50), QPoint(80, 40));
        QTRY_COMPARE(window.pos(), before + QPoint(80, 40));
    }

    void disabledDraggerLeavesTheWindowInPlace()
    {
        QWidget window(nullptr, Qt::FramelessWindowHint);
        window.setGeometry(100, 100, 300, 200);
        WindowDragger dragger(&window);
        dragger.SetEnabled(false);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint before = window.pos();
        Drag(&window, QPoint(50, 50), QPoint(80, 40));
        QTest::qWait(50);
        QCOMPARE(window.pos(), before);
    }

    void aControlThatTakesThePressKeepsIt()
    {
        QWidget window(nullptr, Qt::FramelessWindowHint);
        window.setGeometry(100, 100, 300, 200);
        auto *button = new QPushButton(QStringLiteral("b"), &window);
        button->setGeometry(10, 10, 100, 40);
        WindowDragger dragger(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint before = window.pos();
        SendMouse(button, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton);
        SendMouse(button, QEvent::MouseMove, QPoint(60, 30), Qt::LeftButton);
        SendMouse(button, QEvent::MouseButtonRelease, QPoint(60, 30), Qt::NoButton);
        QTest::qWait(50);
        QCOMPARE(window.pos(), before);
    }
};

QTEST_MAIN(WindowDraggerTest)
#include "tst_window_dragger.moc"
