#include "platform/interval_timer.h"

#include <QSignalSpy>
#include <QTest>

class IntervalTimerTest : public QObject {
    Q_OBJECT

private slots:
    void positiveIntervalRunsFromConstruction()
    {
        IntervalTimer timer(20);
        QVERIFY(timer.IsRunning());
        QCOMPARE(timer.Interval(), 20);
        QSignalSpy ticks(&timer, &IntervalTimer::tick);
        QVERIFY(ticks.wait(2000));
    }

    void zeroOrNegativeStops_data()
    {
        QTest::addColumn<int>("written");
        QTest::newRow("zero") << 0;
        QTest::newRow("negative") << -5;
    }

    void zeroOrNegativeStops()
    {
        QFETCH(int, written);
        IntervalTimer timer(10);
        timer.SetInterval(written);
        QVERIFY(!timer.IsRunning());
        QCOMPARE(timer.Interval(), 0);
        QSignalSpy ticks(&timer, &IntervalTimer::tick);
        QTest::qWait(60);
        QCOMPARE(ticks.count(), 0);
    }

    void stoppedTimerStartsOnPositiveWrite()
    {
        IntervalTimer timer;
        QVERIFY(!timer.IsRunning());
        timer.SetInterval(15);
        QVERIFY(timer.IsRunning());
        QSignalSpy ticks(&timer, &IntervalTimer::tick);
        QVERIFY(ticks.wait(2000));
    }

    void writingTheSameValueDoesNotRestart()
    {
        IntervalTimer timer(100000);
        QTest::qWait(300);
        const int before = timer.RemainingTime();
        QVERIFY(before < 99900);
        timer.SetInterval(100000);
        QVERIFY(timer.RemainingTime() <= before);
    }

    void writingADifferentValueRestarts()
    {
        IntervalTimer timer(100000);
        QTest::qWait(20);
        timer.SetInterval(200000);
        QCOMPARE(timer.Interval(), 200000);
        QVERIFY(timer.RemainingTime() > 100000);
    }
};

QTEST_MAIN(IntervalTimerTest)
#include "tst_interval_timer.moc"
