#include "platform/tray_icon.h"
#include "tests/support/desktop_session.h"

#include <QApplication>
#include <QPixmap>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>

namespace {

QIcon PlainIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(QColor(0x2a, 0x8e, 0xd8));
    return QIcon(pixmap);
}

// The widget the xembed tray shows the icon in.
QWidget *TrayWidget()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->inherits("QSystemTrayIconSys") && widget->isVisible())
            return widget;
    return nullptr;
}

}  // namespace

class TrayIconTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(DesktopSession::EnsureTrayHost());
        QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 10000);
    }

    void shownWithItsTipAndRemoved()
    {
        TrayIcon tray;
        tray.Show(PlainIcon(), QStringLiteral("青岚播放器V1.0"));
        QVERIFY(tray.IsShown());
        QCOMPARE(tray.Tip(), QStringLiteral("青岚播放器V1.0"));
        tray.Remove();
        QVERIFY(!tray.IsShown());
    }

    void longTipIsCutAtSixtyTwoCharacters()
    {
        TrayIcon tray;
        tray.Show(PlainIcon(), QString(80, QChar(u'青')));
        QCOMPARE(tray.Tip().size(), 62);
        tray.Remove();
    }

    void onlyARightClickIsReported_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<int>("reported");
        QTest::newRow("right click") << int(Qt::RightButton) << false << 1;
        QTest::newRow("left click") << int(Qt::LeftButton) << false << 0;
        QTest::newRow("left double click") << int(Qt::LeftButton) << true << 0;
    }

    void onlyARightClickIsReported()
    {
        QFETCH(int, button);
        QFETCH(bool, doubleClick);
        QFETCH(int, reported);
        TrayIcon tray;
        tray.Show(PlainIcon(), QStringLiteral("tip"));
        QWidget *widget = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((widget = TrayWidget()) != nullptr, 10000);
        QSignalSpy clicked(&tray, &TrayIcon::rightClicked);
        const QPoint centre = widget->rect().center();
        if (doubleClick)
            QTest::mouseDClick(widget, Qt::MouseButton(button), {}, centre);
        else
            QTest::mouseClick(widget, Qt::MouseButton(button), {}, centre);
        QCOMPARE(clicked.count(), reported);
        tray.Remove();
    }
};

QTEST_MAIN(TrayIconTest)
#include "tst_tray_icon.moc"
