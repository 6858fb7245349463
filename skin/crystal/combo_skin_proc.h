#pragma once
#include <QObject>

class QComboBox;
class QPainter;

// The skin of a combo box: a light body, a saturated 18-pixel drop button with a down
// arrow, an outline and the current text.
class ComboSkinProc : public QObject {
    Q_OBJECT
public:
    explicit ComboSkinProc(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

inline constexpr int kComboDropButtonWidth = 18;

// Keeps an editable combo box's edit field inside the body, clear of the drop button.
void PlaceComboEdit(QComboBox *combo);

void PaintCombo(QComboBox *combo, QPainter &p, int width, int height);
