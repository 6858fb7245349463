#include "platform/file_or_folder_dialog.h"
#include "platform/input_box.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

template <typename Dialog>
void OnNextDialog(std::function<void(Dialog &)> action)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<Dialog *>(widget);
            if (dialog && dialog->isVisible()) {
                poll->stop();
                poll->deleteLater();
                action(*dialog);
                return;
            }
        }
    });
    poll->start(10);
}

// Chooses path as a user does who types it into the dialog's edit box.
void Choose(QFileDialog &dialog, const QString &path)
{
    auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    QVERIFY(edit);
    edit->setText(path);
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void inputBoxShowsPromptTitleAndInitialText()
    {
        QString label, title, initial;
        OnNextDialog<QInputDialog>([&](QInputDialog &box) {
            label = box.labelText();
            title = box.windowTitle();
            initial = box.textValue();
            box.accept();
        });
        QCOMPARE(InputBox(nullptr, QStringLiteral("请输入您要播放的URL地址"), QStringLiteral("温馨提示"),
                          QStringLiteral("http://example.test/a")),
                 QStringLiteral("http://example.test/a"));
        QCOMPARE(label, QStringLiteral("请输入您要播放的URL地址"));
        QCOMPARE(title, QStringLiteral("温馨提示"));
        QCOMPARE(initial, QStringLiteral("http://example.test/a"));
    }

    void inputBoxGivesTheEditedTextOnOk()
    {
        OnNextDialog<QInputDialog>([](QInputDialog &box) {
            QLineEdit *edit = box.findChild<QLineEdit *>();
            edit->selectAll();
            QTest::keyClicks(edit, QStringLiteral("rtmp://changed"));
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QCOMPARE(InputBox(nullptr, QStringLiteral("p"), QStringLiteral("t"), QStringLiteral("start")),
                 QStringLiteral("rtmp://changed"));
    }

    void inputBoxGivesNothingOnCancel()
    {
        OnNextDialog<QInputDialog>([](QInputDialog &box) { box.reject(); });
        QCOMPARE(InputBox(nullptr, QStringLiteral("p"), QStringLiteral("t"), QStringLiteral("start")),
                 QString());
    }

    void browserReturnsTheChosenFileOrFolder_data()
    {
        QTest::addColumn<QString>("choose");
        QTest::newRow("folder") << "clips";
        QTest::newRow("file in a folder") << "clips/one.flv";
        QTest::newRow("file") << "two.mp4";
    }

    void browserReturnsTheChosenFileOrFolder()
    {
        QFETCH(QString, choose);
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("clips")));
        for (const char *name : {"clips/one.flv", "two.mp4"}) {
            QFile file(root.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const QString expected = root.filePath(choose);
        QString title;
        bool listsFiles = false;
        OnNextDialog<QFileDialog>([&](QFileDialog &dialog) {
            title = dialog.windowTitle();
            listsFiles = dialog.fileMode() != QFileDialog::Directory &&
                         !dialog.testOption(QFileDialog::ShowDirsOnly);
            Choose(dialog, expected);
            static_cast<QDialog &>(dialog).accept();
        });
        QCOMPARE(BrowseForFileOrFolder(nullptr, QStringLiteral("请选择媒体文件！")), expected);
        QCOMPARE(title, QStringLiteral("请选择媒体文件！"));
        QVERIFY(listsFiles);
    }

    void browserHasAnEditBoxThatTakesATypedFolder()
    {
        QTemporaryDir root;
        OnNextDialog<QFileDialog>([&](QFileDialog &dialog) {
            auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(edit);
            edit->setText(root.path());
            static_cast<QDialog &>(dialog).accept();
        });
        QCOMPARE(BrowseForFileOrFolder(nullptr, QStringLiteral("t")), root.path());
    }

    void browserGivesNothingOnCancel()
    {
        OnNextDialog<QFileDialog>([](QFileDialog &dialog) { dialog.reject(); });
        QCOMPARE(BrowseForFileOrFolder(nullptr, QStringLiteral("t")), QString());
    }

    void browserStaysOpenForAPathThatDoesNotExist()
    {
        QTemporaryDir root;
        bool stillOpen = false;
        OnNextDialog<QFileDialog>([&](QFileDialog &dialog) {
            auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            edit->setText(root.filePath(QStringLiteral("missing.flv")));
            static_cast<QDialog &>(dialog).accept();
            stillOpen = dialog.isVisible();
            dialog.reject();
        });
        QCOMPARE(BrowseForFileOrFolder(nullptr, QStringLiteral("t")), QString());
        QVERIFY(stillOpen);
    }
};

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
