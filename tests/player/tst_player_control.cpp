// The player control running movies: replies to outside calls, movie variables, files
// that are no movie, pictures, and movies fetched over HTTP.

#include "platform/ax_host.h"
#include "player/flash_control.h"
#include "player/player_control.h"
#include "test_movies.h"
#include "../support/test_http_server.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

namespace {

QString Invoke(const QString &name)
{
    return QStringLiteral("<invoke name='%1' returntype='xml'></invoke>").arg(name);
}

// A picture made with ffmpeg (animated GIF, PNG), of one colour per frame.
QString MakePicture(const QString &dir, const QString &name, const QString &colours)
{
    const QString path = QDir(dir).filePath(name);
    QStringList args{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y")};
    for (const QString &colour : colours.split(u','))
        args << QStringLiteral("-f") << QStringLiteral("lavfi") << QStringLiteral("-i")
             << QStringLiteral("color=c=%1:s=64x48:d=0.2:r=5").arg(colour);
    const int inputs = int(colours.count(u',')) + 1;
    QString concat;
    for (int i = 0; i < inputs; ++i)
        concat += QStringLiteral("[%1:v]").arg(i);
    args << QStringLiteral("-filter_complex") << concat + QStringLiteral("concat=n=%1:v=1[v]").arg(inputs)
         << QStringLiteral("-map") << QStringLiteral("[v]");
    if (name.endsWith(QStringLiteral(".png")))
        args << QStringLiteral("-frames:v") << QStringLiteral("1");
    args << path;
    return QProcess::execute(QStringLiteral("ffmpeg"), args) == 0 ? path : QString();
}

// The GIF palette ffmpeg makes shifts the colours a little.
bool IsReddish(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

}  // namespace

class PlayerControlTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QWidget m_window;
    FlashControl m_control;

private slots:
    void initTestCase()
    {
        m_window.resize(400, 300);
        m_window.show();
        QVERIFY(m_control.Create(&m_window, 0, 0, 400, 300));
        const QString movie = TestMovies::WriteFile(m_dir.path(), QStringLiteral("bridge.qml"),
                                                    TestMovies::BridgeMovie());
        QVERIFY(m_control.SetMovie(movie));
        QCOMPARE(m_control.GetReadyState(), 4);
    }

    void replyForms_data()
    {
        QTest::addColumn<QString>("request");
        QTest::addColumn<QString>("reply");
        QTest::newRow("string, escaped") << Invoke("text") << "<string>a&lt;&amp;&gt;b</string>";
        QTest::newRow("number") << Invoke("number") << "<number>12.5</number>";
        QTest::newRow("undefined") << Invoke("nothing") << "<undefined/>";
        QTest::newRow("null") << Invoke("empty") << "<null/>";
        QTest::newRow("true") << Invoke("yes") << "<true/>";
        QTest::newRow("false") << Invoke("no") << "<false/>";
        QTest::newRow("later registration wins") << Invoke("replaced") << "<string>new</string>";
        QTest::newRow("stage is the control's size") << Invoke("stage") << "<string>400x300</string>";
        QTest::newRow("string and number arguments")
            << "<invoke name=\"echo\" returntype=\"xml\"><arguments><string>x&amp;y</string>"
               "<number>3</number></arguments></invoke>"
            << "<string>x&amp;y|3</string>";
        QTest::newRow("constant arguments")
            << "<invoke name='echo' returntype='xml'><arguments><true/><null/></arguments></invoke>"
            << "<string>true|null</string>";
        QTest::newRow("missing arguments are undefined")
            << "<invoke name='echo' returntype='xml'><arguments><false/></arguments></invoke>"
            << "<string>false|undefined</string>";
        QTest::newRow("unknown function") << Invoke("nosuch") << "";
        QTest::newRow("function that throws") << Invoke("throws") << "";
        QTest::newRow("unclosed invoke") << "<invoke name='text' returntype='xml'>" << "";
        QTest::newRow("not xml") << "qbfzt" << "";
        QTest::newRow("other root element") << "<call name='text'/>" << "";
        QTest::newRow("no name") << "<invoke returntype='xml'></invoke>" << "";
        QTest::newRow("unknown argument type")
            << "<invoke name='echo'><arguments><date>1</date></arguments></invoke>" << "";
        QTest::newRow("number argument that is no number")
            << "<invoke name='echo'><arguments><number>abc</number></arguments></invoke>" << "";
        QTest::newRow("empty request") << "" << "";
    }

    void replyForms()
    {
        QFETCH(QString, request);
        QFETCH(QString, reply);
        QCOMPARE(m_control.CallFunction(request), reply);
    }

    void commandSetterRunsOnEveryAssignment()
    {
        const QString before = m_control.CallFunction(Invoke("calls"));
        const int calls = before.mid(8, before.size() - 17).toInt();
        for (int i = 0; i < 3; ++i)
            QVERIFY(m_control.SetVariable(QStringLiteral("command"), QStringLiteral("same")));
        QCOMPARE(m_control.CallFunction(Invoke("calls")),
                 QStringLiteral("<string>%1</string>").arg(calls + 3));
        QCOMPARE(m_control.CallFunction(Invoke("last")), QStringLiteral("<string>same</string>"));
        QCOMPARE(m_control.GetVariable(QStringLiteral("command")), QString());
    }

    void plainVariablesReadBack()
    {
        QCOMPARE(m_control.GetVariable(QStringLiteral("flavour")), QString());
        QVERIFY(m_control.SetVariable(QStringLiteral("flavour"), QStringLiteral("青兰")));
        QCOMPARE(m_control.GetVariable(QStringLiteral("flavour")), QStringLiteral("青兰"));
    }

    void rootPropertyTakesItsVariable()
    {
        auto *player = qobject_cast<PlayerControl *>(m_control.GetObject());
        QVERIFY(m_control.SetVariable(QStringLiteral("title"), QStringLiteral("renamed")));
        QCOMPARE(player->rootItem()->property("title").toString(), QStringLiteral("renamed"));
        QCOMPARE(m_control.GetVariable(QStringLiteral("title")), QStringLiteral("renamed"));
    }

    void rootFillsTheControl()
    {
        auto *player = qobject_cast<PlayerControl *>(m_control.GetObject());
        m_control.Move(10, 10, 200, 150);
        QTRY_COMPARE(player->rootItem()->width(), 200.0);
        QCOMPARE(player->rootItem()->height(), 150.0);
        QCOMPARE(m_control.TGetPropertyNum(QStringLiteral("/"), 8), 200.0);
        QCOMPARE(m_control.TGetProperty(QStringLiteral("_root"), 9), QStringLiteral("150"));
        QCOMPARE(m_control.TGetProperty(QStringLiteral("/nosuch"), 8), QString());
        m_control.Move(0, 0, 400, 300);
    }

    void fileThatIsNoMovieLeavesEveryQueryEmpty_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("plain text") << QByteArray("this is no movie at all");
        QTest::newRow("broken document") << QByteArray("import QtQuick\nRectangle { width: ");
        QTest::newRow("root is no item") << QByteArray("import QtQml\nQtObject { property int x: 1 }");
        QTest::newRow("empty file") << QByteArray();
    }

