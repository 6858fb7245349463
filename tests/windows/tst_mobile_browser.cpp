// The mobile browser against loopback mobile pages: "3gphd" links play in the player host,
// "3gp" links do nothing, other links navigate, and new windows never open.

#include "app/builtin_addresses.h"
#include "player/flash_host.h"
#include "tests/support/media_fixtures.h"
#include "tests/support/test_http_server.h"
#include "tests/windows/viewer_driver.h"
#include "tests/windows/web_test_main.h"
#include "windows/mobile_browser_window.h"
#include "windows/viewer_page.h"

#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QWebEngineView>
#include <memory>

namespace {

QByteArray MobilePage(const TestHttpServer &pages, const QString &title)
{
    QString body;
    const std::pair<const char *, QString> links[] = {
        {"hd", pages.url("/media/clip.flv?id=1&format=3gphd")},
        {"gp", pages.url("/media/clip.3gp?id=1&format=3gp")},
        {"other", pages.url("/mobile/list.html")},
    };
    for (const auto &[id, href] : links)
        body += QStringLiteral("<p><a id=\"%1\" href=\"%2\" style=\"display:block;height:40px\">%1</a></p>")
                    .arg(QLatin1String(id), href);
    body += QStringLiteral("<p><a id=\"blank\" target=\"_blank\" href=\"%1\" style=\"display:block;height:40px\">"
                           "blank</a></p>")
                .arg(pages.url("/mobile/popup.html"));
    return QStringLiteral("<!doctype html><html><head><title>%1</title></head><body style=\"margin:0\">%2</body></html>")
        .arg(title, body)
        .toUtf8();
}

}  // namespace

class MobileBrowserTests : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_pages.serveText("/youku.html", MobilePage(m_pages, "youku"));
        m_pages.serveText("/tudou.html", MobilePage(m_pages, "tudou"));
        m_pages.serveText("/mobile/list.html", "<html><body>list</body></html>");
        m_pages.serveText("/mobile/popup.html", "<html><body>popup</body></html>");
        m_pages.serveFile("/media/clip.flv", MediaFixtures::Flv(), "video/x-flv");
        m_pages.serveText("/media/clip.3gp", "not played", "video/3gpp");
        BuiltinAddresses::YoukuMobileUrl = m_pages.url("/youku.html");
        BuiltinAddresses::TudouMobileUrl = m_pages.url("/tudou.html");
        m_mainWindow.setGeometry(700, 40, 400, 200);
        m_host.Init(&m_mainWindow, 0, 0, 400, 200, {});
        m_mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_mainWindow));
    }

    void init()
    {
        m_window = new MobileBrowserWindow(m_host);
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        m_window->move(40, 40);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        QVERIFY(ViewerDriver::WaitForPage(viewer("YoukuViewer"), QUrl(BuiltinAddresses::YoukuMobileUrl)));
        QVERIFY(ViewerDriver::WaitForPage(viewer("TudouViewer"), QUrl(BuiltinAddresses::TudouMobileUrl)));
        m_pages.clearRequests();
    }

    void cleanup()
    {
        delete m_window;
        m_host.Stop();
    }

    void templateWithTwoTabsAtTheirStartPages()
    {
        QCOMPARE(m_window->size(), QSize(305, 534));
        QVERIFY(m_window->windowFlags().testFlag(Qt::FramelessWindowHint));
        auto *tabs = m_window->findChild<QTabWidget *>("MobileTabs");
        QCOMPARE(tabs->geometry(), QRect(8, 7, 280, 522));
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QString("优酷影视"));
        QCOMPARE(tabs->tabText(1), QString("土豆影视"));
        QCOMPARE(m_window->findChild<QPushButton *>("CloseButton")->geometry(), QRect(248, 3, 40, 24));
        // Measured from the tab control's corner, tab row included.
        for (const char *name : {"YoukuViewer", "TudouViewer"}) {
            QWebEngineView &view = viewer(name);
            QCOMPARE(QRect(view.mapTo(tabs, QPoint(0, 0)), view.size()), QRect(5, 28, 272, 489));
        }
    }

    void followedLinkActsByItsFormat_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("plays");
        QTest::addColumn<bool>("navigates");
        QTest::newRow("3gphd plays, page stays") << 0 << "#hd" << "/media/clip.flv?id=1&format=3gphd" << true << false;
        QTest::newRow("3gphd on the second tab") << 1 << "#hd" << "/media/clip.flv?id=1&format=3gphd" << true << false;
        QTest::newRow("3gp does nothing") << 0 << "#gp" << "/media/clip.3gp?id=1&format=3gp" << false << false;
        QTest::newRow("other link navigates") << 0 << "#other" << "/mobile/list.html" << false << true;
        QTest::newRow("new window does nothing") << 1 << "#blank" << "/mobile/popup.html" << false << false;
    }
    void followedLinkActsByItsFormat()
    {
        QFETCH(int, tab);
        QFETCH(QString, selector);
        QFETCH(QString, path);
        QFETCH(bool, plays);
        QFETCH(bool, navigates);
        auto *tabs = m_window->findChild<QTabWidget *>("MobileTabs");
        if (tab != tabs->currentIndex()) {
            QTabBar *bar = tabs->tabBar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
            QCOMPARE(tabs->currentIndex(), tab);
        }
        QWebEngineView &view = viewer(tab == 0 ? "YoukuViewer" : "TudouViewer");
        ViewerPage &page = tab == 0 ? m_window->YoukuViewerPage() : m_window->TudouViewerPage();
        const QUrl start = ViewerDriver::DocumentUrl(view);
        const int windows = QApplication::topLevelWidgets().size();
        const QString link = m_pages.url(path);
        QVERIFY(ViewerDriver::ClickLink(view, page, selector, link));

        if (plays) {
            // The player fetches exactly the link's address.
            QTRY_VERIFY_WITH_TIMEOUT(fetched(path.toUtf8()), 10000);
            QTRY_VERIFY_WITH_TIMEOUT(m_host.State() != 0, 10000);
        }
        if (navigates) {
            QVERIFY(ViewerDriver::WaitForPage(view, QUrl(link)));
        } else {
            QTest::qWait(800);
            QCOMPARE(ViewerDriver::DocumentUrl(view), start);
            QCOMPARE(QApplication::topLevelWidgets().size(), windows);
        }
        if (!plays) {
            QCOMPARE(m_pages.requestCount("/media/clip.flv"), 0);
            QCOMPARE(m_host.State(), 0);
        }
        // Only the page itself is fetched, and only when the viewer goes there.
        const QByteArray fetchedPath = QUrl(link).path().toUtf8();
        if (!plays)
            QCOMPARE(m_pages.requestCount(fetchedPath), navigates ? 1 : 0);
    }

    void closeButtonDestroysTheWindow()
    {
        QPointer<MobileBrowserWindow> window = m_window;
        QTest::mouseClick(m_window->findChild<QPushButton *>("CloseButton"), Qt::LeftButton);
        QTRY_VERIFY(window.isNull());
        m_window = nullptr;
    }

private:
    bool fetched(const QByteArray &target) const
    {
        for (const TestHttpServer::Request &request : m_pages.requests())
            if (request.target == target)
                return true;
        return false;
    }
    QWebEngineView &viewer(const char *name) const { return *m_window->findChild<QWebEngineView *>(name); }

    TestHttpServer m_pages;
    QWidget m_mainWindow;
    FlashHost m_host;
    QPointer<MobileBrowserWindow> m_window;
};

QINGLAN_WEB_TEST_MAIN(MobileBrowserTests)
#include "tst_mobile_browser.moc"
