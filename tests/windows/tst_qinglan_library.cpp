// The binding of libqinglan.so and the one worker that calls it.

#include "tests/windows/parse_service_stand_in.h"
#include "windows/qinglan_library.h"
#include "windows/resolve_worker.h"

#include <QTemporaryDir>
#include <QTest>
#include <QThread>

// The failures come first: once a libqinglan.so is loaded in the process, the loader
// answers the bare name with it.
class QinglanLibraryTests : public QObject {
    Q_OBJECT
private slots:
    void failureNamesTheLibraryOrTheRoutine_data()
    {
        QTest::addColumn<QString>("directory");
        QTest::addColumn<QString>("named");
        QTest::newRow("no library file") << QString() << "libqinglan.so";
        QTest::newRow("no routine") << QString(QINGLAN_WINDOWS_NO_ROUTINE_DIR) << "qinglan";
    }
    void failureNamesTheLibraryOrTheRoutine()
    {
        QFETCH(QString, directory);
        QFETCH(QString, named);
        QTemporaryDir empty;
        QinglanLibrary library;
        library.SetSearchDirectory(directory.isEmpty() ? empty.path() : directory);
        QString failure;
        QVERIFY(!library.Bind(&failure));
        QVERIFY(!library.IsBound());
        QVERIFY2(failure.contains(named), qPrintable(failure));
        // Unbound, a call asks nobody and answers nothing.
        QCOMPARE(library.ResolveMediaAddress("http://site/watch/1"), QString());
    }

    void failedBindingIsTriedAgain()
    {
        QinglanLibrary library;
        library.SetSearchDirectory(QINGLAN_WINDOWS_NO_ROUTINE_DIR);
        QVERIFY(!library.Bind());
        library.SetSearchDirectory(QINGLAN_WINDOWS_TEST_LIBRARY_DIR);
        QVERIFY(library.Bind());
    }

    void bindsFromSearchDirectoryAndCopiesAnswer()
    {
        ParseServiceStandIn service;
        service.answer("http://site/watch/1", MediaAnswer("flv", "http://cdn/1.flv"));
        QinglanLibrary library;
        library.SetSearchDirectory(QINGLAN_WINDOWS_TEST_LIBRARY_DIR);
        QString failure;
        QVERIFY2(library.Bind(&failure), qPrintable(failure));
        QVERIFY(library.IsBound());
        QCOMPARE(library.ResolveMediaAddress("http://site/watch/1"), QString("http://cdn/1.flv"));
        QCOMPARE(library.ResolveMediaAddress("http://site/other"), QString());
        QCOMPARE(service.askedAddresses(), QStringList({"http://site/watch/1", "http://site/other"}));
    }

    void workerAnswersInOrderOnTheCallersThread()
    {
        ParseServiceStandIn service;
        QinglanLibrary library;
        library.SetSearchDirectory(QINGLAN_WINDOWS_TEST_LIBRARY_DIR);
        QVERIFY(library.Bind());
        QStringList pages, answers;
        for (int i = 0; i < 5; ++i) {
            pages << QStringLiteral("http://site/watch/%1").arg(i);
            service.answer(pages.last(), MediaAnswer("mp4", QStringLiteral("http://cdn/%1.mp4").arg(i)));
        }
        ResolveWorker worker;
        QObject context;
        QThread *callerThread = QThread::currentThread();
        bool onCallersThread = true;
        for (const QString &page : pages)
            worker.Resolve(library, page, &context, [&](const QString &answer) {
                onCallersThread = onCallersThread && QThread::currentThread() == callerThread;
                answers << answer;
            });
        QTRY_COMPARE_WITH_TIMEOUT(answers.size(), pages.size(), 15000);
        QVERIFY(onCallersThread);
        for (int i = 0; i < pages.size(); ++i)
            QCOMPARE(answers.at(i), QStringLiteral("http://cdn/%1.mp4").arg(i));
        QCOMPARE(service.askedAddresses(), pages);
    }

    void answerForDestroyedContextIsDropped()
    {
        ParseServiceStandIn service;
        QinglanLibrary library;
        library.SetSearchDirectory(QINGLAN_WINDOWS_TEST_LIBRARY_DIR);
        QVERIFY(library.Bind());
        ResolveWorker worker;
        int calls = 0;
        auto gone = std::make_unique<QObject>();
        QObject kept;
        worker.Resolve(library, "http://site/a", gone.get(), [&](const QString &) { ++calls; });
        gone.reset();
        bool keptAnswered = false;
        worker.Resolve(library, "http://site/b", &kept, [&](const QString &) { keptAnswered = true; });
        QTRY_VERIFY_WITH_TIMEOUT(keptAnswered, 15000);
        QCOMPARE(calls, 0);
    }
};

QTEST_GUILESS_MAIN(QinglanLibraryTests)
#include "tst_qinglan_library.moc"