    void fileThatIsNoMovieLeavesEveryQueryEmpty()
    {
        QFETCH(QByteArray, bytes);
        QWidget window;
        FlashControl control;
        QVERIFY(control.Create(&window, 0, 0, 100, 100));
        const QString path = TestMovies::WriteFile(m_dir.path(), QStringLiteral("nomovie.qml"), bytes);
        QVERIFY(control.SetMovie(path));
        QCOMPARE(control.GetMovie(), path);
        QCOMPARE(control.GetReadyState(), 0);
        QCOMPARE(control.GetTotalFrames(), 0);
        QCOMPARE(control.PercentLoaded(), 0);
        QVERIFY(!control.IsPlaying());
        QVERIFY(!control.FrameLoaded(0));
        QCOMPARE(control.CallFunction(Invoke("qbfzt")), QString());
        QCOMPARE(control.GetVariable(QStringLiteral("filename")), QString());
        QVERIFY(!control.SetVariable(QStringLiteral("flvurl"), QStringLiteral("x")));
        QCOMPARE(control.TGetProperty(QStringLiteral("/"), 8), QString());
    }

    void movieMayBeDeletedRightAfterLoading()
    {
        QWidget window;
        FlashControl control;
        QVERIFY(control.Create(&window, 0, 0, 100, 100));
        const QString path = TestMovies::WriteFile(m_dir.path(), QStringLiteral("gone.qml"),
                                                   TestMovies::BridgeMovie());
        QVERIFY(control.SetMovie(path));
        QVERIFY(QFile::remove(path));
        QCOMPARE(control.CallFunction(Invoke("text")), QStringLiteral("<string>a&lt;&amp;&gt;b</string>"));
    }

    void resourceMovieLoads()
    {
        QWidget window;
        FlashControl control;
        QVERIFY(control.Create(&window, 0, 0, 100, 100));
        QVERIFY(control.SetMovie(QStringLiteral("qrc:/assets/movie/player_movie.qml")));
        QCOMPARE(control.GetReadyState(), 4);
        QCOMPARE(control.GetTotalFrames(), 1);
    }

