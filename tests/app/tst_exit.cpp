// Each function ends the application's event loops for good, so CTest runs each in a
// process of its own.

#include "app_test_main.h"
#include "main_window_fixture.h"

#include "platform/skinned_message_box.h"
#include "platform/tray_icon.h"

#include <QAction>
#include <QEventLoop>
#include <QMessageBox>

class ExitTest : public QObject {
    Q_OBJECT

private slots:
    void exitAsksAndEndsWithZeroOnYes()
    {
        SetBoxSkinner(SkinMessageBox);  // as the program does
        MainWindowFixture f;
        QString text, caption;
        int icon = -1;
        OnNextTopLevel<QMessageBox>([&](QMessageBox &box) {
            text = box.text();
            caption = box.windowTitle();
            icon = box.icon();
            for (QAbstractButton *button : box.buttons())
                if (button->text() == QStringLiteral("是"))
                    button->click();
        });
        QEventLoop loop;
        QTimer::singleShot(0, f.window.get(), [&] { f.window->MenuItem("ExitItem")->trigger(); });
        QTimer::singleShot(20000, &loop, [&] { loop.exit(99); });
        QCOMPARE(loop.exec(), 0);
        QCOMPARE(text, QStringLiteral("您确定要退出青岚播放器？"));
        QCOMPARE(caption, QStringLiteral("温馨提示"));
        QCOMPARE(icon, int(QMessageBox::Warning));
        QVERIFY(!f.window->Tray()->IsShown());
    }

    void closedByTheWindowSystemEndsWithZeroWithoutAsking()
    {
        MainWindowFixture f;
        bool asked = false;
        OnNextTopLevel<QMessageBox>([&](QMessageBox &box) {
            asked = true;
            box.close();
        });
        QEventLoop loop;
        QTimer::singleShot(0, f.window.get(), [&] { f.window->close(); });
        QTimer::singleShot(20000, &loop, [&] { loop.exit(99); });
        QCOMPARE(loop.exec(), 0);
        QVERIFY(!asked);
    }

};

QL_APP_TEST_MAIN(ExitTest)
#include "tst_exit.moc"
