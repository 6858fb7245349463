#include "platform/url_drop_target.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QUrl>

namespace {

QMimeData *LinkFromBrowser(const QByteArray &address)
{
    auto *data = new QMimeData;
    data->setData(QStringLiteral("text/uri-list"), address + "\r\n");
    data->setText(QString::fromUtf8(address));
    data->setHtml(QStringLiteral("<a href=\"%1\">link</a>").arg(QString::fromUtf8(address)));
    return data;
}

// Drags data over target at its centre and drops it; true when the drop was taken.
bool DragAndDrop(QWidget *target, QMimeData *data, bool *enterAccepted = nullptr)
{
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::LinkAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (enterAccepted)
        *enterAccepted = enter.isAccepted();
    QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::LinkAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

}  // namespace

class UrlDropTargetTest : public QObject {
    Q_OBJECT

private slots:
    void browserLinkIsAcceptedAsSent()
    {
        QWidget window;
        UrlDropTarget target;
        target.Register(&window);
        QVERIFY(window.acceptDrops());
        QSignalSpy dropped(&target, &UrlDropTarget::dropped);
        std::unique_ptr<QMimeData> data(LinkFromBrowser("http://m.example.test/wap/pvs?id=A%20b&format=3gphd"));
        bool entered = false;
        QVERIFY(DragAndDrop(&window, data.get(), &entered));
        QVERIFY(entered);
        QCOMPARE(dropped.count(), 1);
        QCOMPARE(dropped.first().first().toString(),
                 QStringLiteral("http://m.example.test/wap/pvs?id=A%20b&format=3gphd"));
    }

    void localFilesAndPlainTextAreRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("local file") << "file";
        QTest::newRow("plain text") << "text";
        QTest::newRow("html only") << "html";
    }

    void localFilesAndPlainTextAreRefused()
    {
        QFETCH(QString, kind);
        QWidget window;
        UrlDropTarget target;
        target.Register(&window);
        QSignalSpy dropped(&target, &UrlDropTarget::dropped);
        auto data = std::make_unique<QMimeData>();
        if (kind == QLatin1String("file"))
            data->setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/clip.flv"))});
        else if (kind == QLatin1String("text"))
            data->setText(QStringLiteral("http://m.example.test/format=3gphd"));
        else
            data->setHtml(QStringLiteral("<a href=\"http://x.test/\">x</a>"));
        bool entered = true;
        QVERIFY(!DragAndDrop(&window, data.get(), &entered));
        QVERIFY(!entered);
        QCOMPARE(dropped.count(), 0);
    }

    void childThatTakesDropsCannotSwallowALink()
    {
        QWidget window;
        UrlDropTarget target;
        target.Register(&window);
        // Made after registration, as the video area is.
        auto *edit = new QTextEdit(&window);
        QVERIFY(edit->acceptDrops());
        QSignalSpy dropped(&target, &UrlDropTarget::dropped);
        std::unique_ptr<QMimeData> data(LinkFromBrowser("https://video.example.test/v.flv"));
        QVERIFY(DragAndDrop(edit, data.get()));
        QCOMPARE(dropped.count(), 1);
        QVERIFY(edit->toPlainText().isEmpty());
    }

    void linkOfReadsTheFirstEntry()
    {
        QMimeData data;
        data.setData(QStringLiteral("text/uri-list"),
                     "# comment\r\nhttp://first.test/a\r\nhttp://second.test/b\r\n");
        QCOMPARE(UrlDropTarget::LinkOf(&data), QStringLiteral("http://first.test/a"));
        QCOMPARE(UrlDropTarget::LinkOf(nullptr), QString());
    }
};

QTEST_MAIN(UrlDropTargetTest)
#include "tst_url_drop_target.moc"
