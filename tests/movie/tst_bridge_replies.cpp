// FlashHost's commands and queries against a scripted movie in the real control: the exact
// command variables and values, and what the host makes of each reply.

#include "player_window.h"

#include <QTemporaryDir>
#include <QtTest>
#include <climits>

namespace {

// Answers every query with what the test set through "answer_<name>" ("number_<name>"
// for a number) and logs every command it gets.
const char ScriptedMovie[] = R"(
import QtQuick
Item {
    property var answers: ({})
    property var log: []
    Component.onCompleted: {
        for (const name of ["qbfzt", "qurl", "qbfzsj", "qbfsj", "qbfsjwb", "flvbfzt"]) {
            MovieHost.addCallback(name, () => answers[name]);
            MovieHost.addProperty("answer_" + name, v => { answers[name] = v; });
            MovieHost.addProperty("number_" + name, v => { answers[name] = Number(v); });
        }
        for (const command of ["flvurl", "playkz", "playvolume", "playkj"])
            MovieHost.addProperty(command, v => { log.push(command + "=" + v); });
        MovieHost.addCallback("commandLog", () => log.join("\n"));
    }
}
)";

}  // namespace

class BridgeRepliesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString path = m_dir.filePath(QStringLiteral("scripted.qml"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ScriptedMovie);
        file.close();
        m_player = std::make_unique<PlayerWindow>(path);
        QVERIFY(m_player->movieRoot());
    }

    void cleanupTestCase() { m_player.reset(); }

    void commandsSendTheirVariablesAndValues()
    {
        FlashHost &host = m_player->host();
        host.OpenUrl(QStringLiteral("http://127.0.0.1:9/a b.flv?x=1&y=<2>"));
        host.TogglePlay();
        host.TogglePlay();
        host.Stop();
        host.SetVolume(0);
        host.SetVolume(100);
        host.SetVolume(500);
        host.SetVolume(-7);
        host.Seek(0);
        host.Seek(7503);
        const QString log = host.TextBetween(host.Control().CallFunction(InvokeRequest("commandLog")),
                                             QStringLiteral("<string>"), QStringLiteral("</string>"));
        QCOMPARE(log.split(u'\n'),
                 QStringList({"flvurl=http://127.0.0.1:9/a b.flv?x=1&amp;y=&lt;2&gt;", "playkz=play",
                              "playkz=play", "playkz=stop", "playvolume=0", "playvolume=100",
                              "playvolume=500", "playvolume=-7", "playkj=0", "playkj=7503"}));
    }

    void playCodeIsReadAsAtoiDoes_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<int>("code");
        QTest::newRow("plain") << "1" << 1;
        QTest::newRow("two digits") << "12" << 12;
        QTest::newRow("leading blanks") << " \t4" << 4;
        QTest::newRow("plus sign") << "+2" << 2;
        QTest::newRow("minus sign") << "-3" << -3;
        QTest::newRow("trailing text") << "3abc" << 3;
        QTest::newRow("full-width digits") << QStringLiteral("\uFF11\uFF12") << 12;
        QTest::newRow("mixed digits") << QStringLiteral("1\uFF10") << 10;
        QTest::newRow("no digits") << "abc" << 0;
        QTest::newRow("sign only") << "-" << 0;
        QTest::newRow("blank after sign") << "- 5" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("too large") << "99999999999" << INT_MAX;
        QTest::newRow("too small") << "-99999999999" << INT_MIN;
    }

    void playCodeIsReadAsAtoiDoes()
    {
        QFETCH(QString, reply);
        QFETCH(int, code);
        answer("qbfzt", reply);
        QCOMPARE(m_player->host().QueryPlayCode(), code);
    }

    void timeTextsGiveSeconds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("seconds");
        QTest::newRow("mm:ss") << "01:05" << 65;
        QTest::newRow("100:05") << "100:05" << 6005;
        QTest::newRow("125:03") << "125:03" << 7503;
        QTest::newRow("no duration") << "NaN:NaN" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("no colon") << "65" << 0;
        QTest::newRow("two colons") << "1:02:03" << 0;
        QTest::newRow("empty minutes") << ":30" << 30;
        QTest::newRow("empty rest does not count") << "12:" << 0;
        QTest::newRow("empty rest after two parts") << "1:02:" << 62;
        QTest::newRow("full-width") << QStringLiteral("\uFF12:\uFF10\uFF15") << 125;
    }

    void timeTextsGiveSeconds()
    {
        QFETCH(QString, text);
        QFETCH(int, seconds);
        answer("qbfzsj", text);
        answer("qbfsj", text);
        QCOMPARE(m_player->host().QueryTotalTimeText(), text);
        QCOMPARE(m_player->host().TotalSeconds(), seconds);
        QCOMPARE(m_player->host().PositionSeconds(), seconds);
    }

    void stateFromCodeAndStatus_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("state");
        QTest::newRow("stopped") << "0" << "NetStream.Play.Stop" << 0;
        QTest::newRow("buffer full") << "1" << "NetStream.Buffer.Full" << 1;
        QTest::newRow("buffer empty") << "1" << "NetStream.Buffer.Empty" << 3;
        QTest::newRow("just started") << "1" << "NetStream.Play.Start" << 5;
        QTest::newRow("no status yet") << "1" << "" << 5;
        QTest::newRow("status compared exactly") << "1" << "netstream.buffer.full" << 5;
        QTest::newRow("paused") << "2" << "NetStream.Buffer.Full" << 2;
        QTest::newRow("code 3") << "3" << "NetStream.Buffer.Empty" << 3;
        QTest::newRow("not found") << "4" << "NetStream.Play.StreamNotFound" << 4;
        QTest::newRow("unknown code") << "12" << "NetStream.Buffer.Full" << 0;
        QTest::newRow("no code") << "" << "NetStream.Buffer.Full" << 0;
    }

    void stateFromCodeAndStatus()
    {
        QFETCH(QString, code);
        QFETCH(QString, status);
        QFETCH(int, state);
        answer("qbfzt", code);
        answer("flvbfzt", status);
        QCOMPARE(m_player->host().QueryStreamStatus(), status);
        QCOMPARE(m_player->host().State(), state);
    }

    void replyThatIsNoStringGivesEmptyValues()
    {
        FlashHost &host = m_player->host();
        for (const char *name : {"qbfzt", "qurl", "qbfzsj", "qbfsj", "qbfsjwb", "flvbfzt"})
            numberAnswer(name, QStringLiteral("1"));
        QCOMPARE(host.Control().CallFunction(InvokeRequest("qbfzt")), QStringLiteral("<number>1</number>"));
        QCOMPARE(host.QueryPlayCode(), 0);
        QCOMPARE(host.QueryUrl(), QString());
        QCOMPARE(host.QueryTotalTimeText(), QString());
        QCOMPARE(host.QueryTimeText(), QString());
        QCOMPARE(host.QueryStreamStatus(), QString());
        QCOMPARE(host.State(), 0);
    }

    void textIsNotDecoded()
    {
        answer("qurl", QStringLiteral("http://a/b?c=1&d=2"));
        QCOMPARE(m_player->host().QueryUrl(), QStringLiteral("http://a/b?c=1&amp;d=2"));
    }

    void missingControlGivesEmptyValues()
    {
        FlashHost host;  // never initialised
        host.OpenUrl(QStringLiteral("/nothing.flv"));
        host.TogglePlay();
        QCOMPARE(host.QueryPlayCode(), 0);
        QCOMPARE(host.QueryUrl(), QString());
        QCOMPARE(host.QueryPositionText(), QString());
        QCOMPARE(host.TotalSeconds(), 0);
        QCOMPARE(host.State(), 0);
    }

private:
    void answer(const char *name, const QString &value)
    {
        QVERIFY(m_player->host().Control().SetVariable(QStringLiteral("answer_") + name, value));
    }
    void numberAnswer(const char *name, const QString &value)
    {
        QVERIFY(m_player->host().Control().SetVariable(QStringLiteral("number_") + name, value));
    }

    QTemporaryDir m_dir;
    std::unique_ptr<PlayerWindow> m_player;
};

QTEST_MAIN(BridgeRepliesTest)
#include "tst_bridge_replies.moc"
