// The player movie driven through FlashHost over local media files: playing to the end,
// pause and resume, replay, stop, seek, volume and the duration texts.

#include "player/movie_sound.h"
#include "player/net_stream.h"
#include "player_window.h"
#include "tests/support/media_fixtures.h"

#include <QtTest>
#include <cmath>
#include <mpv/client.h>

namespace {

// 124 frames stretched so the last one lands at 125 minutes 3.5 seconds.
QString LongFlv()
{
    return MediaFixtures::Make(QStringLiteral("stretched-125min.flv"), 5,
                               {"-vf", "setpts=1512.8*PTS", "-an", "-c:v", "libx264", "-preset",
                                "ultrafast", "-pix_fmt", "yuv420p", "-g", "25", "-f", "flv"});
}

double MpvVolume(NetStream *stream)
{
    double volume = -1;
    mpv_get_property(stream->core()->mpv, "volume", MPV_FORMAT_DOUBLE, &volume);
    return volume;
}

}  // namespace

class MoviePlaybackTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(!MediaFixtures::Flv().isEmpty());
        QVERIFY(!MediaFixtures::Mp4().isEmpty());
        QVERIFY(!MediaFixtures::FlvWithoutDuration().isEmpty());
    }

    void valuesBeforeAnyCommand()
    {
        PlayerWindow player;
        FlashHost &host = player.host();
        QCOMPARE(host.QueryPlayCode(), 0);
        QCOMPARE(host.QueryUrl(), QString());
        QCOMPARE(host.QueryTotalTimeText(), QString());
        QCOMPARE(host.QueryPositionText(), QStringLiteral("00:00"));
        QCOMPARE(host.QueryTimeText(), QStringLiteral("00:00/00:00"));
        QCOMPARE(host.QueryStreamStatus(), QString());
        QCOMPARE(host.TotalSeconds(), 0);
        QCOMPARE(host.PositionSeconds(), 0);
        QCOMPARE(host.State(), 0);
        // Undefined values, not empty texts.
        FlashControl &control = host.Control();
        for (const char *name : {"qbfzt", "qurl", "qbfzsj", "flvbfzt"})
            QCOMPARE(control.CallFunction(InvokeRequest(name)), QStringLiteral("<undefined/>"));
    }

    void playWithNothingLoadedDoesNothing()
    {
        PlayerWindow player;
        player.host().TogglePlay();
        QCOMPARE(player.host().Control().CallFunction(InvokeRequest("qbfzt")),
                 QStringLiteral("<undefined/>"));
        QTest::qWait(300);
        QCOMPARE(player.host().State(), 0);
        QCOMPARE(player.host().QueryStreamStatus(), QString());
    }

    void fileStartsAtOnceAndPlaysToItsEnd_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("flv") << MediaFixtures::Flv();
        QTest::newRow("mp4") << MediaFixtures::Mp4();
    }

    void fileStartsAtOnceAndPlaysToItsEnd()
    {
        QFETCH(QString, path);
        PlayerWindow player;
        FlashHost &host = player.host();
        host.OpenUrl(path);
        QCOMPARE(host.QueryPlayCode(), 1);
        QCOMPARE(host.QueryUrl(), path);
        QCOMPARE(host.State(), 5);  // no stream status yet

        QVERIFY(player.waitForState(1));
        QCOMPARE(host.QueryStreamStatus(), QStringLiteral("NetStream.Buffer.Full"));
        QCOMPARE(host.QueryTotalTimeText(), QStringLiteral("00:05"));
        QCOMPARE(host.TotalSeconds(), 5);
        QTRY_VERIFY_WITH_TIMEOUT(host.PositionSeconds() >= 2, 10000);
        QVERIFY(host.QueryTimeText().endsWith(QStringLiteral("/00:05")));

        QVERIFY(player.waitForState(0));
        QCOMPARE(host.QueryPlayCode(), 0);
        QCOMPARE(host.QueryStreamStatus(), QStringLiteral("NetStream.Play.Stop"));
        QCOMPARE(host.QueryPositionText(), QStringLiteral("00:05"));
        QCOMPARE(host.QueryTimeText(), QStringLiteral("00:05/00:05"));
        QCOMPARE(host.Control().CallFunction(InvokeRequest("huanchong")),
                 QStringLiteral("<number>100</number>"));
    }

    void pauseAndResumeTwice()
    {
        PlayerWindow player;
        FlashHost &host = player.host();
        host.OpenUrl(MediaFixtures::Flv());
        QVERIFY(player.waitForState(1));
        for (int round = 0; round < 2; ++round) {
            host.TogglePlay();
            QCOMPARE(host.State(), 2);
            QTest::qWait(150);  // let a frame in flight arrive
            const double pausedAt = player.stream()->time();
            QTest::qWait(500);
            QCOMPARE(player.stream()->time(), pausedAt);
            QCOMPARE(host.State(), 2);
            host.TogglePlay();
            QCOMPARE(host.QueryPlayCode(), 1);
            QTRY_VERIFY(player.stream()->time() > pausedAt);
            QCOMPARE(host.State(), 1);
        }
    }

    void replayAfterTheEndStartsFromTheBeginning()
    {
        PlayerWindow player;
        FlashHost &host = player.host();
        host.OpenUrl(MediaFixtures::Flv(2));
        QVERIFY(player.waitForState(1));
        QVERIFY(player.waitForState(0));
        QCOMPARE(host.QueryPositionText(), QStringLiteral("00:02"));

        host.TogglePlay();
        QCOMPARE(host.QueryPlayCode(), 1);
        QCOMPARE(host.State(), 5);  // the last status is the old stream's stop
        QVERIFY(player.waitForState(1));
        QVERIFY(player.stream()->time() < 2);
        QCOMPARE(host.QueryUrl(), MediaFixtures::Flv(2));
        QVERIFY(player.waitForState(0));
    }

    void stopClosesTheStream()
    {
        PlayerWindow player;
        FlashHost &host = player.host();
        host.OpenUrl(MediaFixtures::Mp4());
        QVERIFY(player.waitForState(1));
        host.Stop();
        QCOMPARE(host.QueryPlayCode(), 0);
        QCOMPARE(host.State(), 0);
        QCOMPARE(host.QueryPositionText(), QStringLiteral("00:00"));
        QTest::qWait(300);
        QCOMPARE(host.State(), 0);
        QCOMPARE(player.stream()->time(), 0.0);
        // Stopped is where "play" starts the last address again.
        host.TogglePlay();
        QVERIFY(player.waitForState(1));
    }

    void newAddressReplacesThePlayingOne()
    {
        PlayerWindow player;
        FlashHost &host = player.host();
        host.OpenUrl(MediaFixtures::Flv());
        QVERIFY(player.waitForState(1));
        host.OpenUrl(MediaFixtures::FlvWithoutDuration());
        QCOMPARE(host.QueryUrl(), MediaFixtures::FlvWithoutDuration());
        QCOMPARE(host.QueryPlayCode(), 1);
        QCOMPARE(host.State(), 1);  // the old stream's last status counts until a new one
        QTRY_COMPARE_WITH_TIMEOUT(host.QueryTotalTimeText(), QStringLiteral("NaN:NaN"), 10000);
        QVERIFY(player.waitForState(1));
        // Replay now means the new address.
        host.Stop();
        host.TogglePlay();
        QCOMPARE(host.QueryUrl(), MediaFixtures::FlvWithoutDuration());
        QVERIFY(player.waitForState(1));
    }

    void missingDurationShowsNaN()
    {
        PlayerWindow player;
        FlashHost &host = player.host();
        host.OpenUrl(MediaFixtures::FlvWithoutDuration());
        QVERIFY(player.waitForState(1));
        QCOMPARE(host.QueryTotalTimeText(), QStringLiteral("NaN:NaN"));
        QCOMPARE(host.TotalSeconds(), 0);
        QVERIFY(host.QueryTimeText().endsWith(QStringLiteral("/00:00")));
        QTRY_VERIFY_WITH_TIMEOUT(host.PositionSeconds() >= 1, 10000);
        QVERIFY(host.QueryTimeText().endsWith(QStringLiteral("/00:00")));
    }

    void durationOverHundredMinutes()
    {
        const QString path = LongFlv();
        QVERIFY(!path.isEmpty());
        PlayerWindow player;
        FlashHost &host = player.host();
        host.OpenUrl(path);
        QVERIFY(player.waitForState(1));
        QCOMPARE(host.QueryTotalTimeText(), QStringLiteral("125:03"));
        QCOMPARE(host.TotalSeconds(), 7503);
        host.Seek(6005);
        QTRY_COMPARE_WITH_TIMEOUT(host.QueryPositionText().left(4), QStringLiteral("100:"), 10000);
        QVERIFY(host.PositionSeconds() >= 6000);
        QVERIFY(host.QueryTimeText().endsWith(QStringLiteral("/125:03")));
    }

    void seekMovesThePosition()
    {
        PlayerWindow player;
        FlashHost &host = player.host();
        host.OpenUrl(MediaFixtures::Flv(8));
        QVERIFY(player.waitForState(1));
        host.Seek(5);
        QTRY_VERIFY_WITH_TIMEOUT(host.PositionSeconds() >= 5, 10000);
        QVERIFY(player.waitForState(1));  // buffer full again after the seek
        host.Seek(1);
        QTRY_VERIFY_WITH_TIMEOUT(host.PositionSeconds() <= 2, 10000);
    }

    void volumeValuesTravelUnchanged_data()
    {
        QTest::addColumn<int>("volume");
        QTest::addColumn<double>("gain");  // amplitude factor
        QTest::newRow("silent") << 0 << 0.0;
        QTest::newRow("a third") << 33 << 0.33;
        QTest::newRow("normal") << 100 << 1.0;
        QTest::newRow("five times") << 500 << 5.0;
    }

    void volumeValuesTravelUnchanged()
    {
        QFETCH(int, volume);
        QFETCH(double, gain);
        PlayerWindow player;
        FlashHost &host = player.host();
        host.OpenUrl(MediaFixtures::Flv());
        host.SetVolume(volume);
        QCOMPARE(player.sound()->getVolume(), double(volume));
        // mpv's volume scale is cubic; the movie's level is linear in amplitude.
        QVERIFY(std::abs(std::pow(MpvVolume(player.stream()) / 100, 3) - gain) < 1e-6);
        QVERIFY(player.waitForState(1));
        QCOMPARE(player.sound()->getVolume(), double(volume));
    }

    void missingLocalFileIsNotFound()
    {
        PlayerWindow player;
        FlashHost &host = player.host();
        const QString missing = MediaFixtures::Directory() + QStringLiteral("/no-such-file.flv");
        host.OpenUrl(missing);
        QVERIFY(player.waitForState(4));
        QCOMPARE(host.QueryStreamStatus(), QStringLiteral("NetStream.Play.StreamNotFound"));
        QCOMPARE(host.QueryUrl(), missing);
        host.TogglePlay();  // nothing happens at code 4
        QCOMPARE(host.State(), 4);
        host.OpenUrl(MediaFixtures::Flv());
        QVERIFY(player.waitForState(1));
    }
};

QTEST_MAIN(MoviePlaybackTest)
#include "tst_movie_playback.moc"