    void pictureIsShownScaledIntoTheControl()
    {
        const QString png = MakePicture(m_dir.path(), QStringLiteral("red.png"), QStringLiteral("red"));
        QVERIFY2(!png.isEmpty(), "ffmpeg could not make the picture");
        QWidget window;
        window.resize(300, 200);
        FlashControl control;
        QVERIFY(control.Create(&window, 0, 0, 300, 200));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(control.SetMovie(png));
        QCOMPARE(control.GetReadyState(), 4);

        // 64 x 48 shown whole in 300 x 200: 266 x 200, centred, black at the sides.
        QImage shot = control.HostWindow()->grab().toImage();
        QVERIFY(IsReddish(shot.pixel(150, 100)));
        QVERIFY(IsReddish(shot.pixel(20, 5)));
        QCOMPARE(shot.pixel(5, 100), qRgb(0, 0, 0));

        QVERIFY(control.SetScale(QStringLiteral("ExactFit")));
        shot = control.HostWindow()->grab().toImage();
        QVERIFY(IsReddish(shot.pixel(2, 100)));
    }

    void builtInLogoIsShown()
    {
        if (!QFile::exists(QStringLiteral(":/assets/logo/logo.gif")))
            QSKIP("the program's logo is not among the assets");
        QWidget window;
        FlashControl control;
        QVERIFY(control.Create(&window, 0, 0, 200, 150));
        QVERIFY(control.SetMovie(QStringLiteral("qrc:/assets/logo/logo.gif")));
        QCOMPARE(control.GetReadyState(), 4);
        QVERIFY(control.GetTotalFrames() >= 1);
    }

    void animatedPictureFromTheNetworkPlays()
    {
        const QString gif = MakePicture(m_dir.path(), QStringLiteral("anim.gif"),
                                        QStringLiteral("red,blue"));
        QVERIFY2(!gif.isEmpty(), "ffmpeg could not make the picture");
        TestHttpServer server;
        server.serveFile("/logo.gif", gif, "image/gif");
        QWidget window;
        window.resize(64, 48);
        FlashControl control;
        QVERIFY(control.Create(&window, 0, 0, 64, 48));
        window.show();
        QVERIFY(control.SetMovie(server.url(QStringLiteral("/logo.gif"))));
        QTRY_COMPARE(control.GetReadyState(), 4);
        QVERIFY(control.GetTotalFrames() > 1);
        QVERIFY(control.IsPlaying());

        bool sawRed = false, sawBlue = false;
        QTRY_VERIFY_WITH_TIMEOUT((([&] {
            const QRgb pixel = control.HostWindow()->grab().toImage().pixel(32, 24);
            sawRed = sawRed || IsReddish(pixel);
            sawBlue = sawBlue || (qBlue(pixel) > 150 && qRed(pixel) < 60);
            return sawRed && sawBlue;
        })()), 10000);

        QVERIFY(control.SetPlaying(false));
        QVERIFY(!control.IsPlaying());
    }

    void movieFromTheNetworkLoads()
    {
        TestHttpServer server;
        server.serveText("/movie.qml", TestMovies::BridgeMovie(), "text/plain");
        QWidget window;
        FlashControl control;
        QVERIFY(control.Create(&window, 0, 0, 100, 100));
        QVERIFY(control.SetMovie(server.url(QStringLiteral("/movie.qml"))));
        QTRY_COMPARE(control.GetReadyState(), 4);
        QCOMPARE(control.CallFunction(Invoke("yes")), QStringLiteral("<true/>"));
    }

    void missingNetworkMovieLeavesTheControlEmpty()
    {
        TestHttpServer server;
        QWidget window;
        FlashControl control;
        QVERIFY(control.Create(&window, 0, 0, 100, 100));
        QVERIFY(control.SetMovie(server.url(QStringLiteral("/missing.qml"))));
        QTRY_COMPARE(server.requestCount("/missing.qml"), 1);
        QTest::qWait(200);
        QCOMPARE(control.GetReadyState(), 0);
        QCOMPARE(control.CallFunction(Invoke("yes")), QString());
    }

    void flashVarsBecomeMovieVariables()
    {
        QWidget window;
        FlashControl control;
        QVERIFY(control.Create(&window, 0, 0, 100, 100));
        QVERIFY(control.SetFlashVars(QStringLiteral("title=from%20vars&extra=1")));
        const QString path = TestMovies::WriteFile(m_dir.path(), QStringLiteral("vars.qml"),
                                                   TestMovies::BridgeMovie());
        QVERIFY(control.SetMovie(path));
        QCOMPARE(control.GetVariable(QStringLiteral("title")), QStringLiteral("from vars"));
        QCOMPARE(control.GetVariable(QStringLiteral("extra")), QStringLiteral("1"));
    }
};

QTEST_MAIN(PlayerControlTest)
#include "tst_player_control.moc"
