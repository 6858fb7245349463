#include "gfx/gfx_bitmap.h"
#include "gfx/gfx_global_memory.h"
#include "gfx/gfx_native.h"
#include "skin/load_dialog.h"
#include "skin/load_dialog_class.h"
#include "skin/load_dialog_window.h"
#include "skin/tool_tip.h"
#include "skin/tool_tip_control.h"

#include <QThread>
#include <QtTest>

class SkinTooltipDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void secondInstanceKeepsOneRegistration() {
    LoadDialog second;
    LoadDialog first;
    QCOMPARE(LoadDialogClass::RegistrationCount(), 1);
    QVERIFY(first.StartupToken() != 0 && second.StartupToken() != first.StartupToken());
    QVERIFY(first.FrameDimension());
    QCOMPARE(first.FrameDimension()->toString(QUuid::WithBraces).toUpper(), QString(LoadDialog::kTimeFrameDimensionText));
    first.FreeIdentifier();
    second.FreeIdentifier();
    QVERIFY(!first.FrameDimension());
  }

  void destructionStopsThreadAndFreesWhatIsSet() {
    LoadDialog setUp;
    auto* window = LoadDialogClass::CreateWindow();
    QVERIFY(window);
    QThread worker;
    worker.start();
    GfxBitmap bitmap;
    QVERIFY(bitmap.CreateBitmapFromScan0(4, 4));
    void* image = bitmap.GetNativeHandle();
    static_cast<GfxNative*>(image)->Retain();  // the property's own reference
    GfxGlobalHandle block = GfxGlobalAlloc(GfxGmemMoveable, 16);
    window->setProperty(LoadDialogWindow::kThreadProperty, QVariant::fromValue<QObject*>(&worker));
    window->setProperty(LoadDialogWindow::kImageProperty, QVariant::fromValue(reinterpret_cast<quintptr>(image)));
    window->setProperty(LoadDialogWindow::kStreamProperty, QVariant::fromValue(reinterpret_cast<quintptr>(block)));
    delete window;
    QVERIFY(worker.isFinished());
    QCOMPARE(bitmap.GetImageWidth(), 4u);  // the wrapper's own reference still holds
  }

  void destructionWithoutPropertiesDoesNothingElse() {
    LoadDialog setUp;
    delete LoadDialogClass::CreateWindow();
  }

  void leftPressDragsOnlyWithOne_data() {
    QTest::addColumn<QVariant>("hitMove");
    QTest::addColumn<int>("moves");
    QTest::newRow("absent") << QVariant() << 0;
    QTest::newRow("0") << QVariant(0) << 0;
    QTest::newRow("2") << QVariant(2) << 0;
    QTest::newRow("1") << QVariant(1) << 1;
  }
  void leftPressDragsOnlyWithOne() {
    QFETCH(QVariant, hitMove);
    QFETCH(int, moves);
    LoadDialog setUp;
    std::unique_ptr<QWidget> window(LoadDialogClass::CreateWindow());
    window->resize(120, 80);
    window->setProperty(LoadDialogWindow::kHitMoveProperty, hitMove);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QSignalSpy spy(static_cast<LoadDialogWindow*>(window.get()), &LoadDialogWindow::moveStarted);
    QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(30, 30));
    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(30, 30));
    QCOMPARE(spy.count(), moves);
  }

  void toolsShowMoveAndVanish() {
    QWidget owner;
    owner.resize(300, 200);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    ToolTip tip;
    ToolTipControl* control = tip.CreateTip(&owner, false);
    QCOMPARE(control->Style(), 1);
    tip.AddTool(QRect(10, 10, 50, 30), "Play", 7);
    QTest::mouseMove(&owner, QPoint(20, 20));
    QTRY_COMPARE(control->ShownTool(), 7);
    QCOMPARE(control->ShownText(), QString("Play"));
    tip.RemoveTool(99);  // never added: nothing changes
    QCOMPARE(control->ShownTool(), 7);
    tip.SetToolRect(7, QRect(200, 100, 50, 30));
    QCOMPARE(control->ToolText(&owner, 7), QString("Play"));
    QTest::mouseMove(&owner, QPoint(25, 25));
    QTRY_COMPARE(control->ShownTool(), -1);
    QTest::mouseMove(&owner, QPoint(210, 110));
    QTRY_COMPARE(control->ShownTool(), 7);
    tip.RemoveTool(7);
    QCOMPARE(control->ShownTool(), -1);
    delete control;
  }

  void callbackToolAsksTheOwner() {
    QWidget owner;
    owner.resize(200, 100);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    ToolTip tip;
    ToolTipControl* control = tip.CreateTip(&owner, true);
    QCOMPARE(control->Style() & 0x40, 0x40);
    connect(control, &ToolTipControl::textNeeded, this, [](QWidget*, int id, QString* text) { *text = QString("tool %1").arg(id); });
    tip.SetTipMaxWidth(80);
    tip.SetTipBackColor(0x00FFFFFF);
    tip.AddCallbackTool(QRect(0, 0, 100, 100), 3);
    QTest::mouseMove(&owner, QPoint(40, 40));
    QTRY_COMPARE(control->ShownTool(), 3);
    QCOMPARE(control->ShownText(), QString("tool 3"));
    QVERIFY(control->width() <= 80 + 20);
    delete control;
  }

  void operationsBeforeCreateTipDoNothing() {
    ToolTip tip;
    tip.AddTool(QRect(0, 0, 10, 10), "x", 1);
    tip.SetToolText(1, "y");
    tip.RemoveTool(1);
    QVERIFY(!tip.GetTipWindow());
  }
};

QTEST_MAIN(SkinTooltipDialogTest)
#include "tst_skin_tooltip_dialog.moc"
