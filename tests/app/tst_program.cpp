// The real program binary, started as a child process on the test display.

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void startsShowsItsWindowAndEndsInOrderWithZero()
    {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QINGLAN_EXIT_WHEN_SHOWN"), QStringLiteral("1"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(QINGLAN_PLAYER_BINARY), {});
        QVERIFY(program.waitForStarted());
        QVERIFY2(program.waitForFinished(60000), "the program did not end");
        const QByteArray output = program.readAllStandardOutput();
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY2(output.contains("main window shown"), output.constData());

        // The movie file lives only while the control loads it.
        const QDir programDirectory = QFileInfo(QStringLiteral(QINGLAN_PLAYER_BINARY)).dir();
        QVERIFY(!programDirectory.exists(QStringLiteral("VAziPlay.Swf")));
    }

    void takesNoCommandLine()
    {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QINGLAN_EXIT_WHEN_SHOWN"), QStringLiteral("1"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(QINGLAN_PLAYER_BINARY), {QStringLiteral("--no-such-option"), QStringLiteral("x.flv")});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(ProgramTest)
#include "tst_program.moc"
