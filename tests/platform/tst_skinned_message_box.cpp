#include "platform/skinned_message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

namespace {

// Runs action on the first message box that appears, from the event loop the box runs.
void OnNextBox(std::function<void(QMessageBox &)> action)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(widget);
            if (box && box->isVisible()) {
                poll->stop();
                poll->deleteLater();
                action(*box);
                return;
            }
        }
    });
    poll->start(10);
}

QStringList Captions(const QMessageBox &box)
{
    QStringList captions;
    for (QAbstractButton *button : box.buttons())
        captions << button->text();
    return captions;
}

void Press(QMessageBox &box, const QString &caption)
{
    for (QAbstractButton *button : box.buttons())
        if (button->text() == caption) {
            button->click();
            return;
        }
    QFAIL("no such button");
}

}  // namespace

class SkinnedMessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { SetBoxSkinner({}); }

    void eachButtonAnswersItsCodeMinusOne_data()
    {
        QTest::addColumn<unsigned>("style");
        QTest::addColumn<QString>("press");
        QTest::addColumn<int>("answer");
        QTest::newRow("ok") << 0x00u << "确定" << 0;
        QTest::newRow("ok of ok/cancel") << 0x01u << "确定" << 0;
        QTest::newRow("cancel") << 0x01u << "取消" << 1;
        QTest::newRow("abort") << 0x02u << "中止" << 2;
        QTest::newRow("retry") << 0x02u << "重试" << 3;
        QTest::newRow("ignore") << 0x02u << "忽略" << 4;
        QTest::newRow("yes") << 0x34u << "是" << 5;
        QTest::newRow("no") << 0x34u << "否" << 6;
        QTest::newRow("cancel of yes/no/cancel") << 0x03u << "取消" << 1;
        QTest::newRow("retry of retry/cancel") << 0x05u << "重试" << 3;
    }

    void eachButtonAnswersItsCodeMinusOne()
    {
        QFETCH(unsigned, style);
        QFETCH(QString, press);
        QFETCH(int, answer);
        OnNextBox([press](QMessageBox &box) { Press(box, press); });
        QCOMPARE(SkinnedMessageBox(nullptr, QStringLiteral("text"), style, QStringLiteral("caption")),
                 answer);
    }

    void styleChoosesButtonsIconTextAndCaption_data()
    {
        QTest::addColumn<unsigned>("style");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<int>("icon");
        QTest::newRow("yes/no, exclamation") << 0x34u << QStringList{"是", "否"} << int(QMessageBox::Warning);
        QTest::newRow("ok, information") << 0x40u << QStringList{"确定"} << int(QMessageBox::Information);
        QTest::newRow("ok/cancel, stop") << 0x11u << QStringList{"确定", "取消"} << int(QMessageBox::Critical);
        QTest::newRow("yes/no/cancel, question") << 0x23u << QStringList{"是", "否", "取消"} << int(QMessageBox::Question);
    }

    void styleChoosesButtonsIconTextAndCaption()
    {
        QFETCH(unsigned, style);
        QFETCH(QStringList, buttons);
        QFETCH(int, icon);
        QStringList seen;
        int seenIcon = -1;
        QString text, caption;
        OnNextBox([&](QMessageBox &box) {
            seen = Captions(box);
            seenIcon = int(box.icon());
            text = box.text();
            caption = box.windowTitle();
            box.buttons().first()->click();
        });
        SkinnedMessageBox(nullptr, QStringLiteral("您确定要退出青岚播放器？"), style,
                          QStringLiteral("温馨提示"));
        std::sort(seen.begin(), seen.end());
        std::sort(buttons.begin(), buttons.end());
        QCOMPARE(seen, buttons);
        QCOMPARE(seenIcon, icon);
        QCOMPARE(text, QStringLiteral("您确定要退出青岚播放器？"));
        QCOMPARE(caption, QStringLiteral("温馨提示"));
    }

    void closingAnswersAsTheEscapeButton_data()
    {
        QTest::addColumn<unsigned>("style");
        QTest::addColumn<int>("answer");
        QTest::newRow("yes/no closes as no") << 0x34u << 6;
        QTest::newRow("ok/cancel closes as cancel") << 0x01u << 1;
        QTest::newRow("ok closes as ok") << 0x40u << 0;
    }

    void closingAnswersAsTheEscapeButton()
    {
        QFETCH(unsigned, style);
        QFETCH(int, answer);
        OnNextBox([](QMessageBox &box) { box.close(); });
        QCOMPARE(SkinnedMessageBox(nullptr, QStringLiteral("text"), style, QString()), answer);
    }

    void ownerOwnsTheBox()
    {
        QWidget owner;
        owner.show();
        QWidget *parent = nullptr;
        OnNextBox([&](QMessageBox &box) {
            parent = box.parentWidget();
            box.buttons().first()->click();
        });
        SkinnedMessageBox(&owner, QStringLiteral("text"), 0, QString());
        QCOMPARE(parent, &owner);
    }

    void everyBoxShownThroughItIsSkinnedOnceBeforeItAppears()
    {
        // The box's native window is not on screen yet when the skinner runs.
        QList<bool> visibleWhenSkinned;
        SetBoxSkinner([&](QMessageBox &box) {
            visibleWhenSkinned << (box.windowHandle() && box.windowHandle()->isVisible());
        });
        for (int i = 0; i < 2; ++i) {
            OnNextBox([](QMessageBox &box) { box.buttons().first()->click(); });
            SkinnedMessageBox(nullptr, QStringLiteral("text"), 0, QString());
        }
        QCOMPARE(visibleWhenSkinned, (QList<bool>{false, false}));
        QVERIFY(!BoxSkinHookInstalled());
    }

    void hookCatchesOnlyTheFirstBoxAfterItsInstallation()
    {
        int skinned = 0;
        SetBoxSkinner([&](QMessageBox &) { ++skinned; });
        InstallBoxSkinHook();
        InstallBoxSkinHook();  // a waiting hook is not installed twice
        QVERIFY(BoxSkinHookInstalled());
        for (int i = 0; i < 2; ++i) {
            QMessageBox box(QMessageBox::NoIcon, QString(), QStringLiteral("plain"), QMessageBox::Ok);
            QTimer::singleShot(50, &box, [&box] { box.accept(); });
            box.exec();
        }
        QCOMPARE(skinned, 1);
    }

    void boxAlreadySkinnedIsPassedOver()
    {
        int skinned = 0;
        SetBoxSkinner([&](QMessageBox &) { ++skinned; });
        InstallBoxSkinHook();
        QMessageBox marked(QMessageBox::NoIcon, QString(), QStringLiteral("marked"), QMessageBox::Ok);
        marked.setProperty("Hw_hProc", 1);
        QTimer::singleShot(50, &marked, [&marked] { marked.accept(); });
        marked.exec();
        QCOMPARE(skinned, 0);
        QVERIFY(BoxSkinHookInstalled());
        QMessageBox plain(QMessageBox::NoIcon, QString(), QStringLiteral("plain"), QMessageBox::Ok);
        QTimer::singleShot(50, &plain, [&plain] { plain.accept(); });
        plain.exec();
        QCOMPARE(skinned, 1);
    }
};

QTEST_MAIN(SkinnedMessageBoxTest)
#include "tst_skinned_message_box.moc"
