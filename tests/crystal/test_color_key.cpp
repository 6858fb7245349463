// The colour key on real windows: exactly the magenta pixels a window draws are see-through,
// children are kept as they paint, and the key follows resizes, palette changes and moves.
#include "skin/crystal/crystal_skin.h"
#include "tests/crystal/skin_test_support.h"

#include <QGuiApplication>
#include <QOpenGLWidget>
#include <QPainter>
#include <QQuickWidget>
#include <QRasterWindow>
#include <QScreen>
#include <QtTest>

using namespace SkinTest;

namespace {

const QColor kMagenta(255, 0, 255);
const QColor kUnder(0, 0, 0xC0);        // what shows through
const QColor kDark(0x20, 0x22, 0x24);   // the picture's frame
const QColor kNearMagenta(254, 0, 255); // one step off the key: must stay

// A borderless window like the player's: a picture with magenta surroundings, black when
// it fills a large part of the screen.
class PictureWindow : public QWidget {
public:
    PictureWindow() : QWidget(nullptr, Qt::FramelessWindowHint)
    {
        QPalette palette;
        palette.setColor(QPalette::Window, kMagenta);
        setPalette(palette);
    }
    bool dimmed = false;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        if (width() >= 1000 || dimmed) {
            p.fillRect(rect(), dimmed ? kDark : Qt::black);
            return;
        }
        p.fillRect(rect(), kMagenta);
        p.fillRect(QRect(40, 30, 120, 90), kDark);
        p.fillRect(QRect(60, 130, 10, 10), kNearMagenta);
    }
};

QWidget *SolidChild(QWidget *parent, const QRect &geometry, const QColor &color)
{
    auto *child = new QWidget(parent);
    QPalette palette;
    palette.setColor(QPalette::Window, color);
    child->setPalette(palette);
    child->setAutoFillBackground(true);
    child->setGeometry(geometry);
    return child;
}

// The screen over the window against the window's own drawing, magenta replaced by what lies under it.
bool ScreenShowsKeyedWindow(QWidget *window, QString *why)
{
    const QImage drawn = Drawn(window);
    const QRect frame = window->geometry();
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).toImage();
    if (screen.size() != drawn.size()) {
        *why = QStringLiteral("screen grab size");
        return false;
    }
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb own = At(drawn, x, y);
            const QRgb expected = own == kMagenta.rgb() ? kUnder.rgb() : own;
            if (At(screen, x, y) != expected) {
                *why = QStringLiteral("pixel (%1, %2) is %3, expected %4").arg(x).arg(y)
                           .arg(At(screen, x, y), 0, 16).arg(expected, 0, 16);
                return false;
            }
        }
    }
    return true;
}

// The mask against the window's drawing: every pixel is kept exactly when it is not magenta.
bool MaskLeavesOutExactlyMagenta(QWidget *window)
{
    const QImage drawn = Drawn(window);
    const QRegion mask = window->mask().isEmpty() ? QRegion(window->rect()) : window->mask();
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (mask.contains(QPoint(x, y)) == (At(drawn, x, y) == kMagenta.rgb()))
                return false;
    return true;
}

}  // namespace

class ColorKeyTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        under_ = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint);
        QPalette palette;
        palette.setColor(QPalette::Window, kUnder);
        under_->setPalette(palette);
        under_->setGeometry(QGuiApplication::primaryScreen()->geometry());
        under_->show();
        QVERIFY(QTest::qWaitForWindowExposed(under_.get()));
    }
    void cleanupTestCase() { under_.reset(); }

    void onlyMagentaPixelsAreSeeThrough()
    {
        PictureWindow window;
        window.setGeometry(100, 100, 220, 160);
        SolidChild(&window, QRect(4, 4, 20, 16), Qt::green);  // over magenta: kept
        auto *clear = new QWidget(&window);                 // paints nothing: magenta under it goes
        clear->setGeometry(170, 10, 40, 40);
        MakeColorKeyed(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!window.mask().isEmpty());
        QVERIFY(MaskLeavesOutExactlyMagenta(&window));
        QVERIFY(window.mask().contains(QPoint(10, 10)));
        QVERIFY(!window.mask().contains(QPoint(190, 30)));
        QVERIFY(window.mask().contains(QPoint(65, 135)));
        QString why;
        QTRY_VERIFY2(ScreenShowsKeyedWindow(&window, &why), qPrintable(why));
    }

    void keyFollowsAResizeThatChangesTheLook()
    {
        PictureWindow window;
        window.setGeometry(100, 100, 220, 160);
        MakeColorKeyed(&window);
        MakeColorKeyed(&window);  // twice is harmless
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QString why;
        QTRY_VERIFY2(ScreenShowsKeyedWindow(&window, &why), qPrintable(why));

        window.setGeometry(QGuiApplication::primaryScreen()->geometry());
        QTRY_VERIFY(window.mask().isEmpty());  // all black now: nothing to leave out
        QTRY_VERIFY2(ScreenShowsKeyedWindow(&window, &why), qPrintable(why));

        window.setGeometry(100, 100, 220, 160);
        QTRY_VERIFY(!window.mask().isEmpty());
        QVERIFY(MaskLeavesOutExactlyMagenta(&window));
        QTRY_VERIFY2(ScreenShowsKeyedWindow(&window, &why), qPrintable(why));
    }

    void keyFollowsPaletteAndChildChanges()
    {
        PictureWindow window;
        window.setGeometry(100, 100, 220, 160);
        QWidget *child = SolidChild(&window, QRect(4, 4, 20, 16), Qt::green);
        MakeColorKeyed(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!window.mask().contains(QPoint(180, 140)));

        child->move(170, 130);
        QTRY_VERIFY(window.mask().contains(QPoint(180, 140)));
        QVERIFY(!window.mask().contains(QPoint(10, 10)));
        child->hide();
        QTRY_VERIFY(!window.mask().contains(QPoint(180, 140)));
        SolidChild(&window, QRect(4, 130, 10, 10), Qt::yellow)->show();
        QTRY_VERIFY(window.mask().contains(QPoint(6, 132)));
        QVERIFY(MaskLeavesOutExactlyMagenta(&window));

        // A look the key cannot see coming: refreshed on request.
        window.dimmed = true;
        window.update();
        RefreshColorKey(&window);
        QVERIFY(window.mask().isEmpty());
        QString why;
        QTRY_VERIFY2(ScreenShowsKeyedWindow(&window, &why), qPrintable(why));
        RefreshColorKey(nullptr);
        MakeColorKeyed(nullptr);
    }

    void keyFollowsAPaletteChange()
    {
        QWidget window(nullptr, Qt::FramelessWindowHint);
        QPalette palette;
        palette.setColor(QPalette::Window, kMagenta);
        window.setPalette(palette);
        window.setGeometry(120, 120, 160, 100);
        SolidChild(&window, QRect(10, 10, 30, 20), Qt::green);
        MakeColorKeyed(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.mask(), QRegion(10, 10, 30, 20));
        palette.setColor(QPalette::Window, kDark);
        window.setPalette(palette);
        QTRY_VERIFY(window.mask().isEmpty());
        QString why;
        QTRY_VERIFY2(ScreenShowsKeyedWindow(&window, &why), qPrintable(why));
    }

    void surfaceChildOverMagentaIsKept_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("GL widget") << QStringLiteral("gl");
        QTest::newRow("Quick widget") << QStringLiteral("quick");
        QTest::newRow("native window") << QStringLiteral("window");
    }
    void surfaceChildOverMagentaIsKept()
    {
        QFETCH(QString, kind);
        PictureWindow window;
        window.setGeometry(100, 100, 220, 160);
        QWidget *surface = nullptr;
        if (kind == QLatin1String("gl")) {
            surface = new QOpenGLWidget(&window);
        } else if (kind == QLatin1String("window")) {
            auto *native = new QRasterWindow;
            surface = QWidget::createWindowContainer(native, &window);
        } else {
            auto *quick = new QQuickWidget(&window);
            quick->setClearColor(Qt::red);
            surface = quick;
        }
        surface->setGeometry(170, 100, 40, 50);
        MakeColorKeyed(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(window.mask().contains(QRect(170, 100, 40, 50)));
        QVERIFY(!window.mask().contains(QPoint(190, 20)));
        QVERIFY(window.mask().contains(QPoint(50, 40)));
    }

private:
    std::unique_ptr<QWidget> under_;
};

QTEST_MAIN(ColorKeyTest)
#include "test_color_key.moc"
