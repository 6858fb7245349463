// The resolver's bounds: a service that stalls or answers without end cannot hold a caller.
// The test build of the library gives up after 2 s to connect and 3 s in all.

#include "tests/resolver/resolver_library.h"
#include "tests/support/test_http_server.h"

#include <QTest>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <optional>
#include <thread>

namespace {

constexpr qsizetype BodyCap = 4 << 20;

}  // namespace

class ResolverLimits : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void unacceptedConnectionGivesEmptyText();
    void silentServiceGivesEmptyText();
    void stalledAnswerGivesWhatArrived();
    void bodyIsCutAtFourMiB_data();
    void bodyIsCutAtFourMiB();
    void bodyWithoutLengthIsReadToTheEnd();

private:
    // The call's copied result, or a failure when it does not come back (a hang, not a speed).
    std::optional<QByteArray> resolveGuarded(const char *pageAddress);

    ResolverLibrary m_library;
};

void ResolverLimits::initTestCase()
{
    QVERIFY2(m_library.isLoaded(), qPrintable(m_library.error()));
}

std::optional<QByteArray> ResolverLimits::resolveGuarded(const char *pageAddress)
{
    std::packaged_task<QByteArray()> task([this, pageAddress] { return m_library.resolve(pageAddress); });
    std::future<QByteArray> result = task.get_future();
    std::thread caller(std::move(task));
    if (result.wait_for(std::chrono::seconds(60)) != std::future_status::ready) {
        caller.detach();  // it holds the library: the process ends with the failure
        return std::nullopt;
    }
    caller.join();
    return result.get();
}

void ResolverLimits::unacceptedConnectionGivesEmptyText()
{
    // A listener that never accepts, its queue filled: the next connection is never set up.
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(TestServicePort);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const auto *endpoint = reinterpret_cast<const sockaddr *>(&address);
    const int listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int on = 1;
    setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    QVERIFY(bind(listener, endpoint, sizeof address) == 0 && listen(listener, 0) == 0);
    int fillers[2];
    for (int &filler : fillers) {
        filler = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        ::connect(filler, endpoint, sizeof address);
    }
    QTest::qWait(100);
    const std::optional<QByteArray> result = resolveGuarded("http://v.example.com/1.html");
    for (const int filler : fillers)
        close(filler);
    close(listener);
    QVERIFY2(result.has_value(), "the call never came back from a service that does not accept");
    QCOMPARE(*result, QByteArray());
}

void ResolverLimits::silentServiceGivesEmptyText()
{
    TestHttpServer service(TestServicePort);
    QVERIFY(service.port() == TestServicePort);
    service.route("/getFlv.php", [](const TestHttpServer::Request &) {
        TestHttpServer::Response response;
        response.silent = true;
        return response;
    });
    const std::optional<QByteArray> result = resolveGuarded("http://v.example.com/1.html");
    QVERIFY2(result.has_value(), "the call never came back from a silent service");
    QCOMPARE(*result, QByteArray());
    QCOMPARE(service.requestCount("/getFlv.php"), 1);
}

void ResolverLimits::stalledAnswerGivesWhatArrived()
{
    // 40 bytes a second: the address arrives within a second, the rest would take a minute.
    TestHttpServer service(TestServicePort);
    QVERIFY(service.port() == TestServicePort);
    const QByteArray answer = R"(flv "http://media.example/slow.flv")" + QByteArray(2400, ' ');
    service.route("/getFlv.php", [answer](const TestHttpServer::Request &) {
        TestHttpServer::Response response;
        response.body = answer;
        response.bytesPerSecond = 40;
        return response;
    });
    const std::optional<QByteArray> result = resolveGuarded("http://v.example.com/1.html");
    QVERIFY2(result.has_value(), "the call waited for the whole trickled answer");
    QCOMPARE(*result, QByteArray("http://media.example/slow.flv"));
}

void ResolverLimits::bodyIsCutAtFourMiB_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray head = "flv http://media.example/";
    QByteArray runsPastCap = head + QByteArray(BodyCap, 'a');
    QTest::newRow("address runs past the cap")
        << runsPastCap << "http://media.example/" + QByteArray(BodyCap - head.size(), 'a');
    QTest::newRow("address beyond the cap")
        << "flv " + QByteArray(BodyCap, ' ') + R"("http://media.example/late.flv")" << QByteArray();
    QTest::newRow("address just inside the cap")
        << "flv " + QByteArray(BodyCap - 40, ' ') + R"("http://media.example/x.flv")" + QByteArray(1 << 20, ' ')
        << QByteArray("http://media.example/x.flv");
}

void ResolverLimits::bodyIsCutAtFourMiB()
{
    QFETCH(QByteArray, answer);
    QFETCH(QByteArray, expected);
    TestHttpServer service(TestServicePort);
    QVERIFY(service.port() == TestServicePort);
    service.serveText("/getFlv.php", answer);
    const std::optional<QByteArray> result = resolveGuarded("http://v.example.com/1.html");
    QVERIFY(result.has_value());
    QCOMPARE(result->size(), expected.size());
    QVERIFY(*result == expected);
}

void ResolverLimits::bodyWithoutLengthIsReadToTheEnd()
{
    TestHttpServer service(TestServicePort);
    QVERIFY(service.port() == TestServicePort);
    const QByteArray answer = "mp4 " + QByteArray(300'000, '-') + R"( "http://media.example/end.mp4")";
    service.route("/getFlv.php", [answer](const TestHttpServer::Request &) {
        TestHttpServer::Response response;
        response.body = answer;
        response.sendContentLength = false;
        return response;
    });
    QCOMPARE(m_library.resolve("http://v.example.com/1.html"), QByteArray("http://media.example/end.mp4"));
}

QTEST_GUILESS_MAIN(ResolverLimits)
#include "tst_resolver_limits.moc"
