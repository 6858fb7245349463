// The secondary windows opened from the real main window's menu: each at most once, the
// mobile browser docked beside the main window and following it, and the whole road from
// a typed address to a video playing in the main window.

#include "app/builtin_addresses.h"
#include "app/main_window.h"
#include "app/secondary_window_commands.h"
#include "player/flash_control.h"
#include "player/flash_host.h"
#include "tests/windows/parse_service_stand_in.h"
#include "tests/windows/site_pages.h"
#include "tests/windows/viewer_driver.h"
#include "tests/windows/web_test_main.h"
#include "windows/about_window.h"
#include "windows/mobile_browser_window.h"
#include "windows/qinglan_library.h"
#include "windows/site_browser_window.h"
#include "windows/viewer_page.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QWebEngineView>
#include <memory>

namespace {

template <typename Window>
QList<Window *> OpenWindows()
{
    QList<Window *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<Window *>(widget); window && window->isVisible())
            windows << window;
    return windows;
}

}  // namespace

class SecondaryWindowTests : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QinglanLibrary::Program().SetSearchDirectory(QINGLAN_WINDOWS_TEST_LIBRARY_DIR);
        ServeSitePages(m_pages, m_service);
        m_pages.serveText("/mobile.html",
                          QStringLiteral("<html><body style=\"margin:0\"><a id=\"hd\" href=\"%1\" "
                                         "style=\"display:block;height:40px\">hd</a></body></html>")
                              .arg(m_pages.url("/media/clip.flv?format=3gphd"))
                              .toUtf8());
        BuiltinAddresses::YoukuMobileUrl = m_pages.url("/mobile.html");
        BuiltinAddresses::TudouMobileUrl = m_pages.url("/site2.html");
        m_window = std::make_unique<MainWindow>(m_host, m_logo);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanupTestCase()
    {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (qobject_cast<SiteBrowserWindow *>(widget) || qobject_cast<MobileBrowserWindow *>(widget)
                || qobject_cast<AboutWindow *>(widget))
                delete widget;
        m_window.reset();
    }

    void everyAboutItemOpensTheOneAboutWindow()
    {
        for (const char *item : {"OfficialSiteItem", "DonateItem", "ForumItem", "HelpItem"}) {
            m_window->MenuItem(item)->trigger();
            QTRY_COMPARE(OpenWindows<AboutWindow>().size(), 1);
        }
        OpenWindows<AboutWindow>().first()->close();
        QTRY_COMPARE(OpenWindows<AboutWindow>().size(), 0);
    }

    void siteBrowserPlaysATypedPagesVideoInTheMainWindow()
    {
        m_window->MenuItem("OpenSiteBrowserItem")->trigger();
        QTRY_COMPARE(OpenWindows<SiteBrowserWindow>().size(), 1);
        SiteBrowserWindow *browser = OpenWindows<SiteBrowserWindow>().first();
        m_window->MenuItem("OpenSiteBrowserItem")->trigger();
        QCOMPARE(OpenWindows<SiteBrowserWindow>(), QList<SiteBrowserWindow *>{browser});
        QVERIFY(QTest::qWaitForWindowExposed(browser));

        auto &viewer = *browser->findChild<QWebEngineView *>("SiteViewer");
        auto *box = browser->findChild<QComboBox *>("AddressBox");
        const QUrl videos(m_pages.url("/videos.html"));
        QTest::keyClicks(box->lineEdit(), videos.toString());
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(ViewerDriver::WaitForPage(viewer, videos));

        QVERIFY(ViewerDriver::ClickLink(viewer, browser->SiteViewerPage(), SitePages::Flv,
                                        m_pages.url("/watch/flv.html")));
        QTRY_COMPARE_WITH_TIMEOUT(m_host.QueryUrl(), m_pages.url(SitePages::MediaPath), 15000);
        QTRY_VERIFY_WITH_TIMEOUT(m_host.State() == 1 || m_host.State() == 5, 15000);
        QTRY_VERIFY(m_window->isActiveWindow());
        QCOMPARE(ViewerDriver::DocumentUrl(viewer), videos);
        QCOMPARE(m_pages.requestCount("/watch/flv.html"), 0);
        browser->close();
        QTRY_COMPARE(OpenWindows<SiteBrowserWindow>().size(), 0);
        m_host.Stop();
    }

    void mobileBrowserDocksFollowsAndPlays()
    {
        m_window->move(60, 80);
        m_window->MenuItem("OpenMobileBrowserItem")->trigger();
        QTRY_COMPARE(OpenWindows<MobileBrowserWindow>().size(), 1);
        MobileBrowserWindow *mobile = OpenWindows<MobileBrowserWindow>().first();
        QVERIFY(QTest::qWaitForWindowExposed(mobile));
        QTRY_COMPARE(mobile->pos(), docked());

        m_window->move(10, 30);
        QTRY_COMPARE(mobile->pos(), docked());
        m_window->MenuItem("OpenMobileBrowserItem")->trigger();
        QCOMPARE(OpenWindows<MobileBrowserWindow>(), QList<MobileBrowserWindow *>{mobile});
        QCOMPARE(mobile->pos(), docked());

        auto &viewer = *mobile->findChild<QWebEngineView *>("YoukuViewer");
        QVERIFY(ViewerDriver::WaitForPage(viewer, QUrl(BuiltinAddresses::YoukuMobileUrl)));
        const QString link = m_pages.url("/media/clip.flv?format=3gphd");
        m_pages.clearRequests();
        QVERIFY(ViewerDriver::ClickLink(viewer, mobile->YoukuViewerPage(), "#hd", link));
        QTRY_VERIFY_WITH_TIMEOUT(m_pages.requestCount("/media/clip.flv") > 0, 15000);
        QTRY_VERIFY_WITH_TIMEOUT(m_host.State() != 0, 15000);
        QCOMPARE(ViewerDriver::DocumentUrl(viewer), QUrl(BuiltinAddresses::YoukuMobileUrl));

        mobile->close();
        QTRY_COMPARE(OpenWindows<MobileBrowserWindow>().size(), 0);
        // Closed: moving the main window is harmless, and opening docks again.
        m_window->move(100, 50);
        DockMobileWindow();
        m_window->MenuItem("OpenMobileBrowserItem")->trigger();
        QTRY_COMPARE(OpenWindows<MobileBrowserWindow>().size(), 1);
        QTRY_COMPARE(OpenWindows<MobileBrowserWindow>().first()->pos(), docked());
        OpenWindows<MobileBrowserWindow>().first()->close();
        m_host.Stop();
    }

private:
    QPoint docked() const
    {
        const QRect main = m_window->frameGeometry();
        return {main.left() + main.width() - 50, main.top() + 70};
    }

    ParseServiceStandIn m_service;
    TestHttpServer m_pages;
    FlashHost m_host;
    FlashControl m_logo;
    std::unique_ptr<MainWindow> m_window;
};

QINGLAN_WEB_TEST_MAIN(SecondaryWindowTests)
#include "tst_secondary_windows.moc"
