// Push buttons in the crystal look: faces per colour style and draw state, the pressed text,
// the rounded corners, skinning twice, and the plain buttons that only get the corners.
#include "skin/crystal/button_skin_proc.h"
#include "skin/crystal/crystal_skin.h"
#include "skin/crystal/skin_drawing.h"
#include "skin/crystal/skin_properties.h"
#include "skin/crystal/round_region_follower.h"
#include "tests/crystal/skin_test_support.h"

#include <QCheckBox>
#include <QEnterEvent>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

using namespace SkinTest;

namespace {

constexpr int kWidth = 90;
constexpr int kHeight = 26;

void Hover(QWidget *widget)
{
    const QPointF inside(widget->width() / 2.0, widget->height() / 2.0);
    QEnterEvent enter(inside, inside, widget->mapToGlobal(inside));
    QCoreApplication::sendEvent(widget, &enter);
}

void Unhover(QWidget *widget)
{
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &leave);
}

// The face column at x = 2 (inside the outline, clear of the text) against the rows of `face`.
void VerifyFace(const QImage &image, const ColorRef face[4])
{
    for (int y = 1; y < image.height() - 1; ++y)
        QCOMPARE(QString::number(At(image, 2, y), 16), QString::number(FaceRow(face, image.height(), y), 16));
}

}  // namespace

class ButtonSkinTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { CrystalSkinInit(); }

    void faceFollowsStyleAndState_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("hot");
        for (int style = 1; style <= 7; ++style) {
            QTest::addRow("style %d at rest", style) << style << false;
            QTest::addRow("style %d hot", style) << style << true;
        }
        QTest::addRow("style 0 falls back to style 1") << 0 << false;
        QTest::addRow("style 9 falls back to style 1") << 9 << true;
    }
    void faceFollowsStyleAndState()
    {
        QFETCH(int, style);
        QFETCH(bool, hot);
        QPushButton button(QStringLiteral("Play"));
        button.resize(kWidth, kHeight);
        QVERIFY(SkinControl(&button, style, 1));
        if (style <= 0 || style > 7)
            button.setProperty(SkinProperty::ColorStyle, style);  // stored, yet out of range
        if (hot)
            Hover(&button);
        QCOMPARE(button.property(SkinProperty::DrawState).toInt(), hot ? 1 : 0);
        const Style &colors = StyleColors(style);
        const QImage image = Drawn(&button);
        VerifyFace(image, hot ? colors.track : colors.fill);
        QCOMPARE(At(image, kWidth / 2, 0), Rgb(colors.frame));
        QCOMPARE(At(image, kWidth / 2, kHeight - 1), Rgb(colors.frame));
        QCOMPARE(At(image, 0, kHeight / 2), Rgb(colors.frame));
        QCOMPARE(At(image, kWidth - 1, kHeight / 2), Rgb(colors.frame));
    }

    void pressedTextMovesOneDownAndRight()
    {
        QPushButton button(QStringLiteral("Open"));
        button.resize(kWidth, kHeight);
        SkinControl(&button, 1, 1);
        const Style &colors = StyleColors(1);
        const QRect inside(2, 2, kWidth - 4, kHeight - 4);
        Hover(&button);
        const QImage hot = Drawn(&button);
        const QRect hotInk = InkBounds(hot, colors.track, inside);
        QVERIFY(!hotInk.isEmpty());

        QTest::mousePress(&button, Qt::LeftButton, {}, button.rect().center());
        QCOMPARE(button.property(SkinProperty::DrawState).toInt(), 2);
        const QImage pressed = Drawn(&button);
        VerifyFace(pressed, colors.track);
        QCOMPARE(InkBounds(pressed, colors.track, inside), hotInk.translated(1, 1));

        // Released with the mouse still over it: the hot face and the text back in place.
        QTest::mouseRelease(&button, Qt::LeftButton, {}, button.rect().center());
        QCOMPARE(button.property(SkinProperty::DrawState).toInt(), 1);
        QCOMPARE(Drawn(&button), hot);
    }

    void stateFollowsMouseFocusAndEnable()
    {
        QPushButton button(QStringLiteral("Stop"));
        button.resize(kWidth, kHeight);
        SkinControl(&button, 7, 1);
        auto state = [&] { return button.property(SkinProperty::DrawState).toInt(); };
        QCOMPARE(state(), 0);
        Hover(&button);
        QCOMPARE(state(), 1);
        Unhover(&button);
        QCOMPARE(state(), 0);

        Hover(&button);
        QFocusEvent focusOut(QEvent::FocusOut);
        QCoreApplication::sendEvent(&button, &focusOut);
        QCOMPARE(state(), 0);
        QCOMPARE(button.property(SkinProperty::IsFocused).toInt(), 0);

        QTest::mousePress(&button, Qt::LeftButton, {}, button.rect().center());
        QFocusEvent focusIn(QEvent::FocusIn);
        QCoreApplication::sendEvent(&button, &focusIn);
        QCOMPARE(button.property(SkinProperty::IsFocused).toInt(), 1);
        QCOMPARE(state(), 1);
        QTest::mouseRelease(&button, Qt::LeftButton, {}, button.rect().center());

        button.setEnabled(false);
        QCOMPARE(state(), 0);
        button.setEnabled(true);
        QCOMPARE(state(), 3);
        VerifyFace(Drawn(&button), StyleColors(7).fill);  // drawn like the resting state
    }

    void keyboardPressShowsPressedFace()
    {
        QPushButton button(QStringLiteral("Go"));
        button.resize(kWidth, kHeight);
        SkinControl(&button, 4, 1);
        button.setDown(true);
        VerifyFace(Drawn(&button), StyleColors(4).track);
        QCOMPARE(button.property(SkinProperty::DrawState).toInt(), 2);
        button.setDown(false);
        VerifyFace(Drawn(&button), StyleColors(4).fill);
        QCOMPARE(button.property(SkinProperty::DrawState).toInt(), 0);
    }

    void checkedPushLikeButtonStaysPushedIn()
    {
        QPushButton button(QStringLiteral("Loop"));
        button.setCheckable(true);
        button.resize(kWidth, kHeight);
        QVERIFY(SkinControl(&button, 2, 1));
        QCOMPARE(button.property(SkinProperty::Type).toInt(), 2);
        VerifyFace(Drawn(&button), StyleColors(2).fill);
        button.setChecked(true);
        VerifyFace(Drawn(&button), StyleColors(2).track);
    }

    void cornersAreRoundedOff()
    {
        QPushButton button(QStringLiteral("X"));
        button.resize(kWidth, kHeight);
        SkinControl(&button, 3, 1);
        const int w = kWidth, h = kHeight;
        const ColorRef frame = StyleColors(3).frame;
        const QRgb face = FaceColor().rgb();
        const QImage image = Drawn(&button);
        struct Corner { int x, y, dx, dy; };
        for (const Corner &c : {Corner{0, 0, 1, 1}, Corner{0, h - 1, 1, -1}, Corner{w - 1, 0, -1, 1},
                                Corner{w - 1, h - 1, -1, -1}}) {
            QCOMPARE(At(image, c.x, c.y), face);
            QCOMPARE(At(image, c.x + c.dx, c.y), face);
            QCOMPARE(At(image, c.x, c.y + c.dy), face);
            QCOMPARE(At(image, c.x + c.dx, c.y + c.dy), Rgb(frame));
            QCOMPARE(At(image, c.x + 2 * c.dx, c.y), Rgb(frame));  // the outline goes on beside them
            // The region leaves out the face-coloured pixels and keeps the rest.
            QVERIFY(!button.mask().contains(QPoint(c.x, c.y)));
            QVERIFY(!button.mask().contains(QPoint(c.x + c.dx, c.y)));
            QVERIFY(!button.mask().contains(QPoint(c.x, c.y + c.dy)));
            QVERIFY(button.mask().contains(QPoint(c.x + c.dx, c.y + c.dy)));
            QVERIFY(button.mask().contains(QPoint(c.x + 2 * c.dx, c.y)));
        }
        button.show();  // a hidden widget hears of its new size when shown
        button.resize(140, 30);
        QCOMPARE(button.mask(), RoundRegion(140, 30));
    }

    void skinningTwiceKeepsOneFilterAndTakesTheNewStyle()
    {
        QPushButton button(QStringLiteral("Again"));
        button.resize(kWidth, kHeight);
        QVERIFY(SkinControl(&button, 1, 1));
        const QVariant procedure = button.property(SkinProperty::Procedure);
        QVERIFY(procedure.value<QObject *>());
        QVERIFY(SkinControl(&button, 5, 1));
        QCOMPARE(button.property(SkinProperty::Procedure).value<QObject *>(), procedure.value<QObject *>());
        QCOMPARE(button.findChildren<ButtonSkinProc *>().size(), 1);
        QCOMPARE(button.property(SkinProperty::ColorStyle).toInt(), 5);
        VerifyFace(Drawn(&button), StyleColors(5).fill);
        // Style 0 keeps what is stored.
        QVERIFY(SkinControl(&button, 0, 1));
        QCOMPARE(button.property(SkinProperty::ColorStyle).toInt(), 5);
    }

    void plainButtonsGetTheRegionOnly_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("check box") << QStringLiteral("check");
        QTest::newRow("radio button") << QStringLiteral("radio");
        QTest::newRow("group box") << QStringLiteral("group");
    }
    void plainButtonsGetTheRegionOnly()
    {
        QFETCH(QString, kind);
        std::unique_ptr<QWidget> widget;
        if (kind == QLatin1String("check"))
            widget = std::make_unique<QCheckBox>(QStringLiteral("Mute"));
        else if (kind == QLatin1String("radio"))
            widget = std::make_unique<QRadioButton>(QStringLiteral("Loop"));
        else
            widget = std::make_unique<QGroupBox>(QStringLiteral("Sound"));
        widget->resize(80, 22);
        QVERIFY(!SkinControl(widget.get(), 7, 1));
        QVERIFY(!widget->property(SkinProperty::Procedure).isValid());
        QVERIFY(!widget->property(SkinProperty::Type).isValid());
        QVERIFY(!widget->property(SkinProperty::ColorStyle).isValid());
        QCOMPARE(widget->mask(), RoundRegion(80, 22));
        widget->show();
        widget->resize(120, 30);
        QCOMPARE(widget->mask(), RoundRegion(120, 30));
        QVERIFY(!SkinControl(widget.get(), 7, 1));
        QCOMPARE(widget->findChildren<RoundRegionFollower *>().size(), 1);
    }
};

QTEST_MAIN(ButtonSkinTest)
#include "test_button_skin.moc"
