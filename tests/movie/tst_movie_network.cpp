// The player movie over loopback HTTP: progressive files, a missing address with its one
// "?start=" retry, and a server too slow to keep the buffer filled.

#include "player_window.h"
#include "tests/support/media_fixtures.h"
#include "tests/support/test_http_server.h"

#include <QFile>
#include <QtTest>

namespace {

int StartOffsetRequests(const TestHttpServer &server)
{
    int count = 0;
    for (const TestHttpServer::Request &request : server.requests())
        count += request.query().startsWith("start=") ? 1 : 0;
    return count;
}

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class MovieNetworkTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(!MediaFixtures::Flv().isEmpty());
        QVERIFY(!MediaFixtures::Mp4().isEmpty());
    }

    void progressiveFilePlaysToItsEnd_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("contentType");
        QTest::newRow("flv") << MediaFixtures::Flv() << QByteArray("video/x-flv");
        QTest::newRow("mp4") << MediaFixtures::Mp4() << QByteArray("video/mp4");
    }

    void progressiveFilePlaysToItsEnd()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, contentType);
        TestHttpServer server;
        server.serveFile("/media/video", path, contentType);
        const QString address = server.url(QStringLiteral("/media/video"));
        PlayerWindow player;
        FlashHost &host = player.host();
        host.OpenUrl(address);
        QCOMPARE(host.QueryPlayCode(), 1);
        QCOMPARE(host.QueryUrl(), address);
        QCOMPARE(host.State(), 5);
        QVERIFY(player.waitForState(1));
        QCOMPARE(host.TotalSeconds(), 5);
        QVERIFY(player.waitForState(0));
        QCOMPARE(host.QueryTimeText(), QStringLiteral("00:05/00:05"));
        QCOMPARE(host.Control().CallFunction(InvokeRequest("huanchong")),
                 QStringLiteral("<number>100</number>"));
        QCOMPARE(StartOffsetRequests(server), 0);
    }

    void missingAddressIsAskedWithStartOffsetOnce()
    {
        TestHttpServer server;  // every path is 404
        PlayerWindow player;
        FlashHost &host = player.host();
        const QString missing = server.url(QStringLiteral("/gone.flv"));
        host.OpenUrl(missing);
        QVERIFY(player.waitForState(4));
        QTRY_COMPARE(StartOffsetRequests(server), 1);
        QTest::qWait(1500);  // time enough for a loop of requests to show itself
        QCOMPARE(StartOffsetRequests(server), 1);
        QCOMPARE(server.requestCount("/gone.flv"), 2);
        QCOMPARE(server.requests().last().target, QByteArray("/gone.flv?start=0"));
        QCOMPARE(host.State(), 4);
        QCOMPARE(host.QueryPlayCode(), 4);
        QCOMPARE(host.QueryUrl(), missing);

        // A new address may be retried once again.
        host.OpenUrl(server.url(QStringLiteral("/also-gone.flv")));
        QVERIFY(player.waitForState(4));
        QTRY_COMPARE(StartOffsetRequests(server), 2);
        QTest::qWait(1000);
        QCOMPARE(StartOffsetRequests(server), 2);
    }

    void startOffsetAddressPlaysWhenTheServerHasIt()
    {
        TestHttpServer server;
        const QByteArray bytes = FileBytes(MediaFixtures::Flv());
        server.route("/offset.flv", [bytes](const TestHttpServer::Request &request) {
            TestHttpServer::Response response;
            if (!request.query().startsWith("start=")) {
                response.status = 404;
                return response;
            }
            response.contentType = "video/x-flv";
            response.body = bytes;
            return response;
        });
        PlayerWindow player;
        FlashHost &host = player.host();
        const QString address = server.url(QStringLiteral("/offset.flv"));
        host.OpenUrl(address);
        QVERIFY(player.waitForState(1));
        QCOMPARE(host.QueryUrl(), address);  // the address given, not the retried one
        QCOMPARE(StartOffsetRequests(server), 1);
    }

    void slowServerLetsTheBufferRunEmpty()
    {
        TestHttpServer server;
        // About a third of the rate the file plays at.
        server.serveFile("/slow.flv", MediaFixtures::Flv(), "video/x-flv", 10000);
        PlayerWindow player;
        FlashHost &host = player.host();
        host.OpenUrl(server.url(QStringLiteral("/slow.flv")));
        QVERIFY(player.waitForState(3, 30000));
        QCOMPARE(host.QueryStreamStatus(), QStringLiteral("NetStream.Buffer.Empty"));
        QCOMPARE(host.QueryPlayCode(), 1);  // the code says playing; the status says buffering
        // The buffer fills again and playback goes on.
        QVERIFY(player.waitForState(1, 30000));
        const QString reply = host.Control().CallFunction(InvokeRequest("huanchong"));
        const int loaded = host.TextBetween(reply, QStringLiteral("<number>"),
                                            QStringLiteral("</number>")).toInt();
        QVERIFY(loaded > 0 && loaded <= 100);
    }
};

QTEST_MAIN(MovieNetworkTest)
#include "tst_movie_network.moc"
