#include "platform/multi_function_bar.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// A horizontal bar 0..500 as the seek bar is made.
struct SeekLikeBar {
    MultiFunctionBar bar;
    SeekLikeBar()
    {
        bar.resize(681, 17);
        bar.SetMaximum(500);
        bar.SetStep(1);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
    }
};

}  // namespace

class MultiFunctionBarTest : public QObject {
    Q_OBJECT

private slots:
    void programWriteClampsAndRaisesOnlyOnChange_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("raised");
        QTest::newRow("inside range") << 0 << 120 << 120 << true;
        QTest::newRow("same value") << 120 << 120 << 120 << false;
        QTest::newRow("above maximum") << 0 << 900 << 500 << true;
        QTest::newRow("above maximum while at maximum") << 500 << 501 << 500 << false;
        QTest::newRow("below minimum") << 30 << -4 << 0 << true;
        QTest::newRow("below minimum while at minimum") << 0 << -1 << 0 << false;
    }

    void programWriteClampsAndRaisesOnlyOnChange()
    {
        QFETCH(int, start);
        QFETCH(int, written);
        QFETCH(int, expected);
        QFETCH(bool, raised);
        MultiFunctionBar bar;
        bar.SetMaximum(500);
        bar.SetPosition(start);
        QSignalSpy changed(&bar, &MultiFunctionBar::positionChanged);
        bar.SetPosition(written);
        QCOMPARE(bar.Position(), expected);
        QCOMPARE(changed.count(), raised ? 1 : 0);
        if (raised) {
            QCOMPARE(changed.first().at(0).toInt(), expected);
            QCOMPARE(changed.first().at(1).toBool(), false);  // written by the program
        }
    }

    void maximumWriteChangesRangeAndClampsPosition()
    {
        MultiFunctionBar bar;
        bar.SetMaximum(500);
        bar.SetPosition(300);
        QSignalSpy changed(&bar, &MultiFunctionBar::positionChanged);
        bar.SetMaximum(120);
        QCOMPARE(bar.Maximum(), 120);
        QCOMPARE(bar.Position(), 120);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().at(1).toBool(), false);
        bar.SetMaximum(-10);
        QCOMPARE(bar.Minimum(), -10);
        QCOMPARE(bar.Position(), -10);
    }

    void stepForwardRaisesStepBeforeMoving()
    {
        SeekLikeBar fixture;
        MultiFunctionBar &bar = fixture.bar;
        bar.SetPosition(200);
        QStringList order;
        int positionSeenByStep = -1;
        connect(&bar, &MultiFunctionBar::stepForward, this, [&] {
            order << QStringLiteral("step");
            positionSeenByStep = bar.Position();
        });
        connect(&bar, &MultiFunctionBar::positionChanged, this, [&](int position, bool byUser) {
            order << QStringLiteral("moved %1 %2").arg(position).arg(byUser);
        });
        QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.StepForwardRect().center());
        QCOMPARE(order, (QStringList{"step", "moved 201 1"}));
        QCOMPARE(positionSeenByStep, 200);
    }

    void stepBackRaisesStepBeforeMoving()
    {
        SeekLikeBar fixture;
        MultiFunctionBar &bar = fixture.bar;
        bar.SetPosition(7);
        QSignalSpy back(&bar, &MultiFunctionBar::stepBack);
        QSignalSpy changed(&bar, &MultiFunctionBar::positionChanged);
        QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.StepBackRect().center());
        QCOMPARE(back.count(), 1);
        QCOMPARE(bar.Position(), 6);
        QCOMPARE(changed.count(), 1);
    }

    void stepForwardAtMaximumRaisesStepButDoesNotMove()
    {
        SeekLikeBar fixture;
        MultiFunctionBar &bar = fixture.bar;
        bar.SetPosition(500);
        QSignalSpy forward(&bar, &MultiFunctionBar::stepForward);
        QSignalSpy changed(&bar, &MultiFunctionBar::positionChanged);
        QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.StepForwardRect().center());
        QCOMPARE(forward.count(), 1);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(bar.Position(), 500);
    }

    void pressOnTrackIsAUserChange()
    {
        SeekLikeBar fixture;
        MultiFunctionBar &bar = fixture.bar;
        QSignalSpy pressed(&bar, &MultiFunctionBar::leftButtonPressed);
        QSignalSpy changed(&bar, &MultiFunctionBar::positionChanged);
        const QRect track = bar.TrackRect();
        const QPoint middle(track.left() + track.width() / 2, track.center().y());
        QTest::mouseClick(&bar, Qt::LeftButton, {}, middle);
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().at(1).toBool(), true);
        QVERIFY(qAbs(bar.Position() - 250) <= 2);
    }

    void draggingTheThumbFollowsTheMouse()
    {
        SeekLikeBar fixture;
        MultiFunctionBar &bar = fixture.bar;
        const QPoint thumb = bar.ThumbRect().center();
        QTest::mousePress(&bar, Qt::LeftButton, {}, thumb);
        const QPoint end(bar.TrackRect().right() - 2, thumb.y());
        QMouseEvent move(QEvent::MouseMove, end, bar.mapToGlobal(end), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&bar, &move);
        QTest::mouseRelease(&bar, Qt::LeftButton, {}, end);
        QCOMPARE(bar.Position(), 500);
    }

    void rightPressIsLeftToTheParent()
    {
        SeekLikeBar fixture;
        QSignalSpy pressed(&fixture.bar, &MultiFunctionBar::leftButtonPressed);
        QSignalSpy changed(&fixture.bar, &MultiFunctionBar::positionChanged);
        QTest::mouseClick(&fixture.bar, Qt::RightButton, {}, fixture.bar.TrackRect().center());
        QCOMPARE(pressed.count(), 0);
        QCOMPARE(changed.count(), 0);
    }

    void verticalBarGrowsUpwards()
    {
        MultiFunctionBar bar;
        bar.SetOrientation(Qt::Vertical);
        bar.resize(16, 144);
        bar.SetMaximum(500);
        const QRect track = bar.TrackRect();
        QCOMPARE(bar.PositionAt(QPoint(8, track.top())), 500);
        QCOMPARE(bar.PositionAt(QPoint(8, track.bottom())), 0);
        QVERIFY(bar.StepForwardRect().top() < bar.StepBackRect().top());
        bar.SetPosition(500);
        QCOMPARE(bar.ThumbRect().top(), track.top());
    }
};

QTEST_MAIN(MultiFunctionBarTest)
#include "tst_multi_function_bar.moc"
