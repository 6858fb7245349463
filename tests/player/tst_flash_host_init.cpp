// The player host's start-up: the movie file is written, loaded and deleted again, in the
// program's directory or, when that cannot be written, the runtime directory.

#include "player/flash_host.h"
#include "player/movie_file.h"
#include "player/player_control.h"
#include "test_movies.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

class FlashHostInitTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { MovieFile::SetProgramDirectory({}); }

    void staleMovieFileIsRewrittenLoadedAndRemoved()
    {
        QTemporaryDir programDir;
        MovieFile::SetProgramDirectory(programDir.path());
        const QString moviePath = programDir.filePath(QStringLiteral("VAziPlay.Swf"));
        QVERIFY(!TestMovies::WriteFile(programDir.path(), QStringLiteral("VAziPlay.Swf"),
                                       "this is no movie").isEmpty());

        QWidget window;
        window.resize(640, 480);
        FlashHost host;
        host.Init(&window, 140, 120, 375, 240, {});

        QCOMPARE(host.MoviePath(), moviePath);
        QVERIFY(!QFile::exists(moviePath));
        // The stale bytes would have left the control empty: it got the program's movie.
        QCOMPARE(host.Control().GetReadyState(), 4);
        QCOMPARE(host.Control().GetMovie(), moviePath);
        QCOMPARE(host.Control().GetAllowFullScreen(), QStringLiteral("true"));
        QCOMPARE(host.ParentWindow(), &window);
    }

    void unwritableProgramDirectoryFallsBackToRuntimeDirectory()
    {
        // A directory below a regular file cannot be written, not even by root.
        QTemporaryDir scratch;
        const QString blocker = TestMovies::WriteFile(scratch.path(), QStringLiteral("file"), "x");
        MovieFile::SetProgramDirectory(blocker + QStringLiteral("/bin"));

        QWidget window;
        FlashHost host;
        host.Init(&window, 0, 0, 320, 240, {});

        const QString runtimeDir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        QCOMPARE(QFileInfo(host.MoviePath()).absolutePath(), QFileInfo(runtimeDir).absoluteFilePath());
        QCOMPARE(QFileInfo(host.MoviePath()).fileName(), QStringLiteral("VAziPlay.Swf"));
        QVERIFY(!QFile::exists(host.MoviePath()));
        QCOMPARE(host.Control().GetReadyState(), 4);
    }

    void undeletableMovieFileIsLoadedAsItIs()
    {
        QTemporaryDir programDir;
        MovieFile::SetProgramDirectory(programDir.path());
        const QString moviePath = TestMovies::WriteFile(programDir.path(), QStringLiteral("VAziPlay.Swf"),
                                                        TestMovies::BridgeMovie());
        // An immutable file resists deletion even by root.
        if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), moviePath}) != 0)
            QSKIP("chattr +i is not available here");
        const auto unlock = qScopeGuard([&] {
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), moviePath});
        });

        QWidget window;
        FlashHost host;
        host.Init(&window, 0, 0, 320, 240, {});

        QCOMPARE(host.MoviePath(), moviePath);
        QVERIFY(QFile::exists(moviePath));
        QFile file(moviePath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), TestMovies::BridgeMovie());
        QCOMPARE(host.Control().CallFunction(QStringLiteral("<invoke name='yes' returntype='xml'></invoke>")),
                 QStringLiteral("<true/>"));
    }

    void writtenMovieHoldsTheStoredBytes()
    {
        // Init's file lives only while Init runs; the writer it uses is checked directly.
        QTemporaryDir programDir;
        MovieFile::SetProgramDirectory(programDir.path());
        QFile asset(QStringLiteral(":/assets/movie/player_movie.qml"));
        QVERIFY(asset.open(QIODevice::ReadOnly));
        const QByteArray stored = asset.readAll();
        const QString path = MovieFile::Write(stored);
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), stored);
        QVERIFY(QFile::remove(path));
    }

    void createWithoutAnyParentFails()
    {
        FlashControl control;
        QVERIFY(!control.Create(nullptr, 0, 0, 100, 100));
        QVERIFY(!control.HostWindow());
        QVERIFY(!control.GetObject());
        QVERIFY(!control.ParentWindow());
    }

    void createKeepsTheEarlierParent()
    {
        QWidget window;
        FlashControl control;
        QVERIFY(control.Create(&window, 0, 0, 10, 10));
        QVERIFY(control.Create(nullptr, 0, 0, 10, 10));
        QCOMPARE(control.ParentWindow(), &window);
        QCOMPARE(control.HostWindow()->parentWidget(), &window);
    }

    void moveToZeroCollapsesTheControl()
    {
        QWidget window;
        window.resize(400, 300);
        FlashControl control;
        QVERIFY(control.Create(&window, 10, 20, 200, 100));
        // Create does not set the stored rectangle.
        QCOMPARE(control.Width(), 0);
        control.Move(5, 6, 300, 200);
        QCOMPARE(control.HostWindow()->geometry(), QRect(5, 6, 300, 200));
        QCOMPARE(qobject_cast<QWidget *>(control.GetObject())->size(), QSize(300, 200));

        control.Move(0, 0, 0, 0);
        QCOMPARE(control.Left(), 0);
        QCOMPARE(control.Top(), 0);
        QCOMPARE(control.Width(), 0);
        QCOMPARE(control.Height(), 0);
        QVERIFY(control.HostWindow()->size().isEmpty());
    }

    void hostMoveForwardsToTheControl()
    {
        QTemporaryDir programDir;
        MovieFile::SetProgramDirectory(programDir.path());
        QWidget window;
        FlashHost host;
        host.Init(&window, 140, 120, 375, 240, {});
        host.Move(0, 0, 640, 480);
        QCOMPARE(host.Control().HostWindow()->geometry(), QRect(0, 0, 640, 480));
        QCOMPARE(host.Control().Width(), 640);
    }
};

QTEST_MAIN(FlashHostInitTest)
#include "tst_flash_host_init.moc"
