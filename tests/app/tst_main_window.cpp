#include "app_test_main.h"
#include "main_window_fixture.h"

#include "app/layout.h"
#include "platform/interval_timer.h"
#include "platform/multi_function_bar.h"
#include "platform/tray_icon.h"
#include "tests/support/desktop_session.h"

#include <QAction>
#include <QCursor>
#include <QEventLoop>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QSignalSpy>
#include <QSystemTrayIcon>

namespace {

QSize ScreenSize()
{
    return QGuiApplication::primaryScreen()->geometry().size();
}

// The menu as text: one line an item, "—" for a separator, two spaces a submenu level.
QStringList MenuTree(const QMenu *menu, const QString &indent = QString())
{
    QStringList lines;
    for (const QAction *item : menu->actions()) {
        if (item->isSeparator()) {
            lines << indent + QStringLiteral("—");
            continue;
        }
        lines << indent + item->text();
        if (item->menu())
            lines << MenuTree(item->menu(), indent + QStringLiteral("  "));
    }
    return lines;
}

QList<const QAction *> AllItems(const QMenu *menu)
{
    QList<const QAction *> items;
    for (const QAction *item : menu->actions()) {
        items << item;
        if (item->menu())
            items << AllItems(item->menu());
    }
    return items;
}

QWidget *TrayWidget()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->inherits("QSystemTrayIconSys") && widget->isVisible())
            return widget;
    return nullptr;
}

