// Real pointer input over a playing movie: the movie's window is drawn on its own but takes
// no input, so clicks made through the X server (xdotool) reach the host's widgets.

#include "player/flash_host.h"
#include "tests/support/media_fixtures.h"

#include <QMouseEvent>
#include <QPoint>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace {

// Clicks button at a global point through the X server's test extension.
bool XClick(const QPoint &global, int button)
{
    const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (xdotool.isEmpty())
        return false;
    // No "--sync": it waits for the pointer to move, forever when it is there already.
    return QProcess::execute(xdotool, {"mousemove", QString::number(global.x()),
                                       QString::number(global.y()), "click",
                                       QString::number(button)}) == 0;
}

// Counts the left presses a widget receives.
class PressCounter : public QObject {
public:
    int presses = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress
            && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            ++presses;
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

class MovieWindowInputTest : public QObject {
    Q_OBJECT

private slots:
    void clicksOnThePlayingVideoReachTheHost()
    {
        const QString file = MediaFixtures::Flv(8);
        QVERIFY(!file.isEmpty());
        QWidget window;
        window.resize(640, 480);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QList<QPoint> rightClicks;
        FlashHost host;
        host.Init(&window, 140, 120, 375, 240,
                  [&](int x, int y, int) { rightClicks.append(QPoint(x, y)); });
        host.OpenUrl(file);
        QTRY_COMPARE_WITH_TIMEOUT(host.State(), 1, 20000);
        QWidget *area = host.Control().HostWindow();

        const QPoint inside(area->width() / 2, area->height() / 3);
        QVERIFY2(XClick(area->mapToGlobal(inside), 3), "xdotool could not click");
        QTRY_COMPARE(rightClicks.size(), 1);

        PressCounter counter;
        area->installEventFilter(&counter);
        QVERIFY(XClick(area->mapToGlobal(inside), 1));
        QTRY_COMPARE(counter.presses, 1);
        QCOMPARE(host.State(), 1);  // the click did not disturb the playback
    }
};

QTEST_MAIN(MovieWindowInputTest)
#include "tst_movie_window_input.moc"
