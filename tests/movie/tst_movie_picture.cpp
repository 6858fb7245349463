// The picture reaches the screen: a generated file and the same file over loopback HTTP
// play in the video area of a shown window; the screen's pixels there are not black.
// The grabs are kept in the build directory as movie-picture-<case>.png.

#include "player_window.h"
#include "tests/support/media_fixtures.h"
#include "tests/support/test_http_server.h"

#include <QDir>
#include <QImage>
#include <QScreen>
#include <QSet>
#include <QtTest>

namespace {

// The video area as the screen shows it.
QImage GrabVideoArea(PlayerWindow &player)
{
    QWidget *area = player.videoArea();
    const QPoint origin = area->mapTo(&player.window(), QPoint(0, 0));
    const QPixmap window = player.window().screen()->grabWindow(player.window().winId());
    const qreal ratio = window.devicePixelRatio();
    return window.copy(QRect(origin * ratio, area->size() * ratio)).toImage();
}

int DistinctColours(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            colours.insert(image.pixel(x, y) & 0xF0F0F0);  // coarse, so noise does not count
    return colours.size();
}

// Coarse colours along one row, at a share of the height.
int DistinctColoursInRow(const QImage &image, double heightShare)
{
    QSet<QRgb> colours;
    const int y = int(image.height() * heightShare);
    for (int x = 0; x < image.width(); ++x)
        colours.insert(image.pixel(x, y) & 0xE0E0E0);
    return colours.size();
}

double NonBlackShare(const QImage &image)
{
    int lit = 0, all = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2, ++all) {
            const QRgb p = image.pixel(x, y);
            lit += (qRed(p) + qGreen(p) + qBlue(p)) > 60 ? 1 : 0;
        }
    }
    return all ? double(lit) / all : 0;
}

}  // namespace

class MoviePictureTest : public QObject {
    Q_OBJECT

private slots:
    void pictureFillsTheVideoArea_data()
    {
        QTest::addColumn<bool>("overHttp");
        QTest::newRow("local") << false;
        QTest::newRow("http") << true;
    }

    void pictureFillsTheVideoArea()
    {
        QFETCH(bool, overHttp);
        const QString file = MediaFixtures::Flv(8);
        QVERIFY(!file.isEmpty());
        TestHttpServer server;
        server.serveFile("/pattern.flv", file, "video/x-flv");
        PlayerWindow player;
        player.host().OpenUrl(overHttp ? server.url(QStringLiteral("/pattern.flv")) : file);
        QVERIFY(player.waitForState(1));
        QTRY_VERIFY_WITH_TIMEOUT(player.host().PositionSeconds() >= 1, 10000);

        QImage picture;
        QTRY_VERIFY_WITH_TIMEOUT((picture = GrabVideoArea(player), NonBlackShare(picture) > 0.5), 5000);
        QVERIFY(DistinctColours(picture) > 8);
        QCOMPARE(picture.size(), player.videoArea()->size());
        // Upright: the pattern's rainbow band runs across its lower part, not its upper.
        QVERIFY(DistinctColoursInRow(picture, 0.82) > DistinctColoursInRow(picture, 0.18) + 8);
        const QString dir = qEnvironmentVariable("QINGLAN_BUILD_DIR", QDir::currentPath());
        const QString name = QStringLiteral("/movie-picture-%1.png").arg(QTest::currentDataTag());
        QVERIFY(picture.save(dir + name));
        QVERIFY(player.window().grab().save(dir + QStringLiteral("/movie-window-%1.png")
                                                       .arg(QTest::currentDataTag())));
    }

    // The picture follows the video area when it is moved and resized (as full screen does).
    void pictureFollowsTheResizedVideoArea()
    {
        const QString file = MediaFixtures::Flv(12);
        QVERIFY(!file.isEmpty());
        PlayerWindow player;
        player.host().OpenUrl(file);
        QVERIFY(player.waitForState(1));
        player.host().Move(20, 30, 600, 420);
        QCOMPARE(player.videoArea()->geometry(), QRect(20, 30, 600, 420));
        QImage picture;
        QTRY_VERIFY_WITH_TIMEOUT((picture = GrabVideoArea(player), NonBlackShare(picture) > 0.5
                                  && DistinctColoursInRow(picture, 0.82) > 8),
                                 10000);
        QCOMPARE(picture.size(), QSize(600, 420));
        // The pattern (4:3) fills the height and is centred: bars at both sides, picture to
        // within a few pixels of the top and bottom.
        QCOMPARE(picture.pixel(5, 210) & 0xF0F0F0, 0u);
        QCOMPARE(picture.pixel(594, 210) & 0xF0F0F0, 0u);
        QVERIFY(NonBlackShare(picture.copy(100, 2, 400, 6)) > 0.5);
        QVERIFY(NonBlackShare(picture.copy(100, 412, 400, 6)) > 0.5);
    }

    // A stream opened before the video area was ever drawn plays at once without a
    // picture and shows it as soon as the area is drawn.
    void hiddenVideoAreaGetsThePictureWhenShown()
    {
        const QString file = MediaFixtures::Flv(12);
        QVERIFY(!file.isEmpty());
        QWidget window;
        window.resize(640, 480);
        FlashHost host;
        host.Init(&window, 140, 120, 375, 240, {});
        host.OpenUrl(file);
        QTRY_COMPARE_WITH_TIMEOUT(host.State(), 1, 20000);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget *area = host.Control().HostWindow();
        QImage picture;
        QTRY_VERIFY_WITH_TIMEOUT((picture = window.grab(QRect(area->mapTo(&window, QPoint()), area->size())).toImage(),
                                  NonBlackShare(picture) > 0.5), 10000);
        QVERIFY(DistinctColours(picture) > 8);
    }
};

QTEST_MAIN(MoviePictureTest)
#include "tst_movie_picture.moc"
