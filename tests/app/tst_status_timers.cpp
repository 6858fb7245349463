#include "app_test_main.h"
#include "main_window_fixture.h"
#include "playback_fixture.h"

#include "app/builtin_addresses.h"
#include "app/greeting_line.h"
#include "platform/interval_timer.h"
#include "platform/multi_function_bar.h"

#include <QAction>
#include <QLabel>

namespace {

bool LogoVisible(const FlashControl &logo)
{
    QWidget *widget = logo.HostWindow();
    return widget && widget->width() > 0 && widget->height() > 0;
}

}  // namespace

class StatusTimersTest : public QObject {
    Q_OBJECT

private slots:
    void greetingLineNamesTheSiteAndGroup()
    {
        QCOMPARE(GreetingLine(),
                 QStringLiteral("欢迎使用青岚播放器   官方网站") + BuiltinAddresses::MakerWebAddress +
                     QStringLiteral("   QQ群:") + BuiltinAddresses::SupportGroupNumber);
        QCOMPARE(GreetingLine(),
                 QStringLiteral("欢迎使用青岚播放器   官方网站http://www.qinglan-player.cn   QQ群:180250136"));
    }

    void waitingShowsTheGreetingWithTheLogo()
    {
        MainWindowFixture f;
        MainWindow &w = *f.window;
        QTRY_COMPARE_WITH_TIMEOUT(w.StatusLabel()->text(), GreetingLine(), 5000);
        QCOMPARE(w.ProgressTimer()->Interval(), 0);
        QVERIFY(w.IdleTimer()->IsRunning());
        QVERIFY(LogoVisible(f.logo));
        QVERIFY(!w.MenuItem("FullScreenItem")->isEnabled());
        QVERIFY(!w.MenuItem("PropertiesItem")->isEnabled());
    }

    void playingThenNotPlaying()
    {
        ServedMedia media;
        QVERIFY(!media.flv.isEmpty());
        MainWindowFixture f;
        MainWindow &w = *f.window;
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        f.host.OpenUrl(media.flv);

        // Playing: the first tick that sees state 1 switches everything.
        QTRY_COMPARE_WITH_TIMEOUT(w.IdleTimer()->Interval(), 0, 30000);
        QVERIFY(!LogoVisible(f.logo));
        QCOMPARE(f.logo.Width(), 0);
        QCOMPARE(f.logo.Height(), 0);
        QVERIFY(w.MenuItem("FullScreenItem")->isEnabled());
        QVERIFY(w.MenuItem("PropertiesItem")->isEnabled());
        QCOMPARE(w.ProgressTimer()->Interval(), 1000);
        QTRY_VERIFY_WITH_TIMEOUT(w.StatusLabel()->text().startsWith(QStringLiteral("视频总时间：")), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(w.SeekBar()->Maximum(), 5, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(w.SeekBar()->Position() >= 1, 10000);
        QCOMPARE(w.StatusLabel()->text(), QStringLiteral("视频总时间：") + f.host.QueryTimeText());

        // Not playing: the greeting again, the logo stays collapsed, full screen stays on.
        f.host.Stop();
        QTRY_COMPARE_WITH_TIMEOUT(w.StatusLabel()->text(), GreetingLine(), 5000);
        QCOMPARE(w.ProgressTimer()->Interval(), 0);
        const int maximum = w.SeekBar()->Maximum();
        const int position = w.SeekBar()->Position();
        QVERIFY(!w.IdleTimer()->IsRunning());
        QTest::qWait(1500);
        QVERIFY(!LogoVisible(f.logo));
        QVERIFY(w.MenuItem("FullScreenItem")->isEnabled());
        QCOMPARE(w.SeekBar()->Maximum(), maximum);
        QCOMPARE(w.SeekBar()->Position(), position);
    }

    void defaultVideoStartsOnceWhenNothingPlayedWithinTheIdleInterval()
    {
        ServedMedia media;
        QVERIFY(!media.flv.isEmpty());
        const QString savedDefault = BuiltinAddresses::DefaultVideoUrl;
        BuiltinAddresses::DefaultVideoUrl = media.flv;
        MainWindowFixture f;
        MainWindow &w = *f.window;
        QCOMPARE(w.IdleTimer()->Interval(), 51000);
        w.IdleTimer()->SetInterval(1500);  // shortened: the behaviour, not the wait, is tested

        QTRY_COMPARE_WITH_TIMEOUT(f.host.Calls(QStringLiteral("OpenUrl")).size(), 1, 10000);
        QCOMPARE(f.host.Calls(QStringLiteral("OpenUrl")), QStringList{"OpenUrl " + media.flv});
        QCOMPARE(w.IdleTimer()->Interval(), 0);
        QVERIFY(!LogoVisible(f.logo));
        QVERIFY(w.MenuItem("FullScreenItem")->isEnabled());

        // From there on as usual: it plays, and it is not started a second time.
        QTRY_VERIFY_WITH_TIMEOUT(w.StatusLabel()->text().startsWith(QStringLiteral("视频总时间：")), 30000);
        QTest::qWait(2000);
        QCOMPARE(f.host.Calls(QStringLiteral("OpenUrl")).size(), 1);
        f.host.Stop();
        BuiltinAddresses::DefaultVideoUrl = savedDefault;
    }

    void defaultVideoNeverStartsOncePlaybackWasSeen()
    {
        ServedMedia media;
        QVERIFY(!media.flv.isEmpty());
        MainWindowFixture f;
        MainWindow &w = *f.window;
        f.host.OpenUrl(media.flv);
        QTRY_COMPARE_WITH_TIMEOUT(w.IdleTimer()->Interval(), 0, 30000);
        f.host.Stop();
        QTRY_COMPARE_WITH_TIMEOUT(w.StatusLabel()->text(), GreetingLine(), 5000);
        // Stopped for good: nothing starts it again.
        QTest::qWait(1500);
        QVERIFY(!w.IdleTimer()->IsRunning());
        QCOMPARE(f.host.Calls(QStringLiteral("OpenUrl")), QStringList{"OpenUrl " + media.flv});
    }

    void addressThatCannotPlayKeepsTheGreeting()
    {
        TestHttpServer server;
        MainWindowFixture f;
        MainWindow &w = *f.window;
        f.host.OpenUrl(server.url(QStringLiteral("/missing.flv")));
        QTRY_COMPARE_WITH_TIMEOUT(f.host.State(), 4, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(w.StatusLabel()->text(), GreetingLine(), 5000);
        QCOMPARE(w.ProgressTimer()->Interval(), 0);
        QVERIFY(w.IdleTimer()->IsRunning());
        QVERIFY(LogoVisible(f.logo));
    }
};

QL_APP_TEST_MAIN(StatusTimersTest)
#include "tst_status_timers.moc"
