// The library as a unit: its one export, who owns the results, loading and unloading.

#include "tests/resolver/resolver_library.h"
#include "tests/support/test_http_server.h"

#include <QProcess>
#include <QTest>

#include <dlfcn.h>

class ResolverLibraryTest : public QObject {
    Q_OBJECT

private slots:
    void exportsOnlyQinglan_data();
    void exportsOnlyQinglan();
    void eachCallReplacesTheLastResult();
    void reloadedLibraryWorks();
};

void ResolverLibraryTest::exportsOnlyQinglan_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("shipped") << QStringLiteral(QINGLAN_SHIPPED_LIBRARY);
    QTest::newRow("test build") << QStringLiteral(QINGLAN_TEST_LIBRARY);
}

void ResolverLibraryTest::exportsOnlyQinglan()
{
    QFETCH(QString, path);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    QProcess nm;
    nm.start("nm", {"-D", "--defined-only", "--format=posix", path});
    QVERIFY(nm.waitForFinished());
    QCOMPARE(nm.exitCode(), 0);
    QStringList names;
    for (const QByteArray &line : nm.readAllStandardOutput().split('\n'))
        if (!line.isEmpty())
            names << QString::fromLatin1(line.split(' ').first());
    QCOMPARE(names, QStringList{"qinglan"});

    ResolverLibrary library(path);
    QVERIFY2(library.isLoaded(), qPrintable(library.error()));
}

void ResolverLibraryTest::eachCallReplacesTheLastResult()
{
    TestHttpServer service(TestServicePort);
    QVERIFY(service.port() == TestServicePort);
    service.route("/getFlv.php", [](const TestHttpServer::Request &request) {
        TestHttpServer::Response response;
        const QByteArray name = request.query().mid(4);
        response.body = name == "none" ? "no media here" : R"({"flv":"http://media.example/)" + name + R"(.flv"})";
        return response;
    });
    ResolverLibrary library;
    QVERIFY2(library.isLoaded(), qPrintable(library.error()));
    const char *first = library.call("one");
    const QByteArray firstCopy(first);
    QCOMPARE(firstCopy, QByteArray("http://media.example/one.flv"));
    // The result stays as it was until the next call.
    QCOMPARE(QByteArray(first), firstCopy);
    const char *second = library.call("two");
    QCOMPARE(QByteArray(second), QByteArray("http://media.example/two.flv"));
    QCOMPARE(firstCopy, QByteArray("http://media.example/one.flv"));
    const char *empty = library.call("none");
    QVERIFY(empty != nullptr);
    QCOMPARE(QByteArray(empty), QByteArray());
    QCOMPARE(service.requestCount("/getFlv.php"), 3);
}

void ResolverLibraryTest::reloadedLibraryWorks()
{
    TestHttpServer service(TestServicePort);
    QVERIFY(service.port() == TestServicePort);
    service.serveText("/getFlv.php", R"("http://media.example/v.mp4")");
    {
        ResolverLibrary library;
        QVERIFY2(library.isLoaded(), qPrintable(library.error()));
        QCOMPARE(library.resolve("a"), QByteArray("http://media.example/v.mp4"));
        QVERIFY(library.unload());
    }
    // Really gone (its unload routine ran), then loaded anew.
    QVERIFY(dlopen(QINGLAN_TEST_LIBRARY, RTLD_NOW | RTLD_NOLOAD) == nullptr);
    ResolverLibrary again;
    QVERIFY2(again.isLoaded(), qPrintable(again.error()));
    QCOMPARE(again.resolve("b"), QByteArray("http://media.example/v.mp4"));
    QCOMPARE(service.requestCount("/getFlv.php"), 2);
}

QTEST_GUILESS_MAIN(ResolverLibraryTest)
#include "tst_resolver_library.moc"
