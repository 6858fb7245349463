// The request the resolver sends to the parse service.

#include "tests/resolver/resolver_library.h"
#include "tests/support/test_http_server.h"

#include <QTest>

#include <cstdlib>

namespace {

constexpr char Answer[] = R"({"flv":"http://media.example/v.flv"})";

}  // namespace

class ResolverRequest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void requestHasFixedProperties();
    void emptyOrNullAddressAsksWithEmptyValue_data();
    void emptyOrNullAddressAsksWithEmptyValue();
    void pageAddressTravelsWhole_data();
    void pageAddressTravelsWhole();
    void proxyEnvironmentIsIgnored();

private:
    // The one request the service received for a call with pageAddress, and the result.
    TestHttpServer::Request askOnce(const char *pageAddress, QByteArray *result = nullptr);

    ResolverLibrary m_library;
};

void ResolverRequest::initTestCase()
{
    QVERIFY2(m_library.isLoaded(), qPrintable(m_library.error()));
}

TestHttpServer::Request ResolverRequest::askOnce(const char *pageAddress, QByteArray *result)
{
    TestHttpServer service(TestServicePort);
    if (service.port() != TestServicePort)
        qFatal("the test service port %u is taken", TestServicePort);
    service.serveText("/getFlv.php", Answer);
    const QByteArray resolved = m_library.resolve(pageAddress);
    if (result)
        *result = resolved;
    const QList<TestHttpServer::Request> requests = service.requests();
    return requests.size() == 1 ? requests.first() : TestHttpServer::Request{};
}

void ResolverRequest::requestHasFixedProperties()
{
    QByteArray result;
    const TestHttpServer::Request request = askOnce("http://v.example.com/show/id_X1.html", &result);
    QCOMPARE(result, QByteArray("http://media.example/v.flv"));
    QCOMPARE(request.method, QByteArray("GET"));
    QCOMPARE(request.target, QByteArray("/getFlv.php?url=http://v.example.com/show/id_X1.html"));
    QCOMPARE(request.version, QByteArray("HTTP/1.0"));
    QCOMPARE(request.header("Host"), QByteArray("127.0.0.1:") + QByteArray::number(TestServicePort));
    QCOMPARE(request.header("User-Agent"), QByteArray("Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)"));
    QCOMPARE(request.header("Accept"), QByteArray("*/*"));
    QCOMPARE(request.header("Pragma"), QByteArray("no-cache"));
    QCOMPARE(request.header("Cache-Control"), QByteArray("no-cache"));
    // No compressed answer (it is read byte for byte), no conditional fetch, no proxy.
    QVERIFY(!request.hasHeader("Accept-Encoding"));
    QVERIFY(!request.hasHeader("If-Modified-Since"));
    QVERIFY(!request.hasHeader("If-None-Match"));
    QVERIFY(!request.hasHeader("Proxy-Connection"));
    int accepts = 0;
    for (const auto &header : request.headers)
        accepts += header.first.compare("Accept", Qt::CaseInsensitive) == 0;
    QCOMPARE(accepts, 1);
}

void ResolverRequest::emptyOrNullAddressAsksWithEmptyValue_data()
{
    QTest::addColumn<bool>("null");
    QTest::newRow("empty address") << false;
    QTest::newRow("null address") << true;
}

void ResolverRequest::emptyOrNullAddressAsksWithEmptyValue()
{
    QFETCH(bool, null);
    QByteArray result;
    const TestHttpServer::Request request = askOnce(null ? nullptr : "", &result);
    QCOMPARE(request.target, QByteArray("/getFlv.php?url="));
    QCOMPARE(result, QByteArray("http://media.example/v.flv"));
}

void ResolverRequest::pageAddressTravelsWhole_data()
{
    QTest::addColumn<QByteArray>("pageAddress");
    QTest::addColumn<QByteArray>("sentValue");

    const QByteArray ordinary = "http://v.example.com/a_b-c~d/e.html?id=1";
    QTest::newRow("ordinary") << ordinary << ordinary;
    QTest::newRow("space") << QByteArray("http://v.example.com/my video.html")
                           << QByteArray("http://v.example.com/my%20video.html");
    QTest::newRow("ampersand") << QByteArray("http://v.example.com/p?a=1&b=2")
                               << QByteArray("http://v.example.com/p?a=1%26b=2");
    QTest::newRow("hash") << QByteArray("http://v.example.com/p#t=30") << QByteArray("http://v.example.com/p%23t=30");
    QTest::newRow("CR LF") << QByteArray("http://v.example.com/p\r\nX-Injected: 1")
                           << QByteArray("http://v.example.com/p%0D%0AX-Injected:%201");
    QTest::newRow("other control bytes") << QByteArray("http://v.example.com/\t\x01\x7f")
                                         << QByteArray("http://v.example.com/%09%01%7F");
    QTest::newRow("percent") << QByteArray("http://v.example.com/a%20b") << QByteArray("http://v.example.com/a%2520b");
    QTest::newRow("plus") << QByteArray("http://v.example.com/a+b") << QByteArray("http://v.example.com/a%2Bb");
    QTest::newRow("multibyte") << QByteArray("http://v.example.com/视频")
                               << QByteArray("http://v.example.com/%E8%A7%86%E9%A2%91");
    QTest::newRow("quotes and brackets") << QByteArray("http://v.example.com/\"<x>\"[1]{2}|\\^`")
                                         << QByteArray("http://v.example.com/%22%3Cx%3E%22%5B1%5D%7B2%7D%7C%5C%5E%60");
}

void ResolverRequest::pageAddressTravelsWhole()
{
    QFETCH(QByteArray, pageAddress);
    QFETCH(QByteArray, sentValue);
    const TestHttpServer::Request request = askOnce(pageAddress.constData());
    QCOMPARE(request.target, "/getFlv.php?url=" + sentValue);
    // A service that decodes its query once sees the page address byte for byte.
    QCOMPARE(QByteArray::fromPercentEncoding(request.query().mid(4)), pageAddress);
    QVERIFY(!request.hasHeader("X-Injected"));
}

void ResolverRequest::proxyEnvironmentIsIgnored()
{
    // A proxy that refuses every connection: going through it would fail the call.
    const QByteArray deadProxy = "http://127.0.0.1:1";
    const char *names[] = {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"};
    for (const char *name : names)
        qputenv(name, deadProxy);
    qunsetenv("no_proxy");
    qunsetenv("NO_PROXY");
    QByteArray result;
    const TestHttpServer::Request request = askOnce("http://v.example.com/1.html", &result);
    for (const char *name : names)
        qunsetenv(name);
    QCOMPARE(result, QByteArray("http://media.example/v.flv"));
    QCOMPARE(request.target, QByteArray("/getFlv.php?url=http://v.example.com/1.html"));
}

QTEST_GUILESS_MAIN(ResolverRequest)
#include "tst_resolver_request.moc"
