// Combo boxes, item views with their headers, tooltip windows and whole-tree skinning.
#include "skin/crystal/combo_skin_proc.h"
#include "skin/crystal/crystal_skin.h"
#include "skin/crystal/header_skin_proc.h"
#include "skin/crystal/list_view_skin_proc.h"
#include "skin/crystal/skin_properties.h"
#include "tests/crystal/skin_test_support.h"

#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>
#include <QtTest>

using namespace SkinTest;

namespace {

constexpr int kComboWidth = 140;
constexpr int kComboHeight = 24;

// True when every pixel of `area` is the face row colour.
bool IsBare(const QImage &image, const ColorRef face[4], const QRect &area)
{
    return InkBounds(image, face, area).isEmpty();
}

QRect PixelsOf(const QImage &image, QRgb color, const QRect &area)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (At(image, x, y) == color)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

}  // namespace

class ControlSkinTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { CrystalSkinInit(); }

    void dropDownListShowsArrowInEighteenPixelButton()
    {
        QComboBox combo;
        combo.addItems({QStringLiteral("标清"), QStringLiteral("高清")});
        combo.resize(kComboWidth, kComboHeight);
        QVERIFY(SkinControl(&combo, 1, 1));
        QCOMPARE(combo.property(SkinProperty::Type).toInt(), 3);
        const Style &c = StyleColors(1);
        const int w = kComboWidth, h = kComboHeight;
        const QImage image = Drawn(&combo);
        for (int y = 1; y < h - 1; ++y) {
            QCOMPARE(At(image, w - 18, y), FaceRow(c.fill, h, y));   // the drop button's first column
            QCOMPARE(At(image, w - 19, y), FaceRow(c.track, h, y));  // the body just left of it
        }
        const QRect arrow = PixelsOf(image, Rgb(c.text), QRect(w - 18, 2, 17, h - 4));
        QVERIFY(!arrow.isEmpty());
        QVERIFY(qAbs(arrow.center().x() - (w - 9)) <= 1);
        QVERIFY(qAbs(arrow.center().y() - h / 2) <= 1);
        QVERIFY(arrow.width() > arrow.height());  // pointing down: widest row on top
        QCOMPARE(PixelsOf(image, Rgb(c.text), QRect(arrow.left(), arrow.top(), arrow.width(), 1)).width(), arrow.width());
        // The selection's text in the body.
        QVERIFY(!IsBare(image, c.track, QRect(2, 2, w - 22, h - 4)));
        QCOMPARE(At(image, w / 2, 0), Rgb(c.frame));
        QCOMPARE(At(image, w - 1, h / 2), Rgb(c.frame));
    }

    void comboWithoutSelectionShowsNoText()
    {
        QComboBox combo;
        combo.addItems({QStringLiteral("a"), QStringLiteral("b")});
        combo.setCurrentIndex(-1);
        combo.resize(kComboWidth, kComboHeight);
        SkinControl(&combo, 5, 1);
        QVERIFY(IsBare(Drawn(&combo), StyleColors(5).track, QRect(1, 1, kComboWidth - 20, kComboHeight - 2)));
    }

    void editableComboKeepsItsEditClearOfTheDropButton()
    {
        QWidget window;
        auto *combo = new QComboBox(&window);
        combo->setEditable(true);
        combo->addItem(QStringLiteral("http://127.0.0.1/"));
        combo->setGeometry(10, 10, 200, 26);
        QVERIFY(SkinControl(combo, 6, 1));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(combo->lineEdit()->geometry(), QRect(2, 2, 200 - 22, 26 - 4));
        combo->resize(260, 30);
        QCOMPARE(combo->lineEdit()->geometry(), QRect(2, 2, 260 - 22, 30 - 4));
        const QImage image = Drawn(combo);
        const Style &c = StyleColors(6);
        for (int y = 1; y < 29; ++y)
            QCOMPARE(At(image, 260 - 18, y), FaceRow(c.fill, 30, y));
        QVERIFY(!PixelsOf(image, Rgb(c.text), QRect(260 - 18, 2, 17, 26)).isEmpty());
    }

    void iconModeListViewGetsTheFrameButNoHeader()
    {
        QStandardItemModel model;
        model.appendRow(new QStandardItem(QStringLiteral("电影")));
        QListView view;
        view.setViewMode(QListView::IconMode);
        view.setModel(&model);
        view.resize(160, 120);
        QVERIFY(SkinControl(&view, 2, 1));
        QCOMPARE(view.property(SkinProperty::Type).toInt(), 5);
        QVERIFY(view.findChildren<HeaderSkinProc *>().isEmpty());
        const Style &c = StyleColors(2);
        const QImage image = Drawn(&view);
        for (const QPoint &edge : {QPoint(0, 0), QPoint(80, 0), QPoint(159, 60), QPoint(80, 119), QPoint(0, 60)})
            QCOMPARE(At(image, edge.x(), edge.y()), Rgb(c.frame));
        for (const QPoint &inner : {QPoint(1, 1), QPoint(80, 1), QPoint(158, 60), QPoint(80, 118), QPoint(1, 60)})
            QCOMPARE(At(image, inner.x(), inner.y()), Rgb(c.track[0]));
    }

    void reportViewHeaderIsSkinnedInTheViewsColours()
    {
        QStandardItemModel model(3, 2);
        model.setHorizontalHeaderLabels({QStringLiteral("名称"), QStringLiteral("地址")});
        QTreeView view;
        view.setModel(&model);
        view.resize(240, 140);
        view.header()->resizeSection(0, 100);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(SkinControl(&view, 4, 1));
        QVERIFY(SkinControl(&view, 3, 1));  // a second time: still one header filter, new colours
        QHeaderView *header = view.header();
        QVERIFY(header->property(SkinProperty::Procedure).value<QObject *>());
        QCOMPARE(header->findChildren<HeaderSkinProc *>().size(), 1);
        QCOMPARE(view.findChildren<ListViewSkinProc *>().size(), 1);

        const Style &c = StyleColors(3);
        const QImage image = Drawn(header->viewport());
        const int h = image.height();
        QVERIFY(h > 4);
        for (int y = 0; y < h - 1; ++y) {
            QCOMPARE(At(image, 2, y), FaceRow(c.fill, h, y));
            QCOMPARE(At(image, 99, y), Rgb(c.frame));     // end of the first section
            QCOMPARE(At(image, 100, y), Rgb(c.fill[0]));  // and the light line after it
        }
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(At(image, x, h - 1), Rgb(c.frame));
        QVERIFY(!IsBare(image, c.fill, QRect(5, 2, 90, h - 3)));  // the caption
        // The view's frame around it all.
        QCOMPARE(At(Drawn(&view), 120, 139), Rgb(c.frame));
    }

    void tooltipWindowInTheTreeIsSkinned()
    {
        QWidget window;
        auto *tip = new QLabel(QStringLiteral("播放"), &window, Qt::ToolTip);
        tip->resize(70, 20);
        ApplyCrystalSkin(&window, 6, 1);
        QCOMPARE(tip->property(SkinProperty::Type).toInt(), 4);
        QCOMPARE(tip->property(SkinProperty::ColorStyle).toInt(), 6);
        const Style &c = StyleColors(6);
        const QImage image = Drawn(tip);
        QCOMPARE(At(image, 0, 0), Rgb(c.frame));
        QCOMPARE(At(image, 69, 19), Rgb(c.frame));
        for (int y = 1; y < 19; ++y)
            QCOMPARE(At(image, 2, y), FaceRow(c.track, 20, y));
        QVERIFY(!IsBare(image, c.track, QRect(2, 2, 66, 16)));
    }

    void wholeTreeIsSkinnedButNotOtherWindows()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *group = new QWidget(&window);
        auto *inner = new QVBoxLayout(group);
        auto *button = new QPushButton(QStringLiteral("确定"), group);
        auto *bar = new QProgressBar(group);
        inner->addWidget(button);
        inner->addWidget(bar);
        auto *combo = new QComboBox(&window);
        combo->addItem(QStringLiteral("one"));
        layout->addWidget(group);
        layout->addWidget(combo);
        auto *dialog = new QDialog(&window);
        auto *dialogButton = new QPushButton(QStringLiteral("OK"), dialog);
        QAbstractItemView *popupList = combo->view();  // made now, so the walk meets it
        ApplyCrystalSkin(&window, 7, 1);
        for (QWidget *skinned : {static_cast<QWidget *>(button), static_cast<QWidget *>(bar), static_cast<QWidget *>(combo)})
            QCOMPARE(skinned->property(SkinProperty::ColorStyle).toInt(), 7);
        QCOMPARE(button->property(SkinProperty::Type).toInt(), 2);
        QCOMPARE(bar->property(SkinProperty::Type).toInt(), 1);
        QVERIFY(!window.property(SkinProperty::Type).isValid());
        QVERIFY(!group->property(SkinProperty::Type).isValid());
        QVERIFY(!dialogButton->property(SkinProperty::Type).isValid());
        QVERIFY(!popupList->property(SkinProperty::Type).isValid());  // its pop-up list is a window of its own
        ApplyCrystalSkin(nullptr, 7, 1);
        QVERIFY(!SkinControl(nullptr, 7, 1));
    }
};

QTEST_MAIN(ControlSkinTest)
#include "test_control_skins.moc"
