// Progress bars in the crystal look: the filled share from the limits, fill direction,
// the text styles and the rounded region.
#include "skin/crystal/crystal_skin.h"
#include "skin/crystal/progress_skin_proc.h"
#include "skin/crystal/skin_drawing.h"
#include "skin/crystal/skin_properties.h"
#include "tests/crystal/skin_test_support.h"

#include <QProgressBar>
#include <QtTest>

using namespace SkinTest;

class ProgressSkinTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { CrystalSkinInit(); }

    void fractionFollowsLimits_data()
    {
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("position");
        QTest::addColumn<double>("fraction");
        QTest::newRow("past the top is full") << 0 << 100 << 150 << 1.0;
        QTest::newRow("below the bottom is empty") << 0 << 100 << -5 << 0.0;
        QTest::newRow("half way") << 0 << 100 << 50 << 0.5;
        QTest::newRow("equal limits, positive position is full") << 7 << 7 << 3 << 1.0;
        QTest::newRow("equal limits, zero position is empty") << 0 << 0 << 0 << 0.0;
        QTest::newRow("equal limits, negative position is empty") << 4 << 4 << -2 << 0.0;
        QTest::newRow("two of three") << 0 << 3 << 2 << 2.0 / 3.0;
        QTest::newRow("a range not starting at zero") << 50 << 150 << 100 << 0.5;
        QTest::newRow("widest range") << INT_MIN << INT_MAX << INT_MAX << 1.0;
    }
    void fractionFollowsLimits()
    {
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(int, position);
        QFETCH(double, fraction);
        QCOMPARE(ProgressFraction(low, high, position), fraction);
    }

    void textFollowsTextStyle_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0 << QString();
        QTest::newRow("content") << 1 << QStringLiteral("缓冲");
        QTest::newRow("position") << 2 << QStringLiteral("2");
        QTest::newRow("percent truncated") << 3 << QStringLiteral("66%");
        QTest::newRow("content and position") << 4 << QStringLiteral("缓冲2");
        QTest::newRow("content and percent") << 5 << QStringLiteral("缓冲66%");
        QTest::newRow("unknown style") << 6 << QString();
    }
    void textFollowsTextStyle()
    {
        QFETCH(int, style);
        QFETCH(QString, text);
        QCOMPARE(ProgressText(style, QStringLiteral("缓冲"), 2, ProgressFraction(0, 3, 2)), text);
    }

    void barFillsFromItsStart_data()
    {
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("value");
        QTest::addColumn<double>("fraction");
        for (bool vertical : {false, true}) {
            const char *o = vertical ? "vertical" : "horizontal";
            QTest::addRow("%s full", o) << vertical << 0 << 100 << 100 << 1.0;
            QTest::addRow("%s empty", o) << vertical << 0 << 100 << 0 << 0.0;
            QTest::addRow("%s a third", o) << vertical << 0 << 90 << 30 << 1.0 / 3.0;
            QTest::addRow("%s equal limits, positive", o) << vertical << 0 << 0 << 5 << 1.0;
            QTest::addRow("%s equal limits, zero", o) << vertical << 0 << 0 << 0 << 0.0;
            QTest::addRow("%s equal limits, negative", o) << vertical << 0 << 0 << -3 << 0.0;
        }
    }
    void barFillsFromItsStart()
    {
        QFETCH(bool, vertical);
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(int, value);
        QFETCH(double, fraction);
        QProgressBar bar;
        bar.setOrientation(vertical ? Qt::Vertical : Qt::Horizontal);
        const int w = vertical ? 24 : 210, h = vertical ? 210 : 24;
        bar.resize(w, h);
        bar.setRange(low, high);
        bar.setValue(value);
        QCOMPARE(bar.value(), value);
        QVERIFY(SkinControl(&bar, 4, 1));
        QCOMPARE(bar.property(SkinProperty::Type).toInt(), 1);
        const Style &c = StyleColors(4);
        const QImage image = Drawn(&bar);
        if (vertical) {
            // Colour runs left to right in each half; filled rows from the bottom up.
            const int filled = static_cast<int>(h * fraction);
            const int x = 3;
            for (int y = 1; y < h - 1; ++y) {
                const bool isFilled = y >= h - filled;
                const ColorRef expected = isFilled ? Blend(c.fill[0], c.fill[1], x, w / 2) : Blend(c.track[0], c.track[1], x, w / 2);
                QCOMPARE(QString::number(At(image, x, y), 16), QString::number(Rgb(expected), 16));
            }
        } else {
            const int filled = static_cast<int>(w * fraction);
            const int y = 3;
            for (int x = 1; x < w - 1; ++x) {
                const QRgb expected = x < filled ? FaceRow(c.fill, h, y) : FaceRow(c.track, h, y);
                QCOMPARE(QString::number(At(image, x, y), 16), QString::number(expected, 16));
            }
        }
        QCOMPARE(At(image, w / 2, 0), Rgb(c.frame));
        QCOMPARE(At(image, 1, 1), Rgb(c.frame));
        QCOMPARE(At(image, 0, 0), FaceColor().rgb());
    }

    void resetBarIsEmpty()
    {
        QProgressBar bar;
        bar.resize(120, 20);
        bar.setRange(0, 10);
        bar.setValue(10);
        bar.reset();
        SkinControl(&bar, 1, 1);
        const Style &c = StyleColors(1);
        QCOMPARE(At(Drawn(&bar), 2, 3), FaceRow(c.track, 20, 3));
    }

    void textShowsOnlyWhenAskedFor()
    {
        QProgressBar bar;
        bar.resize(160, 22);
        bar.setRange(0, 3);
        bar.setValue(2);
        SkinControl(&bar, 6, 1);
        const QImage plain = Drawn(&bar);
        bar.setProperty(SkinProperty::TextStyle, 3);
        const QImage withText = Drawn(&bar);
        QVERIFY(plain != withText);
        // The text sits in the middle; the ends of the bar are unchanged.
        QCOMPARE(plain.copy(0, 0, 20, 22), withText.copy(0, 0, 20, 22));
        QCOMPARE(plain.copy(140, 0, 20, 22), withText.copy(140, 0, 20, 22));
        QVERIFY(plain.copy(60, 3, 40, 16) != withText.copy(60, 3, 40, 16));
        bar.setProperty(SkinProperty::TextStyle, 0);
        QCOMPARE(Drawn(&bar), plain);
    }

    void regionFollowsTheSize()
    {
        QProgressBar bar;
        bar.resize(100, 18);
        SkinControl(&bar, 7, 1);
        QCOMPARE(bar.mask(), RoundRegion(100, 18));
        bar.show();
        bar.resize(300, 12);
        QCOMPARE(bar.mask(), RoundRegion(300, 12));
    }
};

QTEST_MAIN(ProgressSkinTest)
#include "test_progress_skin.moc"
