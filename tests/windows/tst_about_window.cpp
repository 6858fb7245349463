// The about window: four links that open in the desktop's browser, and closing as soon as
// the window loses the focus.

#include "app/builtin_addresses.h"
#include "tests/support/desktop_session.h"
#include "windows/about_window.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QUrl>

// Stands in for the desktop's web browser: records what it was asked to open.
class BrowserStandIn : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

class AboutWindowTests : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(DesktopSession::EnsureWindowManager());
        QDesktopServices::setUrlHandler("http", &m_browser, "open");
        QDesktopServices::setUrlHandler("https", &m_browser, "open");
    }
    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler("http");
        QDesktopServices::unsetUrlHandler("https");
    }

    void templateHasTheFourLinks()
    {
        AboutWindow window;
        QCOMPARE(window.size(), QSize(527, 58));
        QCOMPARE(window.findChildren<QLabel *>().size(), 4);
        QCOMPARE(window.findChild<QLabel *>("GroupLink")->geometry(), QRect(8, 16, 137, 32));
        QCOMPARE(window.findChild<QLabel *>("ForumLink")->geometry(), QRect(409, 16, 104, 32));
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(BuiltinAddresses::ForumUrl.endsWith("/indexlt.html"));
    }

    void linkOpensItsTargetInTheDesktopBrowser_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("target");
        QTest::newRow("group") << "GroupLink" << "青岚播放器QQ群" << BuiltinAddresses::UserGroupUrl;
        QTest::newRow("donate") << "DonateLink" << "为青岚播放器捐款" << BuiltinAddresses::DonateUrl;
        QTest::newRow("site") << "SiteLink" << "进入官方" << BuiltinAddresses::OfficialSiteUrl;
        QTest::newRow("forum") << "ForumLink" << "官方论坛" << BuiltinAddresses::ForumUrl;
    }
    void linkOpensItsTargetInTheDesktopBrowser()
    {
        QFETCH(QString, link);
        QFETCH(QString, caption);
        QFETCH(QString, target);
        m_browser.opened.clear();
        AboutWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *label = window.findChild<QLabel *>(link);
        QVERIFY(label);
        QVERIFY(label->text().contains(caption));
        // The caption is centred in its box: its middle is on the link.
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
        QTRY_COMPARE(m_browser.opened, QList<QUrl>{QUrl(target)});
    }

    void closesWhenItLosesTheFocus()
    {
        QPointer<AboutWindow> window = new AboutWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));

        QWidget other;
        other.setGeometry(20, 20, 200, 120);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QTRY_VERIFY(window.isNull());
    }

    void staysOpenWhileItHasTheFocus()
    {
        AboutWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::qWait(300);
        QVERIFY(window.isVisible());
    }

private:
    BrowserStandIn m_browser;
};

QTEST_MAIN(AboutWindowTests)
#include "tst_about_window.moc"
