#include "app/layout.h"

#include <QTest>

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void videoRectLeavesTheFrameAround()
    {
        QCOMPARE(MainLayout::VideoRect(946, 666), QRect(140, 120, 681, 426));
        QCOMPARE(MainLayout::FullScreenVideoRect(QSize(1280, 1024)), QRect(0, 50, 1280, 894));
    }

    void centringTruncatesTowardZero_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("large screen") << QSize(1280, 1024) << QPoint(167, 179);
        QTest::newRow("odd screen") << QSize(1281, 1025) << QPoint(167, 179);
        QTest::newRow("smaller than the window") << QSize(800, 600) << QPoint(-73, -33);
        // -72.5 and -32.5: toward zero, not down.
        QTest::newRow("smaller and odd") << QSize(801, 601) << QPoint(-72, -32);
    }

    void centringTruncatesTowardZero()
    {
        QFETCH(QSize, screen);
        QFETCH(QPoint, expected);
        QCOMPARE(MainLayout::CentredPosition(screen, QSize(946, 666)), expected);
    }

    void controlsOfTheNormalLayout()
    {
        QCOMPARE(MainLayout::StatusPlacement(946, 666, 32), QRect(140, 556, 681, 32));
        QCOMPARE(MainLayout::SeekBarPlacement(946, 666, 17), QRect(140, 544, 681, 17));
        QCOMPARE(MainLayout::VolumeBarPosition(946, 666, 144), QPoint(826, 402));
    }

    void fullScreenSeekBarSitsOnTheWorkAreaBottom_data()
    {
        QTest::addColumn<QRect>("workArea");
        QTest::addColumn<int>("reserved");
        QTest::addColumn<int>("seekTop");
        const QRect screen(0, 0, 1280, 1024);
        QTest::newRow("panel at the bottom") << QRect(0, 0, 1280, 984) << 40 << 1024 - 40 - 17;
        QTest::newRow("panel at the top") << QRect(0, 30, 1280, 994) << 0 << 1024 - 17;
        QTest::newRow("panel at the left") << QRect(48, 0, 1232, 1024) << 0 << 1024 - 17;
        QTest::newRow("no panel") << screen << 0 << 1024 - 17;
    }

    void fullScreenSeekBarSitsOnTheWorkAreaBottom()
    {
        QFETCH(QRect, workArea);
        QFETCH(int, reserved);
        QFETCH(int, seekTop);
        const QRect screen(0, 0, 1280, 1024);
        QCOMPARE(MainLayout::BottomReservedHeight(screen, workArea), reserved);
        QCOMPARE(MainLayout::FullScreenSeekBarPlacement(screen.size(), reserved, 17),
                 QRect(0, seekTop, 1280, 17));
        QCOMPARE(MainLayout::FullScreenStatusPlacement(1280, 1024, 32), QRect(140, 944, 1015, 32));
    }
};

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
