#include "app_test_main.h"

#include "app/global_objects.h"
#include "player/flash_control.h"
#include "player/flash_host.h"
#include "player/right_click_hook.h"
#include "skin/load_dialog.h"

#include <QWidget>

namespace {

QStringList Log;

// The state of the other objects at the moment each one goes.
QString Snapshot()
{
    return QStringLiteral("hooks=%1").arg(HookTable::Records().size());
}

class LoggedHost : public FlashHost {
public:
    ~LoggedHost() override
    {
        Log << QStringLiteral("host freed, object %1, logo %2, %3")
                   .arg(Control().GetObject() ? "held" : "released",
                        Globals::LogoControl ? "alive" : "gone", Snapshot());
    }
};

class LoggedControl : public FlashControl {
public:
    void ReleaseObject() override
    {
        Log << QStringLiteral("logo object released, %1").arg(Snapshot());
        FlashControl::ReleaseObject();
    }
    ~LoggedControl() override
    {
        Log << QStringLiteral("logo freed, object %1, %2").arg(GetObject() ? "held" : "released", Snapshot());
    }
};

}  // namespace

class ShutdownTest : public QObject {
    Q_OBJECT

private slots:
    void createsHostThenLogoEmpty()
    {
        CreateGlobalObjects();
        QVERIFY(Globals::PlayerHost);
        QVERIFY(Globals::LogoControl);
        QVERIFY(!Globals::PlayerHost->Control().HostWindow());
        QVERIFY(!Globals::LogoControl->HostWindow());
        ReleaseGlobalObjects();
        QVERIFY(!Globals::PlayerHost);
        QVERIFY(!Globals::LogoControl);
    }

    void releasesHostThenLogoThenDialogsThenHookTable_data()
    {
        QTest::addColumn<bool>("played");
        QTest::newRow("after showing the controls") << true;
        QTest::newRow("before anything was created") << false;
    }

    void releasesHostThenLogoThenDialogsThenHookTable()
    {
        QFETCH(bool, played);
        Log.clear();
        Globals::PlayerHost = new LoggedHost;
        Globals::LogoControl = new LoggedControl;
        CreateGlobalObjects();
        SetUpLoadDialogs();
        QVERIFY(Globals::FirstLoadDialog->FrameDimension());
        QVERIFY(Globals::SecondLoadDialog->FrameDimension());

        QWidget window;
        window.resize(400, 300);
        if (played) {
            Globals::PlayerHost->Init(&window, 10, 10, 200, 150, [](int, int, int) {});
            Globals::LogoControl->Create(&window, 10, 10, 200, 150);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(Globals::PlayerHost->Control().GetObject());
        } else {
            InstallRightClickHook(&window, {});
        }
        const qsizetype hooks = HookTable::Records().size();
        QVERIFY(hooks > 0);

        ReleaseGlobalObjects();
        const QString h = QStringLiteral("hooks=%1").arg(hooks);
        QCOMPARE(Log, (QStringList{
                          QStringLiteral("host freed, object released, logo alive, ") + h,
                          QStringLiteral("logo object released, ") + h,
                          QStringLiteral("logo freed, object released, ") + h,
                      }));
        QVERIFY(!Globals::FirstLoadDialog);
        QVERIFY(!Globals::SecondLoadDialog);
        QVERIFY(HookTable::Records().isEmpty());
        QCOMPARE(HookTable::Records().capacity(), 0);
    }

    void secondReleaseDoesNothing()
    {
        ReleaseGlobalObjects();
        QVERIFY(!Globals::PlayerHost);
        QVERIFY(HookTable::Records().isEmpty());
    }
};

QL_APP_TEST_MAIN(ShutdownTest)
#include "tst_shutdown.moc"
