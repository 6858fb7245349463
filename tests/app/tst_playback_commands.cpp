#include "app_test_main.h"
#include "main_window_fixture.h"
#include "playback_fixture.h"

#include "app/builtin_addresses.h"
#include "app/playback_commands.h"
#include "platform/interval_timer.h"
#include "platform/multi_function_bar.h"
#include "platform/url_drop_target.h"

#include <QAction>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>

namespace {

// Drops a link, as a web browser offers one, on the middle of the window.
void DropLink(MainWindow &window, const QString &address)
{
    QMimeData data;
    data.setData(QStringLiteral("text/uri-list"), address.toUtf8() + "\r\n");
    data.setText(address);
    const QPointF at(window.width() / 2.0, window.height() / 2.0);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
}

void Wheel(QWidget *target, int delta)
{
    const QPointF at = QRectF(target->rect()).center();
    QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}


// Chooses path as a user does who types it into the dialog's edit box.
void Choose(QFileDialog &dialog, const QString &path)
{
    auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    QVERIFY(edit);
    edit->setText(path);
}

}  // namespace

class PlaybackCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void menuCommandsCallTheHost_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("play/pause") << "PlayPauseItem" << QStringList{"TogglePlay"};
        QTest::newRow("stop") << "StopItem" << QStringList{"Stop"};
        QTest::newRow("volume up") << "VolumeUpItem" << QStringList{"SetVolume 55"};
        QTest::newRow("volume down") << "VolumeDownItem" << QStringList{"SetVolume 45"};
        QTest::newRow("mute") << "MuteItem" << QStringList{"SetVolume 0"};
    }

    void menuCommandsCallTheHost()
    {
        QFETCH(QString, item);
        QFETCH(QStringList, calls);
        MainWindowFixture f;
        f.host.calls.clear();
        f.window->MenuItem(item.toLatin1().constData())->trigger();
        QCOMPARE(f.host.calls, calls);
    }

    void volumeItemsMoveTheBarWithinItsRange_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("position");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("up") << 50 << "VolumeUpItem" << 55 << QStringList{"SetVolume 55"};
        QTest::newRow("up near the top") << 498 << "VolumeUpItem" << 500 << QStringList{"SetVolume 500"};
        QTest::newRow("up at the top") << 500 << "VolumeUpItem" << 500 << QStringList{};
        QTest::newRow("down near the bottom") << 3 << "VolumeDownItem" << 0 << QStringList{"SetVolume 0"};
        QTest::newRow("down at the bottom") << 0 << "VolumeDownItem" << 0 << QStringList{};
    }

    void volumeItemsMoveTheBarWithinItsRange()
    {
        QFETCH(int, start);
        QFETCH(QString, item);
        QFETCH(int, position);
        QFETCH(QStringList, calls);
        MainWindowFixture f;
        f.window->VolumeBar()->SetPosition(start);
        f.host.calls.clear();
        f.window->MenuItem(item.toLatin1().constData())->trigger();
        QCOMPARE(f.window->VolumeBar()->Position(), position);
        QCOMPARE(f.window->Commands().VolumeLevel(), position);
        QCOMPARE(f.host.calls, calls);
    }

    void volumeLevelStartsFromTheTemplatePositionAndMuteLeavesIt()
    {
        MainWindowFixture f;
        QCOMPARE(f.window->Commands().VolumeLevel(), 0);
        f.window->MenuItem("VolumeUpItem")->trigger();
        QCOMPARE(f.window->Commands().VolumeLevel(), 55);
        f.window->MenuItem("MuteItem")->trigger();
        QCOMPARE(f.window->Commands().VolumeLevel(), 55);
        QCOMPARE(f.window->VolumeBar()->Position(), 0);
    }

    void muteAtZeroSendsNothing()
    {
        MainWindowFixture f;
        f.window->MenuItem("MuteItem")->trigger();
        f.host.calls.clear();
        f.window->MenuItem("MuteItem")->trigger();
        QCOMPARE(f.host.calls, QStringList{});
    }

    void volumeBarMovedByTheUserSetsTheVolume()
    {
        MainWindowFixture f;
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.host.calls.clear();
        Wheel(f.window->VolumeBar(), 120);
        QCOMPARE(f.host.calls, QStringList{"SetVolume 51"});
    }

    void openAddressOffersTheDefaultVideo_data()
    {
        QTest::addColumn<QString>("typed");  // "" confirms unchanged, "-" cancels
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("confirmed unchanged") << ""
                                             << QStringList{"OpenUrl " + BuiltinAddresses::DefaultVideoUrl};
        QTest::newRow("edited") << "http://127.0.0.1:9/clip.flv" << QStringList{"OpenUrl http://127.0.0.1:9/clip.flv"};
        QTest::newRow("cancelled") << "-" << QStringList{};
    }

    void openAddressOffersTheDefaultVideo()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, calls);
        MainWindowFixture f;
        QString prompt, title, initial;
        OnNextTopLevel<QInputDialog>([&](QInputDialog &box) {
            prompt = box.labelText();
            title = box.windowTitle();
            initial = box.textValue();
            if (typed == QLatin1String("-")) {
                box.reject();
                return;
            }
            if (!typed.isEmpty())
                box.setTextValue(typed);
            box.accept();
        });
        f.host.calls.clear();
        f.window->MenuItem("OpenUrlItem")->trigger();
        QCOMPARE(prompt, QStringLiteral("请输入您要播放的URL地址"));
        QCOMPARE(title, QStringLiteral("温馨提示"));
        QCOMPARE(initial, BuiltinAddresses::DefaultVideoUrl);
        QCOMPARE(f.host.Calls(QStringLiteral("OpenUrl")), calls);
    }

    void openFilePassesTheChosenPathUnchanged_data()
    {
        QTest::addColumn<QString>("choose");  // "" cancels
        QTest::newRow("folder") << "clips";
        QTest::newRow("file") << "clips/a.flv";
        QTest::newRow("cancelled") << "";
    }

    void openFilePassesTheChosenPathUnchanged()
    {
        QFETCH(QString, choose);
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("clips")));
        QFile file(root.filePath(QStringLiteral("clips/a.flv")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        MainWindowFixture f;
        QString title;
        OnNextTopLevel<QFileDialog>([&](QFileDialog &dialog) {
            title = dialog.windowTitle();
            if (choose.isEmpty()) {
                dialog.reject();
                return;
            }
            Choose(dialog, root.filePath(choose));
            static_cast<QDialog &>(dialog).accept();
        });
        f.host.calls.clear();
        f.window->MenuItem("OpenFileItem")->trigger();
        QCOMPARE(title, QStringLiteral("请选择媒体文件！"));
        const QStringList expected =
            choose.isEmpty() ? QStringList{} : QStringList{"OpenUrl " + root.filePath(choose)};
        QCOMPARE(f.host.Calls(QStringLiteral("OpenUrl")), expected);
    }

    void droppedLinkPlaysOnlyWithTheLowerCaseMarker_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("plays");
        QTest::newRow("marker") << "http://127.0.0.1:9/wap/pvs?id=X&format=3gphd" << true;
        QTest::newRow("marker in capitals") << "http://127.0.0.1:9/wap/pvs?id=X&format=3GPHD" << false;
        QTest::newRow("marker mixed case") << "http://127.0.0.1:9/wap/pvs?format=3Gphd" << false;
        QTest::newRow("no marker") << "http://127.0.0.1:9/clip.flv" << false;
    }

    void droppedLinkPlaysOnlyWithTheLowerCaseMarker()
    {
        QFETCH(QString, link);
        QFETCH(bool, plays);
        MainWindowFixture f;
        f.window->ProgressTimer()->SetInterval(0);
        f.host.calls.clear();
        DropLink(*f.window, link);
        if (plays) {
            QCOMPARE(f.host.calls, QStringList{"OpenUrl " + link});
            QVERIFY(f.window->StatusLabel()->text().startsWith(QStringLiteral("视频总时间：")));
            QVERIFY(f.window->StatusLabel()->text().contains(QLatin1Char('/')));
            QCOMPARE(f.window->ProgressTimer()->Interval(), 1000);
        } else {
            QCOMPARE(f.host.calls, QStringList{});
            QCOMPARE(f.window->StatusLabel()->text(), QStringLiteral("无法播放该视频！"));
            QCOMPARE(f.window->ProgressTimer()->Interval(), 0);
        }
    }

    void droppedLocalFileIsRefusedBeforeTheHandler()
    {
        MainWindowFixture f;
        f.host.calls.clear();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/3gphd.flv"))});
        QDropEvent drop(QPointF(200, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.window.get(), &drop);
        QCOMPARE(f.host.calls, QStringList{});
        QCOMPARE(f.window->StatusLabel()->text(), QString());
    }

    void stepForwardAtTheMaximumSeeksPastItAndTheBarStays()
    {
        MainWindowFixture f;
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        MultiFunctionBar *seek = f.window->SeekBar();
        seek->SetPosition(500);
        f.host.calls.clear();
        QTest::mouseClick(seek, Qt::LeftButton, {}, seek->StepForwardRect().center());
        // The press on the bar toggles play; the step seeks; the bar cannot move.
        QCOMPARE(f.host.calls, (QStringList{"TogglePlay", "Seek 501"}));
        QCOMPARE(seek->Position(), 500);
    }

    void stepBackSeeksOneBeforeThePosition()
    {
        MainWindowFixture f;
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        MultiFunctionBar *seek = f.window->SeekBar();
        seek->SetPosition(40);
        f.host.calls.clear();
        QTest::mouseClick(seek, Qt::LeftButton, {}, seek->StepBackRect().center());
        QCOMPARE(f.host.Calls(QStringLiteral("Seek")).first(), QStringLiteral("Seek 39"));
        QCOMPARE(seek->Position(), 39);
    }

    void leftPressOnTheSeekBarTogglesPlayFirst()
    {
        MainWindowFixture f;
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.host.calls.clear();
        MultiFunctionBar *seek = f.window->SeekBar();
        QTest::mouseClick(seek, Qt::LeftButton, {}, seek->TrackRect().center());
        QVERIFY(!f.host.calls.isEmpty());
        QCOMPARE(f.host.calls.first(), QStringLiteral("TogglePlay"));
    }

    void programWritesOfTheSeekBarNeverSeek()
    {
        // The timer's own writes while the player is not in state 1 (nothing loaded here)
        // must not seek and toggle: that paused the video whenever its buffer ran empty.
        MainWindowFixture f;
        MultiFunctionBar *seek = f.window->SeekBar();
        f.host.calls.clear();
        seek->SetPosition(120);
        seek->SetMaximum(30);
        seek->SetPosition(7);
        QCOMPARE(f.host.State(), 0);
        QCOMPARE(f.host.Calls(QStringLiteral("Seek")), QStringList{});
        QCOMPARE(f.host.Calls(QStringLiteral("TogglePlay")), QStringList{});
    }

    void userMoveWhileNotPlayingSeeksAndToggles()
    {
        MainWindowFixture f;
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.window->SeekBar()->SetPosition(100);
        f.host.calls.clear();
        Wheel(f.window->SeekBar(), 120);
        QCOMPARE(f.host.calls, (QStringList{"Seek 101", "TogglePlay"}));
    }

    void propertiesShowsTheCurrentAddress()
    {
        MainWindowFixture f;
        f.host.OpenUrl(QStringLiteral("http://127.0.0.1:9/wap/3gphd/a.flv"));
        QAction *item = f.window->MenuItem("PropertiesItem");
        QVERIFY(!item->isEnabled());
        item->setEnabled(true);
        QString text, caption;
        int icon = -1;
        OnNextTopLevel<QMessageBox>([&](QMessageBox &box) {
            text = box.text();
            caption = box.windowTitle();
            icon = box.icon();
            box.buttons().first()->click();
        });
        item->trigger();
        QCOMPARE(text, QStringLiteral("http://127.0.0.1:9/wap/3gphd/a.flv"));
        QCOMPARE(caption, QStringLiteral("视频属性"));
        QCOMPARE(icon, int(QMessageBox::Information));
    }

    // With the real movie playing a served file.

    void userMoveWhilePlayingDoesNotSeekAndWhilePausedSeeksAndResumes()
    {
        ServedMedia media;
        QVERIFY(!media.flv.isEmpty());
        MainWindowFixture f;
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.host.OpenUrl(media.flv);
        QTRY_COMPARE_WITH_TIMEOUT(f.host.State(), 1, 30000);

        f.host.calls.clear();
        f.window->SeekBar()->SetPosition(1);
        Wheel(f.window->SeekBar(), 120);
        QCOMPARE(f.window->SeekBar()->Position(), 2);
        QCOMPARE(f.host.Calls(QStringLiteral("Seek")), QStringList{});

        f.host.TogglePlay();
        QTRY_COMPARE_WITH_TIMEOUT(f.host.State(), 2, 10000);
        f.host.calls.clear();
        Wheel(f.window->SeekBar(), 120);
        QCOMPARE(f.host.calls, (QStringList{"Seek 3", "TogglePlay"}));
        QTRY_VERIFY_WITH_TIMEOUT(f.host.State() == 1 || f.host.State() == 5, 10000);
        f.host.Stop();
    }

    void timerWritesBeforeStateOneDoNotSeekOrPause()
    {
        ServedMedia media;
        QVERIFY(!media.slowDroppableFlv.isEmpty());
        MainWindowFixture f;
        MainWindow &w = *f.window;
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.SeekBar()->SetPosition(200);
        QList<int> statesAtTimerWrites;
        connect(w.SeekBar(), &MultiFunctionBar::positionChanged, this, [&](int, bool byUser) {
            if (!byUser)
                statesAtTimerWrites << f.host.State();
        });
        f.host.calls.clear();
        DropLink(w, media.slowDroppableFlv);
        QCOMPARE(f.host.calls, QStringList{"OpenUrl " + media.slowDroppableFlv});

        // ProgressTimer, started by the drop, writes the new stream's position while the
        // trickled stream is still short of state 1.
        QTRY_VERIFY_WITH_TIMEOUT(!statesAtTimerWrites.isEmpty(), 10000);
        QVERIFY(statesAtTimerWrites.first() != 1);
        QTest::qWait(1500);
        QCOMPARE(f.host.Calls(QStringLiteral("Seek")), QStringList{});
        QCOMPARE(f.host.Calls(QStringLiteral("TogglePlay")), QStringList{});
        QVERIFY(f.host.State() != 2);
        f.host.Stop();
    }
};

QL_APP_TEST_MAIN(PlaybackCommandsTest)
#include "tst_playback_commands.moc"