// A right press and release at local point of target, with the cursor moved there first.
void RightClick(QWidget *target, const QPoint &local)
{
    QCursor::setPos(target->mapToGlobal(local));
    QTest::mouseClick(target, Qt::RightButton, {}, local);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(DesktopSession::EnsureTrayHost());
    }

    void createdWithTheTemplateLayout()
    {
        MainWindowFixture f;
        MainWindow &w = *f.window;
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.size(), QSize(946, 666));
        QCOMPARE(w.windowTitle(), QString());
        QVERIFY(w.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(w.NormalWidth(), 946);
        QCOMPARE(w.NormalHeight(), 666);

        QWidget *video = f.host.Control().HostWindow();
        QVERIFY(video);
        QCOMPARE(video->parentWidget(), &w);
        QCOMPARE(video->geometry(), QRect(140, 120, 946 - 265, 666 - 240));
        QVERIFY(f.logo.HostWindow());
        QCOMPARE(f.logo.HostWindow()->geometry(), QRect(140, 120, 681, 426));
        QCOMPARE(f.logo.GetMovie(), QStringLiteral("qrc:/assets/logo/logo.gif"));

        QCOMPARE(w.StatusLabel()->geometry(), QRect(140, 666 - 110, 681, 32));
        QVERIFY(!w.StatusLabel()->isEnabled());
        QCOMPARE(w.StatusLabel()->font().pixelSize(), 16);
        QVERIFY(w.StatusLabel()->font().bold());
        QCOMPARE(w.SeekBar()->geometry(), QRect(140, 666 - 17 - 105, 681, 17));
        QCOMPARE(w.VolumeBar()->geometry(), QRect(946 - 120, 666 - 144 - 120, 16, 144));
        QCOMPARE(w.VolumeBar()->Orientation(), Qt::Vertical);
        QCOMPARE(w.SeekBar()->Maximum(), 500);
        QCOMPARE(w.VolumeBar()->Maximum(), 500);
    }

    void controlsCarryTheirNames()
    {
        MainWindowFixture f;
        for (const char *name : {"SeekBar", "VolumeBar", "StatusLabel", "ProgressTimer", "IdleTimer",
                                 "StateTimer", "UrlDropTarget", "ContextMenu"})
            QVERIFY2(f.window->findChild<QObject *>(QString::fromLatin1(name)), name);
    }

    void timersRunWithTheirIntervals()
    {
        MainWindowFixture f;
        QCOMPARE(f.window->ProgressTimer()->Interval(), 1000);
        QCOMPARE(f.window->IdleTimer()->Interval(), 51000);
        QCOMPARE(f.window->StateTimer()->Interval(), 1000);
        QVERIFY(f.window->IdleTimer()->IsRunning());
    }

    void centredOnTheScreen()
    {
        MainWindowFixture f;
        const QSize screen = ScreenSize();
        QCOMPARE(f.window->pos(), QPoint(int(screen.width() / 2.0 - 473), int(screen.height() / 2.0 - 333)));
    }

    void volumeStartsAtZeroThenFifty()
    {
        MainWindowFixture f;
        QCOMPARE(f.host.Calls(QStringLiteral("SetVolume")),
                 (QStringList{"SetVolume 0", "SetVolume 50"}));
        QCOMPARE(f.window->VolumeBar()->Position(), 50);
    }

    void trayIconShownWithItsTip()
    {
        MainWindowFixture f;
        QVERIFY(f.window->Tray()->IsShown());
        QCOMPARE(f.window->Tray()->Tip(), QStringLiteral("青岚播放器V1.0"));
        QVERIFY(!f.window->Tray()->Native()->icon().isNull());
        QVERIFY(!f.window->windowIcon().isNull());
    }

    void menuHasTheTreeAndCaptions()
    {
        MainWindowFixture f;
        const QStringList expected{
            "打开青岚浏览器", "—", "手机青岚浏览器", "—",
            "打开", "  打开文件", "  —", "  打开URL", "—",
            "播放/暂停", "—", "停止", "—", "全屏", "—",
            "音量", "  增大", "  —", "  减小", "—",
            "静音", "—", "其他设置", "  窗口置顶", "—",
            "属性", "—", "官方网站", "—", "捐款", "—", "官方论坛", "—", "关于帮助", "—",
            "退出播放器"};
        QCOMPARE(MenuTree(f.window->ContextMenu()), expected);
        for (const QAction *item : AllItems(f.window->ContextMenu())) {
            QVERIFY(item->shortcut().isEmpty());
            QVERIFY(!item->isChecked());
        }
        QVERIFY(!f.window->MenuItem("FullScreenItem")->isEnabled());
        QVERIFY(!f.window->MenuItem("PropertiesItem")->isEnabled());
        QVERIFY(f.window->MenuItem("ExitItem")->isEnabled());
    }

    void menuItemsHaveStableNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        const char *items[][2] = {
            {"OpenSiteBrowserItem", "打开青岚浏览器"}, {"OpenMobileBrowserItem", "手机青岚浏览器"},
            {"OpenFileItem", "打开文件"}, {"OpenUrlItem", "打开URL"}, {"PlayPauseItem", "播放/暂停"},
            {"StopItem", "停止"}, {"FullScreenItem", "全屏"}, {"VolumeUpItem", "增大"},
            {"VolumeDownItem", "减小"}, {"MuteItem", "静音"}, {"TopmostItem", "窗口置顶"},
            {"PropertiesItem", "属性"}, {"OfficialSiteItem", "官方网站"}, {"DonateItem", "捐款"},
            {"ForumItem", "官方论坛"}, {"HelpItem", "关于帮助"}, {"ExitItem", "退出播放器"}};
        for (const auto &item : items)
            QTest::newRow(item[0]) << QString::fromLatin1(item[0]) << QString::fromUtf8(item[1]);
    }

    void menuItemsHaveStableNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        MainWindowFixture f;
        QAction *item = f.window->MenuItem(name.toLatin1().constData());
        QVERIFY(item);
        QCOMPARE(item->text(), caption);
    }

    void fullScreenRoundTrip()
    {
        MainWindowFixture f;
        MainWindow &w = *f.window;
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QSize screen = ScreenSize();
        w.MenuItem("FullScreenItem")->setEnabled(true);
        f.host.calls.clear();

        w.MenuItem("FullScreenItem")->trigger();
        QCOMPARE(w.pos(), QPoint(0, 0));
        QCOMPARE(w.size(), screen);
        QVERIFY(w.IsFullScreenLayout());
        QVERIFY(!w.IsMovable());
        QCOMPARE(w.BackgroundColor(), QColor(Qt::black));
        QCOMPARE(f.host.Calls(QStringLiteral("Move")),
                 QStringList{QStringLiteral("Move 0 50 %1 %2").arg(screen.width()).arg(screen.height() - 130)});
        QVERIFY(w.StatusLabel()->isHidden());
        QCOMPARE(w.StatusLabel()->geometry(),
                 QRect(140, screen.height() - 80, screen.width() - 265, 32));
        QCOMPARE(w.SeekBar()->geometry(),
                 QRect(0, screen.height() - MainLayout::BottomReservedHeight() - 17, screen.width(), 17));
        // Not moved by full screen.
        QCOMPARE(w.VolumeBar()->pos(), QPoint(826, 402));
        QCOMPARE(f.logo.HostWindow()->geometry(), QRect(140, 120, 681, 426));

        f.host.calls.clear();
        w.MenuItem("FullScreenItem")->trigger();
        QCOMPARE(w.size(), QSize(946, 666));
        QCOMPARE(w.pos(), MainLayout::CentredPosition(screen, QSize(946, 666)));
        QVERIFY(w.IsMovable());
        QCOMPARE(w.BackgroundColor(), QColor(0xFF, 0x00, 0xFF));
        QCOMPARE(f.host.Calls(QStringLiteral("Move")), QStringList{QStringLiteral("Move 140 120 681 426")});
        QVERIFY(!w.StatusLabel()->isHidden());
        QCOMPARE(w.StatusLabel()->geometry(), QRect(140, 556, 681, 32));
        QCOMPARE(w.SeekBar()->geometry(), QRect(140, 544, 681, 17));
    }

    void leavingFullScreenCentresInsteadOfRestoringThePosition()
    {
        MainWindowFixture f;
        MainWindow &w = *f.window;
        w.move(20, 30);
        w.ToggleFullScreen();
        w.ToggleFullScreen();
        QCOMPARE(w.pos(), MainLayout::CentredPosition(ScreenSize(), QSize(946, 666)));
    }

    void windowDraggedToTheTopLeftCornerRestoresInsteadOfEnteringFullScreen()
    {
        MainWindowFixture f;
        MainWindow &w = *f.window;
        w.move(0, 0);
        f.host.calls.clear();
        w.ToggleFullScreen();
        QCOMPARE(w.size(), QSize(946, 666));
        QCOMPARE(w.pos(), MainLayout::CentredPosition(ScreenSize(), QSize(946, 666)));
        QCOMPARE(f.host.Calls(QStringLiteral("Move")), QStringList{QStringLiteral("Move 140 120 681 426")});
        QVERIFY(w.IsMovable());
    }

    void alwaysOnTopCaptionNamesTheStateAfterTheToggle()
    {
        MainWindowFixture f;
        MainWindow &w = *f.window;
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QAction *item = w.MenuItem("TopmostItem");
        QCOMPARE(item->text(), QStringLiteral("窗口置顶"));
        QVERIFY(!w.IsTopmost());
        item->trigger();
        QCOMPARE(item->text(), QStringLiteral("窗口已置顶"));
        QVERIFY(w.IsTopmost());
        QVERIFY(w.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(w.isVisible());
        item->trigger();
        QCOMPARE(item->text(), QStringLiteral("窗口非置顶"));
        QVERIFY(!w.IsTopmost());
        QVERIFY(!w.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void rightClickAnywhereInTheWindowPopsTheMenu_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("frame") << "frame";
        QTest::newRow("video area") << "video";
        QTest::newRow("seek bar") << "seek";
        QTest::newRow("status label") << "label";
    }

    void rightClickAnywhereInTheWindowPopsTheMenu()
    {
        QFETCH(QString, where);
        MainWindowFixture f;
        MainWindow &w = *f.window;
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QWidget *target = &w;
        QPoint at(60, 60);
        if (where == QLatin1String("video")) {
            target = f.host.Control().HostWindow();
            at = QPoint(100, 100);
        } else if (where == QLatin1String("seek")) {
            target = w.SeekBar();
            at = w.SeekBar()->rect().center();
        } else if (where == QLatin1String("label")) {
            target = w.StatusLabel();
            at = QPoint(10, 10);
        }
        RightClick(target, at);
        QMenu *menu = w.ContextMenu();
        QTRY_VERIFY(menu->isVisible());
        // At the cursor + (3, 3); a menu that would run off the bottom is moved up by Qt.
        const QPoint expected = target->mapToGlobal(at) + QPoint(3, 3);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        if (expected.y() + menu->height() <= screen.bottom() + 1)
            QCOMPARE(menu->pos(), expected);
        else
            QCOMPARE(menu->pos().x(), expected.x());
        QVERIFY(screen.contains(menu->geometry()));
        menu->hide();
    }

    void trayRightClickPopsTheMenuRightAligned()
    {
        MainWindowFixture f;
        MainWindow &w = *f.window;
        QWidget *tray = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((tray = TrayWidget()) != nullptr, 10000);
        QCursor::setPos(tray->mapToGlobal(tray->rect().center()));
        const QPoint cursor = QCursor::pos();
        QTest::mouseClick(tray, Qt::RightButton, {}, tray->rect().center());
        QMenu *menu = w.ContextMenu();
        QTRY_VERIFY(menu->isVisible());
        // Right-aligned at the cursor − (5, 5), unless the screen edge pushed it.
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        if (cursor.x() - 5 - menu->width() >= 0)
            QCOMPARE(menu->geometry().right() + 1, cursor.x() - 5);
        QVERIFY(screen.contains(menu->geometry()));
        menu->hide();
    }

    void trayLeftClickDoesNothing()
    {
        MainWindowFixture f;
        QWidget *tray = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((tray = TrayWidget()) != nullptr, 10000);
        QTest::mouseClick(tray, Qt::LeftButton, {}, tray->rect().center());
        QTest::mouseDClick(tray, Qt::LeftButton, {}, tray->rect().center());
        QTest::qWait(100);
        QVERIFY(!f.window->ContextMenu()->isVisible());
    }

    void exitAnsweredNoKeepsRunning_data()
    {
        QTest::addColumn<bool>("closeTheBox");
        QTest::newRow("no") << false;
        QTest::newRow("box closed") << true;
    }

    void exitAnsweredNoKeepsRunning()
    {
        QFETCH(bool, closeTheBox);
        MainWindowFixture f;
        if (closeTheBox)
            OnNextTopLevel<QMessageBox>([](QMessageBox &box) { box.close(); });
        else
            AnswerNextBox(QStringLiteral("否"));
        QEventLoop loop;
        QTimer::singleShot(0, f.window.get(), [&] {
            f.window->ConfirmExit();
            loop.exit(42);
        });
        QCOMPARE(loop.exec(), 42);
        QVERIFY(f.window->isVisible());
        QVERIFY(f.window->Tray()->IsShown());
    }

    void movingTheWindowRaisesWindowMoved()
    {
        MainWindowFixture f;
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QSignalSpy moved(f.window.get(), &MainWindow::windowMoved);
        f.window->move(f.window->pos() + QPoint(15, 7));
        QTRY_VERIFY(moved.count() >= 1);
    }

    void dragAnywhereMovesTheWindowOnlyWhileMovable()
    {
        MainWindowFixture f;
        MainWindow &w = *f.window;
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const auto drag = [&w](const QPoint &delta) {
            const QPoint from(60, 60);
            const QPoint global = w.mapToGlobal(from);
            QMouseEvent press(QEvent::MouseButtonPress, from, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&w, &press);
            for (int i = 1; i <= 3; ++i) {
                const QPoint g = global + delta * i / 3;
                QMouseEvent move(QEvent::MouseMove, w.mapFromGlobal(g), g, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(&w, &move);
            }
            QMouseEvent release(QEvent::MouseButtonRelease, w.mapFromGlobal(global + delta), global + delta,
                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(&w, &release);
        };
        const QPoint before = w.pos();
        drag(QPoint(40, 25));
        QTRY_COMPARE(w.pos(), before + QPoint(40, 25));

        w.ToggleFullScreen();
        drag(QPoint(40, 25));
        QTest::qWait(50);
        QCOMPARE(w.pos(), QPoint(0, 0));
    }
};

QL_APP_TEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
