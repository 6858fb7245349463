// What the resolver makes of the parse service's answers.

#include "tests/resolver/resolver_library.h"
#include "tests/support/test_http_server.h"

#include <QTest>

class ResolverAnswers : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void answerGivesAddress_data();
    void answerGivesAddress();
    void redirectIsFollowed();
    void unreachableServiceGivesEmptyText();

private:
    ResolverLibrary m_library;
};

void ResolverAnswers::initTestCase()
{
    QVERIFY2(m_library.isLoaded(), qPrintable(m_library.error()));
}

void ResolverAnswers::answerGivesAddress_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("quoted address") << QByteArray(R"({"type":"flv","url":"http://media.example/v/1.flv"})")
                                    << 200 << QByteArray("http://media.example/v/1.flv");
    QTest::newRow("marker only in the address") << QByteArray(R"(<a href="http://media.example/v.f4v">)")
                                                << 200 << QByteArray("http://media.example/v.f4v");
    QTest::newRow("pfv marker") << QByteArray(R"(pfv "http://media.example/v")") << 200
                                << QByteArray("http://media.example/v");
    QTest::newRow("no marker") << QByteArray(R"(<a href="http://media.example/v/1.avi">)") << 200 << QByteArray();
    QTest::newRow("marker without address") << QByteArray("mp4") << 200 << QByteArray();
    QTest::newRow("empty answer") << QByteArray() << 200 << QByteArray();
    QTest::newRow("answer begins with address") << QByteArray("http://media.example/v.mp4") << 200 << QByteArray();
    QTest::newRow("address at the very end") << QByteArray("type=mp4 url=http://media.example/v.mp4") << 200
                                             << QByteArray("http://media.example/v.mp4");
    QTest::newRow("unquoted address runs to the next one")
        << QByteArray("flv: http://a.example/1.flv http://b.example/2.flv") << 200
        << QByteArray("http://a.example/1.flv ");
    QTest::newRow("two quoted addresses")
        << QByteArray(R"(["http://a.example/1.flv","http://b.example/2.flv"])") << 200
        << QByteArray("http://a.example/1.flv");
    QTest::newRow("scheme only at the end") << QByteArray("flv at http://") << 200 << QByteArray();
    QTest::newRow("scheme right before another") << QByteArray("flv http://http://b.example/2.flv") << 200
                                                 << QByteArray();
    QTest::newRow("quote right after scheme") << QByteArray(R"(flv "http://")") << 200 << QByteArray("http://");
    QTest::newRow("capital markers only") << QByteArray(R"(MP4 FLV PFV F4V ".FLV" "http://media.example/v")")
                                          << 200 << QByteArray();
    QTest::newRow("https address is not taken")
        << QByteArray(R"(flv "https://a.example/1.flv" "http://b.example/2.flv")") << 200
        << QByteArray("http://b.example/2.flv");
    QTest::newRow("zero byte ends the answer") << QByteArray("x \"http://a.example/1\"") + '\0' + " flv" << 200
                                               << QByteArray();
    QTest::newRow("zero byte after the address") << QByteArray("flv \"http://a.example/1") + '\0' + ".flv\"" << 200
                                                 << QByteArray("http://a.example/1");
    QTest::newRow("multibyte text unchanged") << QByteArray("视频 flv \"http://a.example/视频.flv\"") << 200
                                              << QByteArray("http://a.example/视频.flv");
    QTest::newRow("error status") << QByteArray(R"(flv "http://a.example/1.flv")") << 500 << QByteArray();
}

void ResolverAnswers::answerGivesAddress()
{
    QFETCH(QByteArray, answer);
    QFETCH(int, status);
    QFETCH(QByteArray, expected);

    TestHttpServer service(TestServicePort);
    QVERIFY2(service.port() == TestServicePort, "the test service port is taken");
    service.route("/getFlv.php", [answer, status](const TestHttpServer::Request &) {
        TestHttpServer::Response response;
        response.status = status;
        response.body = answer;
        return response;
    });
    QCOMPARE(m_library.resolve("http://v.example.com/show/1.html"), expected);
    QCOMPARE(service.requestCount("/getFlv.php"), 1);
}

void ResolverAnswers::redirectIsFollowed()
{
    TestHttpServer service(TestServicePort);
    QVERIFY(service.port() == TestServicePort);
    service.route("/getFlv.php", [](const TestHttpServer::Request &) {
        TestHttpServer::Response response;
        response.status = 302;
        response.extraHeaders.append(qMakePair(QByteArray("Location"), QByteArray("/moved/getFlv.php")));
        return response;
    });
    service.serveText("/moved/getFlv.php", R"(flv "http://media.example/moved.flv")");
    QCOMPARE(m_library.resolve("http://v.example.com/1.html"), QByteArray("http://media.example/moved.flv"));
}

void ResolverAnswers::unreachableServiceGivesEmptyText()
{
    const char *result = m_library.call("http://v.example.com/1.html");
    QVERIFY(result != nullptr);
    QCOMPARE(QByteArray(result), QByteArray());
}

QTEST_GUILESS_MAIN(ResolverAnswers)
#include "tst_resolver_answers.moc"
