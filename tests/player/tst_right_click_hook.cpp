// Right clicks anywhere in a hooked widget tree reach the callback once and never the
// widgets themselves.

#include "player/flash_host.h"
#include "player/movie_file.h"
#include "player/right_click_hook.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

namespace {

// A widget that counts what reaches it.
class RecordingWidget : public QWidget {
public:
    using QWidget::QWidget;
    int rightPresses = 0, rightReleases = 0, leftPresses = 0, contextMenus = 0;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        (event->button() == Qt::RightButton ? rightPresses : leftPresses) += 1;
        event->ignore();  // a widget that ignores the press passes it to its parent
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::RightButton)
            ++rightReleases;
        event->ignore();
    }
    void contextMenuEvent(QContextMenuEvent *event) override
    {
        ++contextMenus;
        event->ignore();
    }
};

struct Call {
    int x, y, reserved;
};

// A shown window with a button-sized child, hooked through a player host.
struct HookedWindow {
    QTemporaryDir programDir;
    RecordingWidget window;
    RecordingWidget *child = new RecordingWidget(&window);
    RecordingWidget *grandChild = new RecordingWidget(child);
    FlashHost host;
    QList<Call> calls;

    explicit HookedWindow(bool withCallback)
    {
        MovieFile::SetProgramDirectory(programDir.path());
        window.resize(640, 480);
        child->setGeometry(10, 10, 100, 60);
        grandChild->setGeometry(50, 30, 40, 20);
        window.show();
        RightClickCallback callback;
        if (withCallback)
            callback = [this](int x, int y, int reserved) { calls.append({x, y, reserved}); };
        host.Init(&window, 140, 120, 375, 240, callback);
        MovieFile::SetProgramDirectory({});
    }

    // Presses and releases the button at a window position, through the window system.
    void click(Qt::MouseButton button, QPoint windowPos)
    {
        QTest::mousePress(window.windowHandle(), button, {}, windowPos);
        QTest::mouseRelease(window.windowHandle(), button, {}, windowPos);
        QCoreApplication::processEvents();
    }
};

}  // namespace

class RightClickHookTest : public QObject {
    Q_OBJECT

private slots:
    void pressOnAControlCallsBackOnceWithItsPosition()
    {
        HookedWindow hooked(true);
        QVERIFY(QTest::qWaitForWindowExposed(&hooked.window));
        hooked.click(Qt::RightButton, QPoint(10 + 7, 10 + 9));
        QCOMPARE(hooked.calls.size(), 1);
        QCOMPARE(hooked.calls[0].x, 7);
        QCOMPARE(hooked.calls[0].y, 9);
        QCOMPARE(hooked.calls[0].reserved, 0);
        QCOMPARE(hooked.child->rightPresses, 0);
        QCOMPARE(hooked.child->rightReleases, 0);
        QCOMPARE(hooked.child->contextMenus, 0);
        QCOMPARE(hooked.window.rightPresses, 0);
        QCOMPARE(hooked.window.contextMenus, 0);
    }

    void pressOnTheVideoAreaCallsBackOnce()
    {
        HookedWindow hooked(true);
        QVERIFY(QTest::qWaitForWindowExposed(&hooked.window));
        QVERIFY(hooked.host.Control().GetReadyState() == 4);
        hooked.click(Qt::RightButton, QPoint(140 + 20, 120 + 30));
        QCOMPARE(hooked.calls.size(), 1);
        QCOMPARE(hooked.calls[0].x, 20);
        QCOMPARE(hooked.calls[0].y, 30);
        QCOMPARE(hooked.window.rightPresses, 0);
        QCOMPARE(hooked.window.rightReleases, 0);
        QCOMPARE(hooked.window.contextMenus, 0);
    }

    void withoutCallbackRightClicksAreSwallowed()
    {
        HookedWindow hooked(false);
        QVERIFY(QTest::qWaitForWindowExposed(&hooked.window));
        hooked.click(Qt::RightButton, QPoint(10 + 55, 10 + 35));  // on the grandchild
        QCOMPARE(hooked.grandChild->rightPresses, 0);
        QCOMPARE(hooked.grandChild->rightReleases, 0);
        QCOMPARE(hooked.grandChild->contextMenus, 0);
        QCOMPARE(hooked.child->rightPresses, 0);
        QCOMPARE(hooked.window.rightPresses, 0);
        // Other buttons pass on as before.
        hooked.click(Qt::LeftButton, QPoint(10 + 55, 10 + 35));
        QCOMPARE(hooked.grandChild->leftPresses, 1);
    }

    void installingTwiceHooksEachWidgetOnce()
    {
        HookedWindow hooked(true);
        QVERIFY(QTest::qWaitForWindowExposed(&hooked.window));
        const qsizetype records = HookTable::Records().size();
        int otherCalls = 0;
        InstallRightClickHook(&hooked.window, [&](int, int, int) { ++otherCalls; });
        QCOMPARE(HookTable::Records().size(), records);
        for (QWidget *widget : hooked.window.findChildren<QWidget *>()) {
            int matches = 0;
            for (const HookRecord &record : HookTable::Records())
                matches += record.window == widget;
            QVERIFY2(matches == 1, qPrintable(widget->metaObject()->className()));
        }
        hooked.click(Qt::RightButton, QPoint(20, 20));
        QCOMPARE(hooked.calls.size(), 1);
        QCOMPARE(otherCalls, 0);
    }

    void widgetsMadeLaterAreNotHooked()
    {
        HookedWindow hooked(true);
        auto *late = new RecordingWidget(&hooked.window);
        late->setGeometry(600, 400, 30, 30);
        late->show();
        QVERIFY(QTest::qWaitForWindowExposed(&hooked.window));
        hooked.click(Qt::RightButton, QPoint(610, 410));
        QCOMPARE(late->rightPresses, 1);
        QCOMPARE(late->contextMenus, 1);
    }

    void positionIsSignExtendedFrom16Bits()
    {
        HookedWindow hooked(true);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(40000, 65535), QPointF(0, 0),
                          Qt::RightButton, Qt::RightButton, {});
        QApplication::sendEvent(hooked.child, &press);
        QCOMPARE(hooked.calls.size(), 1);
        QCOMPARE(hooked.calls[0].x, 40000 - 65536);
        QCOMPARE(hooked.calls[0].y, -1);
        QCOMPARE(hooked.child->rightPresses, 0);
    }
};

QTEST_MAIN(RightClickHookTest)
#include "tst_right_click_hook.moc"
