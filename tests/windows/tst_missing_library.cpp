// The site browser without the resolver library: one error box naming the library and its
// routine, browsing goes on, and a later navigation binds the library once it is there.

#include "app/builtin_addresses.h"
#include "player/flash_host.h"
#include "tests/windows/box_catcher.h"
#include "tests/windows/parse_service_stand_in.h"
#include "tests/windows/site_pages.h"
#include "tests/windows/viewer_driver.h"
#include "tests/windows/web_test_main.h"
#include "windows/qinglan_library.h"
#include "windows/site_browser_window.h"
#include "windows/viewer_page.h"

#include <QComboBox>
#include <QTemporaryDir>
#include <QWebEngineView>

class MissingLibraryTests : public QObject {
    Q_OBJECT
private slots:
    void missingLibraryIsReportedOnceAndBrowsingGoesOn()
    {
        ParseServiceStandIn service;
        TestHttpServer pages;
        ServeSitePages(pages, service);
        QTemporaryDir empty;
        QinglanLibrary::Program().SetSearchDirectory(empty.path());
        BuiltinAddresses::LogoMovieUrl = pages.url("/logo.html");

        QWidget mainWindow;
        mainWindow.setGeometry(0, 860, 400, 160);
        FlashHost host;
        host.Init(&mainWindow, 0, 0, 400, 160, {});
        mainWindow.show();
        BoxCatcher boxes;
        SiteBrowserWindow window(host, &mainWindow);
        window.show();
        auto &viewer = *window.findChild<QWebEngineView *>("SiteViewer");
        auto *box = window.findChild<QComboBox *>("AddressBox");

        // The first navigation (the start page) finds no library: one box, and it goes ahead.
        QVERIFY(ViewerDriver::WaitForPage(viewer, QUrl(BuiltinAddresses::LogoMovieUrl)));
        QTRY_COMPARE(boxes.texts.size(), 1);
        QVERIFY2(boxes.texts.first().contains("libqinglan.so"), qPrintable(boxes.texts.first()));
        QVERIFY(boxes.texts.first().contains("qinglan"));
        QVERIFY(!boxes.captions.first().isEmpty());

        // Still missing: the link opens as an ordinary page, with no second box.
        box->setEditText(pages.url("/videos.html"));
        window.GoToAddress();
        QVERIFY(ViewerDriver::WaitForPage(viewer, QUrl(pages.url("/videos.html"))));
        const QString link = pages.url("/watch/flv.html");
        QVERIFY(ViewerDriver::ClickLink(viewer, window.SiteViewerPage(), SitePages::Flv, link));
        QVERIFY(ViewerDriver::WaitForPage(viewer, QUrl(link)));
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY(service.askedAddresses().isEmpty());
        QVERIFY(!QinglanLibrary::Program().IsBound());

        // The library turns up: the next navigation binds it and asks the service.
        QinglanLibrary::Program().SetSearchDirectory(QINGLAN_WINDOWS_TEST_LIBRARY_DIR);
        box->setEditText(pages.url("/site1.html"));
        window.GoToAddress();
        QVERIFY(ViewerDriver::WaitForPage(viewer, QUrl(pages.url("/site1.html"))));
        QVERIFY(QinglanLibrary::Program().IsBound());
        QTRY_COMPARE(service.askedAddresses().size(), 1);
        QCOMPARE(boxes.texts.size(), 1);
    }
};

QINGLAN_WEB_TEST_MAIN(MissingLibraryTests)
#include "tst_missing_library.moc"
