// Hosting controls by class identifier and reaching their members by name: every access
// that cannot be made gives the empty value of its type.

#include "platform/ax_host.h"
#include "platform/ax_member_access.h"
#include "player/flash_control.h"
#include "player/player_control.h"
#include "test_movies.h"

#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

class ControlMembersTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { FlashControl construction; }  // registers the player control class

    void unknownClassIdentifierHostsNothing()
    {
        QWidget window;
        QWidget *host = AxCreateHostWindow(QStringLiteral("{00000000-0000-0000-0000-000000000000}"),
                                           &window, 0, 0, 50, 50, 1);
        QVERIFY(host);
        QCOMPARE(host->windowTitle(), QStringLiteral("{00000000-0000-0000-0000-000000000000}"));
        QVERIFY(!AxGetControl(host));
        QVERIFY(!AxGetControl(nullptr));
        QWidget plain;
        QVERIFY(!AxGetControl(&plain));
    }

    void classIdentifierIgnoresCase()
    {
        QWidget window;
        QWidget *host = AxCreateHostWindow(QStringLiteral("{d27cdb6e-ae6d-11CF-96b8-444553540000}"),
                                           &window, 0, 0, 50, 50, 1);
        QVERIFY(qobject_cast<PlayerControl *>(AxGetControl(host)));
        QCOMPARE(host->property("controlId").toInt(), 1);
    }

    void controlWithoutObjectGivesEmptyValues()
    {
        FlashControl control;
        QCOMPARE(control.GetReadyState(), 0);
        QCOMPARE(control.GetMovie(), QString());
        QVERIFY(!control.GetPlaying());
        QVERIFY(!control.SetMovie(QStringLiteral("/tmp/x")));
        QVERIFY(!control.SetVariable(QStringLiteral("flvurl"), QStringLiteral("x")));
        QCOMPARE(control.CallFunction(QStringLiteral("<invoke name='qurl' returntype='xml'></invoke>")), QString());
        QCOMPARE(control.TGetPropertyNum(QStringLiteral("/"), 8), 0.0);
        QVERIFY(!control.FrameLoaded(0));
        QVERIFY(!control.GetObject());
    }

    void failedMemberAccess_data()
    {
        QTest::addColumn<QByteArray>("member");
        QTest::addColumn<QVariantList>("arguments");
        QTest::newRow("unknown member") << QByteArray("NoSuchMember") << QVariantList{};
        QTest::newRow("too few arguments") << QByteArray("FrameLoaded") << QVariantList{};
        QTest::newRow("too many arguments") << QByteArray("CurrentFrame") << QVariantList{1};
        QTest::newRow("argument of no fitting type") << QByteArray("FrameLoaded") << QVariantList{QStringLiteral("abc")};
        QTest::newRow("property is not a method") << QByteArray("ReadyState") << QVariantList{1};
    }

    void failedMemberAccess()
    {
        QFETCH(QByteArray, member);
        QFETCH(QVariantList, arguments);
        PlayerControl control;
        bool called = true;
        QVERIFY(!AxCallMember(&control, member.constData(), arguments, &called).isValid());
        QVERIFY(!called);
        QVERIFY(!AxCallMember(nullptr, member.constData(), arguments, &called).isValid());
    }

    void readersFallBackToMethods()
    {
        PlayerControl control;
        QCOMPARE(AxReadMember(&control, "ReadyState").toInt(), 0);
        QCOMPARE(AxReadMember(&control, "FlashVersion").toInt(), control.FlashVersion());
        QVERIFY(!AxReadMember(&control, "NoSuchMember").isValid());
        QVERIFY(!AxReadMember(&control, "FrameLoaded").isValid());  // needs an argument
        QVERIFY(!AxReadMember(nullptr, "Movie").isValid());
    }

    void writersReportFailure()
    {
        PlayerControl control;
        QVERIFY(!AxWriteMember(&control, "ReadyState", 4));           // read-only
        QVERIFY(!AxWriteMember(&control, "NoSuchMember", 1));
        QVERIFY(!AxWriteMember(&control, "Quality", QStringLiteral("abc")));
        QVERIFY(!AxWriteMember(nullptr, "Quality", 1));
        QVERIFY(AxWriteMember(&control, "Quality", QStringLiteral("0")));
        QCOMPARE(control.quality2(), QStringLiteral("Low"));
    }

    void floatingResultsTruncateTowardZero_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("positive") << QVariant(2.9) << 2;
        QTest::newRow("negative") << QVariant(-2.9) << -2;
        QTest::newRow("above range") << QVariant(1e12) << INT_MAX;
        QTest::newRow("below range") << QVariant(-1e12) << INT_MIN;
        QTest::newRow("not a number") << QVariant(qQNaN()) << 0;
        QTest::newRow("text") << QVariant(QStringLiteral("abc")) << 0;
        QTest::newRow("invalid") << QVariant() << 0;
    }

    void floatingResultsTruncateTowardZero()
    {
        QFETCH(QVariant, value);
        QFETCH(int, expected);
        QCOMPARE(AxToInt(value), expected);
    }

    void textFormsFollowNumericSettings()
    {
        QWidget window;
        FlashControl control;
        QVERIFY(control.Create(&window, 0, 0, 100, 100));
        QVERIFY(control.SetScaleMode(2));
        QCOMPARE(control.GetScale(), QStringLiteral("ExactFit"));
        QVERIFY(control.SetScale(QStringLiteral("noborder")));
        QCOMPARE(control.GetScaleMode(), 1);
        QVERIFY(control.SetSAlign(QStringLiteral("lt")));
        QCOMPARE(control.GetAlignMode(), 1 | 4);
        QCOMPARE(control.GetSAlign(), QStringLiteral("TL"));
        QVERIFY(control.SetBGColor(QStringLiteral("#336699")));
        QCOMPARE(control.GetBackgroundColor(), 0x336699);
        QVERIFY(control.SetBackgroundColor(0xFF0000));
        QCOMPARE(control.GetBGColor(), QStringLiteral("#FF0000"));
        QVERIFY(control.SetQuality2(QStringLiteral("Best")));
        QCOMPARE(control.GetQuality(), 5);
        QVERIFY(control.SetWMode(QStringLiteral("transparent")));
        QCOMPARE(control.GetWMode(), QStringLiteral("Transparent"));
        QVERIFY(control.SetProfilePort(8080));
        QCOMPARE(control.GetProfilePort(), 8080);
        QVERIFY(control.SetFlashVars(QStringLiteral("a=1")));
        QCOMPARE(control.GetFlashVars(), QStringLiteral("a=1"));
    }

    void attachTakesOnlyPlayerControls()
    {
        FlashControl control;
        PlayerControl player;
        QVERIFY(control.AttachObject(&player));
        QCOMPARE(control.GetObject(), &player);
        QObject other;
        QVERIFY(!control.AttachObject(&other));
        QVERIFY(!control.GetObject());
        QVERIFY(control.AttachObject(&player));
        control.ReleaseObject();
        QVERIFY(!control.GetObject());
    }
};

QTEST_MAIN(ControlMembersTest)
#include "tst_control_members.moc"
