#include "skin/crystal/combo_skin_proc.h"

#include "skin/crystal/skin_drawing.h"

#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPainter>
#include <QTimer>

namespace {

const QString kArrowFace = QStringLiteral("Wingdings 3");

// The down-pointing triangle: the "q" of the arrow face, or the same triangle drawn
// row by row where that face is not installed.
void DrawDropArrow(QPainter &p, const QRect &box, ColorRef color)
{
    if (QFontDatabase::hasFamily(kArrowFace)) {
        QFont arrowFont(kArrowFace);
        arrowFont.setPixelSize(8);
        p.save();
        p.setFont(arrowFont);
        p.setPen(ToQColor(color));
        p.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, QStringLiteral("q"));
        p.restore();
        return;
    }
    constexpr int rows = 4;
    const int left = box.left() + (box.width() - (2 * rows - 1)) / 2;
    const int top = box.top() + (box.height() - rows) / 2;
    for (int row = 0; row < rows; ++row)
        p.fillRect(left + row, top + row, 2 * (rows - row) - 1, 1, ToQColor(color));
}

QString ComboText(const QComboBox *combo)
{
    if (const QLineEdit *edit = combo->lineEdit())
        return edit->text();
    return combo->currentIndex() >= 0 ? combo->itemText(combo->currentIndex()) : QString();
}

}  // namespace

ComboSkinProc::ComboSkinProc(QObject *parent) : QObject(parent) {}

void PlaceComboEdit(QComboBox *combo)
{
    QLineEdit *edit = combo->lineEdit();
    if (!edit)
        return;
    const QRect textRect = SkinRect(2, 2, combo->width() - kComboDropButtonWidth - 2, combo->height() - 2);
    if (edit->geometry() != textRect)
        edit->setGeometry(textRect);
}

void PaintCombo(QComboBox *combo, QPainter &p, int w, int h)
{
    const SkinPalette &c = GetSkinPalette(combo);
    GradientBand(p, 0, 0, w, h / 2, c.track[0], c.track[1], false);
    GradientBand(p, 0, h / 2, w, h, c.track[2], c.track[3], false);
    // Qt's combo boxes always drop down (editable: drop-down; not editable: drop-down list).
    const int buttonLeft = w - kComboDropButtonWidth;
    GradientBand(p, buttonLeft, 0, w, h / 2, c.fill[0], c.fill[1], false);
    GradientBand(p, buttonLeft, h / 2, w, h, c.fill[2], c.fill[3], false);
    DrawDropArrow(p, SkinRect(buttonLeft, 2, w, h - 2), c.text);
    const QRect textRect = SkinRect(2, 2, w - kComboDropButtonWidth - 2, h - 2);
    FrameRectangle(p, 0, 0, w, h, c.frame);
    DrawSkinText(p, textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, ComboText(combo), c.text);
}

bool ComboSkinProc::eventFilter(QObject *watched, QEvent *event)
{
    auto *combo = qobject_cast<QComboBox *>(watched);
    if (!combo)
        return false;
    switch (event->type()) {
    case QEvent::Paint:
        PaintOffscreen(combo, [combo](QPainter &p, int w, int h) { PaintCombo(combo, p, w, h); });
        return true;
    case QEvent::Resize: {
        // The combo box places its edit field in its own handler: let it, then place it again.
        const bool handled = ForwardEvent(watched, event);
        PlaceComboEdit(combo);
        return handled;
    }
    case QEvent::Show:
    case QEvent::StyleChange:
    case QEvent::ChildAdded:
        // The edit field is (re)placed after this event is handled.
        QTimer::singleShot(0, combo, [combo] { PlaceComboEdit(combo); });
        break;
    default:
        break;
    }
    return false;
}
