// The video-site browser against loopback pages, the test build of the resolver library
// with its stand-in parse service, and a real player host that plays what is found.

#include "app/builtin_addresses.h"
#include "player/flash_host.h"
#include "tests/windows/parse_service_stand_in.h"
#include "tests/windows/site_pages.h"
#include "tests/windows/viewer_driver.h"
#include "tests/windows/web_test_main.h"
#include "windows/qinglan_library.h"
#include "windows/site_browser_window.h"
#include "windows/viewer_page.h"
#include "windows/web_video_hand_off.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QWebEngineView>
#include <memory>

class SiteBrowserTests : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QinglanLibrary::Program().SetSearchDirectory(QINGLAN_WINDOWS_TEST_LIBRARY_DIR);
        ServeSitePages(m_pages, m_service);
        BuiltinAddresses::LogoMovieUrl = m_pages.url("/logo.html");
        BuiltinAddresses::VideoSiteUrls = {m_pages.url("/site1.html"), m_pages.url("/site2.html")};
        // Below the browser, which opens centred on the screen.
        m_mainWindow.setGeometry(0, 860, 400, 160);
        m_host.Init(&m_mainWindow, 0, 0, 400, 160, {});
        m_mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_mainWindow));
    }

    void init()
    {
        m_window = std::make_unique<SiteBrowserWindow>(m_host, &m_mainWindow);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QVERIFY(ViewerDriver::WaitForPage(viewer(), QUrl(BuiltinAddresses::LogoMovieUrl)));
        m_service.clear();
        m_pages.clearRequests();
    }

    void cleanup()
    {
        m_window.reset();
        m_host.Stop();
    }

    void templateAndSiteList()
    {
        QCOMPARE(m_window->windowTitle(), QString("青岚影视无广告浏览器"));
        QCOMPARE(m_window->size(), QSize(855, 630));
        QVERIFY(m_window->windowFlags().testFlag(Qt::Tool));
        QCOMPARE(box()->count(), 2);
        QCOMPARE(box()->itemText(1), BuiltinAddresses::VideoSiteUrls.at(1));
        QVERIFY(box()->currentText().isEmpty());
        QCOMPARE(m_window->findChild<QPushButton *>("GoButton")->text(), QString("转到"));
    }

    void everyWayOfGoingNavigatesToTheBoxText_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Enter in the box") << "enter";
        QTest::newRow("keypad Enter") << "keypad";
        QTest::newRow("GoButton") << "button";
        QTest::newRow("entry chosen from the list") << "entry";
    }
    void everyWayOfGoingNavigatesToTheBoxText()
    {
        QFETCH(QString, way);
        const QUrl target(way == "entry" ? BuiltinAddresses::VideoSiteUrls.at(1) : m_pages.url("/videos.html"));
        if (way == "entry") {
            box()->showPopup();
            QAbstractItemView *list = box()->view();
            QTRY_VERIFY(list->isVisible());
            const QRect item = list->visualRect(list->model()->index(1, 0));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
            QCOMPARE(box()->currentText(), target.toString());
        } else {
            QTest::keyClicks(box()->lineEdit(), target.toString());
            if (way == "button")
                QTest::mouseClick(m_window->findChild<QPushButton *>("GoButton"), Qt::LeftButton);
            else
                QTest::keyClick(box(), way == "enter" ? Qt::Key_Return : Qt::Key_Enter,
                                way == "keypad" ? Qt::KeypadModifier : Qt::NoModifier);
        }
        QVERIFY(ViewerDriver::WaitForPage(viewer(), target));
        // One navigation, asked about once; the list keeps its entries.
        QTRY_COMPARE(m_service.askedAddresses().size(), 1);
        QCOMPARE(m_pages.requestCount(target.path().toUtf8()), 1);
        QCOMPARE(box()->count(), 2);
    }

    void resolvedFlvAddressPlaysAndPageStays()
    {
        openVideos();
        const QString link = m_pages.url("/watch/flv.html");
        QSignalSpy resolved(&m_window->HandOff(), &WebVideoHandOff::Resolved);
        QVERIFY(ViewerDriver::ClickLink(viewer(), page(), SitePages::Flv, link));
        QTRY_VERIFY_WITH_TIMEOUT(!resolved.isEmpty(), 10000);
        QCOMPARE(resolved.first().at(0).toString(), link);
        QCOMPARE(resolved.first().at(1).toString(), m_pages.url(SitePages::MediaPath));

        QTRY_VERIFY_WITH_TIMEOUT(m_pages.requestCount(SitePages::MediaPath) > 0, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(m_host.QueryUrl(), m_pages.url(SitePages::MediaPath), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(m_host.State() == 1 || m_host.State() == 5, 15000);
        QTRY_VERIFY(m_mainWindow.isActiveWindow());
        QTest::qWait(500);
        QCOMPARE(ViewerDriver::DocumentUrl(viewer()), QUrl(m_pages.url("/videos.html")));
        QCOMPARE(m_pages.requestCount("/watch/flv.html"), 0);
    }

    void answerWithoutMediaAddressLetsTheLinkOpen_data()
    {
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QString>("path");
        QTest::newRow("no media address") << SitePages::Plain << "/watch/plain.html";
        QTest::newRow("media type in capitals only") << SitePages::Capitals << "/watch/capitals.html";
    }
    void answerWithoutMediaAddressLetsTheLinkOpen()
    {
        QFETCH(QString, selector);
        QFETCH(QString, path);
        openVideos();
        const QString link = m_pages.url(path);
        QVERIFY(ViewerDriver::ClickLink(viewer(), page(), selector, link));
        QVERIFY(ViewerDriver::WaitForPage(viewer(), QUrl(link)));
        QCOMPARE(m_service.askedAddresses(), QStringList{link});
        QCOMPARE(m_pages.requestCount(path.toUtf8()), 1);
        QCOMPARE(m_pages.requestCount(SitePages::MediaPath), 0);
    }

    void emptyStatusTextIsAskedAboutAndNavigationProceeds()
    {
        QVERIFY(page().StatusText().isEmpty());
        box()->setEditText(m_pages.url("/site1.html"));
        QTest::mouseClick(m_window->findChild<QPushButton *>("GoButton"), Qt::LeftButton);
        QVERIFY(ViewerDriver::WaitForPage(viewer(), QUrl(m_pages.url("/site1.html"))));
        QCOMPARE(m_service.askedAddresses(), QStringList{QString()});
    }

    void newWindowLinkOpensInTheSameViewer()
    {
        openVideos();
        const int viewers = webViewCount();
        const QString link = m_pages.url("/watch/blank.html");
        QVERIFY(ViewerDriver::ClickLink(viewer(), page(), SitePages::NewWindow, link));
        QVERIFY(ViewerDriver::WaitForPage(viewer(), QUrl(link)));
        QCOMPARE(webViewCount(), viewers);
        QCOMPARE(m_service.askedAddresses(), QStringList{link});
    }

    void subframeNavigationsAreNotAsked()
    {
        box()->setEditText(m_pages.url("/framed.html"));
        m_window->GoToAddress();
        QVERIFY(ViewerDriver::WaitForPage(viewer(), QUrl(m_pages.url("/framed.html"))));
        QTRY_COMPARE(m_pages.requestCount("/watch/inner.html"), 1);
        QTest::qWait(300);
        QCOMPARE(m_service.askedAddresses().size(), 1);
    }

    void backAndForwardButtonsMoveThroughHistory()
    {
        openVideos();
        const QString link = m_pages.url("/watch/plain.html");
        QVERIFY(ViewerDriver::ClickLink(viewer(), page(), SitePages::Plain, link));
        QVERIFY(ViewerDriver::WaitForPage(viewer(), QUrl(link)));
        QTest::mouseClick(m_window->findChild<QPushButton *>("BackButton"), Qt::LeftButton);
        QVERIFY(ViewerDriver::WaitForPage(viewer(), QUrl(m_pages.url("/videos.html"))));
        QTest::mouseClick(m_window->findChild<QPushButton *>("ForwardButton"), Qt::LeftButton);
        QVERIFY(ViewerDriver::WaitForPage(viewer(), QUrl(link)));
        // History moves are asked about too, without being held.
        QTRY_COMPARE(m_service.askedAddresses().size(), 3);
    }

    void layoutFollowsTheOuterSize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("template") << QSize(855, 630);
        QTest::newRow("larger") << QSize(1100, 800);
        QTest::newRow("narrow") << QSize(400, 300);
        QTest::newRow("320 wide") << QSize(320, 300);
        QTest::newRow("below 320") << QSize(250, 200);
    }
    void layoutFollowsTheOuterSize()
    {
        QFETCH(QSize, size);
        m_window->resize(size);
        QTRY_COMPARE(m_window->size(), size);
        const QSize outer = m_window->frameGeometry().size();
        // Written as computed, even when that is not a width at all.
        QCOMPARE(box()->width(), outer.width() - 320);
        QCOMPARE(box()->pos(), QPoint(264, 13));
        QCOMPARE(viewer().geometry(), QRect(16, 40, outer.width() - 32, outer.height() - 80));
        auto *go = m_window->findChild<QPushButton *>("GoButton");
        QCOMPARE(go->pos(), QPoint(outer.width() - go->width() - 15, 13));
        QCOMPARE(m_window->findChild<QPushButton *>("BackButton")->pos(), QPoint(136, 13));
    }

private:
    QWebEngineView &viewer() const { return *m_window->findChild<QWebEngineView *>("SiteViewer"); }
    ViewerPage &page() const { return m_window->SiteViewerPage(); }
    QComboBox *box() const { return m_window->findChild<QComboBox *>("AddressBox"); }
    static int webViewCount()
    {
        int count = 0;
        for (QWidget *widget : QApplication::allWidgets())
            count += qobject_cast<QWebEngineView *>(widget) != nullptr;
        return count;
    }
    void openVideos()
    {
        box()->setEditText(m_pages.url("/videos.html"));
        m_window->GoToAddress();
        QVERIFY(ViewerDriver::WaitForPage(viewer(), QUrl(m_pages.url("/videos.html"))));
        QTRY_COMPARE(m_service.askedAddresses().size(), 1);
        m_service.clear();
        m_pages.clearRequests();
    }

    ParseServiceStandIn m_service;
    TestHttpServer m_pages;
    QWidget m_mainWindow;
    FlashHost m_host;
    std::unique_ptr<SiteBrowserWindow> m_window;
};

QINGLAN_WEB_TEST_MAIN(SiteBrowserTests)
#include "tst_site_browser.moc"
