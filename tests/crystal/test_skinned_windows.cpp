// Whole windows in the two styles the program uses, shown on the display: screenshots for a
// look by eye, and a button face on screen against its style's fill gradient.
#include "skin/crystal/crystal_skin.h"
#include "tests/crystal/skin_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStandardItemModel>
#include <QTreeView>
#include <QtTest>

using namespace SkinTest;

namespace {

struct SampleWindow {
    std::unique_ptr<QWidget> window;
    QPushButton *play = nullptr;
    QPushButton *hot = nullptr;
    QPushButton *pressed = nullptr;
};

SampleWindow BuildWindow(int style, const QPoint &at)
{
    SampleWindow sample;
    sample.window = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint);
    QWidget *w = sample.window.get();
    QPalette palette;
    palette.setColor(QPalette::Window, style == 7 ? QColor(0x30, 0x30, 0x30) : QColor(0xEC, 0xEC, 0xEC));
    palette.setColor(QPalette::WindowText, style == 7 ? Qt::white : Qt::black);
    w->setPalette(palette);
    auto *grid = new QGridLayout(w);
    grid->addWidget(new QLabel(QStringLiteral("颜色样式 %1").arg(style)), 0, 0, 1, 4);
    sample.play = new QPushButton(QStringLiteral("播放"));
    sample.hot = new QPushButton(QStringLiteral("暂停"));
    sample.pressed = new QPushButton(QStringLiteral("停止"));
    auto *loop = new QPushButton(QStringLiteral("循环"));
    loop->setCheckable(true);
    loop->setChecked(true);
    grid->addWidget(sample.play, 1, 0);
    grid->addWidget(sample.hot, 1, 1);
    grid->addWidget(sample.pressed, 1, 2);
    grid->addWidget(loop, 1, 3);
    auto *list = new QComboBox;
    list->addItems({QStringLiteral("优酷"), QStringLiteral("土豆")});
    auto *edit = new QComboBox;
    edit->setEditable(true);
    edit->addItem(QStringLiteral("http://127.0.0.1/video.flv"));
    grid->addWidget(list, 2, 0, 1, 2);
    grid->addWidget(edit, 2, 2, 1, 2);
    auto *bar = new QProgressBar;
    bar->setValue(60);
    bar->setProperty("Nivra_PBM_TxtStyle", 3);
    grid->addWidget(bar, 3, 0, 1, 3);
    auto *vertical = new QProgressBar;
    vertical->setOrientation(Qt::Vertical);
    vertical->setValue(35);
    grid->addWidget(vertical, 3, 3, 2, 1);
    auto *model = new QStandardItemModel(2, 2, w);
    model->setHorizontalHeaderLabels({QStringLiteral("名称"), QStringLiteral("时长")});
    model->setItem(0, 0, new QStandardItem(QStringLiteral("示例视频")));
    model->setItem(0, 1, new QStandardItem(QStringLiteral("03:25")));
    auto *tree = new QTreeView;
    tree->setModel(model);
    grid->addWidget(tree, 4, 0, 1, 3);
    grid->addWidget(new QCheckBox(QStringLiteral("静音")), 5, 0);
    w->setGeometry(QRect(at, QSize(460, 330)));
    MakeColorKeyed(w);
    ApplyCrystalSkin(w, style, 1);
    return sample;
}

QString SavePath(const QString &name)
{
    const QString dir = qEnvironmentVariable("QINGLAN_BUILD_DIR", QDir::currentPath());
    return QDir(dir).filePath(name);
}

}  // namespace

class SkinnedWindowTest : public QObject {
    Q_OBJECT
private slots:
    void windowShowsTheStyleOnScreen_data()
    {
        QTest::addColumn<int>("style");
        QTest::newRow("site browser style") << 6;
        QTest::newRow("main window style") << 7;
    }
    void windowShowsTheStyleOnScreen()
    {
        QFETCH(int, style);
        CrystalSkinInit();
        SampleWindow sample = BuildWindow(style, QPoint(40, 40));
        sample.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(sample.window.get()));
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), sample.hot->mapToGlobal(QPointF(5, 5)));
        QCoreApplication::sendEvent(sample.hot, &enter);
        sample.pressed->setDown(true);
        QTest::qWait(100);

        const Style &c = StyleColors(style);
        const QRect face(sample.play->mapTo(sample.window.get(), QPoint(0, 0)) + sample.window->pos(), sample.play->size());
        QImage shot;
        auto faceMatches = [&] {
            shot = QGuiApplication::primaryScreen()->grabWindow(0, face.x(), face.y(), face.width(), face.height()).toImage();
            for (int y = 1; y < face.height() - 1; ++y)
                if (At(shot, 2, y) != FaceRow(c.fill, face.height(), y))
                    return false;
            return true;
        };
        QTRY_VERIFY(faceMatches());

        const QRect frame = sample.window->geometry();
        const QImage window = QGuiApplication::primaryScreen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).toImage();
        const QString path = SavePath(QStringLiteral("crystal-style%1.png").arg(style));
        QVERIFY2(window.save(path), qPrintable(path));
    }
};

QTEST_MAIN(SkinnedWindowTest)
#include "test_skinned_windows.moc"
